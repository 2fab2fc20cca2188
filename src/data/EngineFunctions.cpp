#include "data/EngineFunctions.h"

#include "data/JetMatcher.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

namespace EngineFunctions {

namespace {

QString textOf(sqlite3_value *value)
{
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return QString::fromUtf8(bytes, sqlite3_value_bytes(value));
}

void jetLike(sqlite3_context *context, int, sqlite3_value **args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
        sqlite3_result_int(context, 0);
        return;
    }
    const QString text = textOf(args[1]);
    // The pattern is compiled once per statement and kept with it as auxiliary data.
    if (auto *cached = static_cast<JetMatcher *>(sqlite3_get_auxdata(context, 0))) {
        sqlite3_result_int(context, cached->matches(text) ? 1 : 0);
        return;
    }
    auto *matcher = new JetMatcher(textOf(args[0]));
    sqlite3_result_int(context, matcher->matches(text) ? 1 : 0);
    // The engine owns it from here and may free it at once.
    sqlite3_set_auxdata(context, 0, matcher, [](void *p) { delete static_cast<JetMatcher *>(p); });
}

void jetSameText(sqlite3_context *context, int, sqlite3_value **args)
{
    if (sqlite3_value_type(args[0]) == SQLITE_NULL || sqlite3_value_type(args[1]) == SQLITE_NULL) {
        sqlite3_result_int(context, 0);
        return;
    }
    const bool same = textOf(args[0]).toCaseFolded() == textOf(args[1]).toCaseFolded();
    sqlite3_result_int(context, same ? 1 : 0);
}

}  // namespace

bool registerOn(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.constData());
    if (!connection)
        return false;
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    return sqlite3_create_function(connection, "jet_like", 2, flags, nullptr, jetLike, nullptr,
                                   nullptr)
               == SQLITE_OK
           && sqlite3_create_function(connection, "jet_same_text", 2, flags, nullptr, jetSameText,
                                      nullptr, nullptr)
                  == SQLITE_OK;
}

}  // namespace EngineFunctions
