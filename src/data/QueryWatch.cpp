#include "data/QueryWatch.h"

#include "data/Database.h"

#include <QSqlDriver>
#include <sqlite3.h>

namespace {

sqlite3 *handleOf(Database &database)
{
    const QVariant handle = database.connection().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

}  // namespace

QueryWatch::QueryWatch(Database &database, std::function<bool()> keepGoing)
    : m_connection(handleOf(database))
    , m_keepGoing(std::move(keepGoing))
{
    if (m_connection)
        sqlite3_progress_handler(static_cast<sqlite3 *>(m_connection), 1000, &QueryWatch::check,
                                 this);
}

QueryWatch::~QueryWatch()
{
    if (m_connection)
        sqlite3_progress_handler(static_cast<sqlite3 *>(m_connection), 0, nullptr, nullptr);
}

int QueryWatch::check(void *watch)
{
    auto *self = static_cast<QueryWatch *>(watch);
    if (!self->m_stopped && !self->m_keepGoing())
        self->m_stopped = true;
    return self->m_stopped ? 1 : 0;  // non-zero interrupts the statement
}
