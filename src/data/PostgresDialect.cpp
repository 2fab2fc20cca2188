#include "data/PostgresDialect.h"

#include "data/PostgresSchemaSql.h"
#include "data/Schema.h"
#include "data/SchemaSql.h"

#include <QHash>
#include <QMutex>
#include <QSet>

namespace PostgresDialect {

namespace {

// The schema's names by their lower-case form.
const QHash<QString, QString> &schemaNames()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> all;
        const auto add = [&all](const QString &name) {
            all.insert(name.toLower(), name);
        };
        for (const TableSpec *definition : PostgresSchemaSql::serverTables()) {
            add(definition->name);
            for (const FieldSpec &field : definition->fields)
                add(field.name);
        }
        add(QLatin1String(SchemaSql::kRecordId));
        add(QLatin1String(SchemaSql::kChangeCount));
        add(QLatin1String(PostgresSchemaSql::kVersionTable));
        add(QLatin1String(PostgresSchemaSql::kVersionField));
        return all;
    }();
    return names;
}

// Words the statements use as keywords, never taken for a name even where a field is
// spelled alike.
bool isKeyword(const QString &lower)
{
    static const QSet<QString> keywords{
        "select",     "from",   "where",  "and",     "or",       "not",    "null",     "is",
        "as",         "on",     "in",     "like",    "escape",   "order",  "by",       "asc",
        "desc",       "group",  "having", "limit",   "offset",   "insert", "into",     "values",
        "update",     "set",    "delete", "default", "distinct", "all",    "union",    "case",
        "when",       "then",   "else",   "end",     "cast",     "text",   "true",     "false",
        "create",     "view",   "drop",   "table",   "begin",    "commit", "rollback", "returning",
        "overriding", "system", "value",  "exists",  "between",  "join",   "with"};
    return keywords.contains(lower);
}

bool startsName(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool continuesName(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// A name found in the statement, written as the server reads it.
QString written(const QString &name)
{
    const QString lower = name.toLower();
    const auto known = schemaNames().constFind(lower);
    return SchemaSql::quoted(known != schemaNames().constEnd() ? *known : lower);
}

QString translate(const QString &sql)
{
    QString out;
    out.reserve(sql.size() + 32);
    const qsizetype n = sql.size();
    QString lastWord;  // in lower case
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql[i];
        if (c == u'\'') {  // a text literal, '' standing for a quote inside it
            qsizetype end = i + 1;
            while (end < n && !(sql[end] == u'\'' && !(end + 1 < n && sql[end + 1] == u'\'')))
                end += sql[end] == u'\'' ? 2 : 1;
            out += sql.mid(i, end + 1 - i);
            i = end + 1;
        } else if (c == u'"' || c == u'[') {  // a quoted name
            const QChar close = c == u'"' ? u'"' : u']';
            const qsizetype end = sql.indexOf(close, i + 1);
            if (end < 0) {
                out += sql.mid(i);
                break;
            }
            // A collation is named as it is ("C" is no table or field).
            if (lastWord == QLatin1String("collate"))
                out += QLatin1Char('"') + sql.mid(i + 1, end - i - 1) + QLatin1Char('"');
            else
                out += written(sql.mid(i + 1, end - i - 1));
            lastWord.clear();
            i = end + 1;
        } else if (startsName(c)) {
            qsizetype end = i + 1;
            while (end < n && continuesName(sql[end]))
                ++end;
            const QString word = sql.mid(i, end - i);
            const QString lower = word.toLower();
            lastWord = lower;
            // A known name is quoted (a table before its field list too); other words
            // (keywords, functions, aliases) are left to the server, which folds them itself.
            if (!isKeyword(lower) && schemaNames().contains(lower))
                out += written(word);
            else
                out += word;
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace

QString fromFileSql(const QString &sql)
{
    // The program runs a few dozen different statements again and again.
    static QMutex mutex;
    static QHash<QString, QString> translated;
    QMutexLocker lock(&mutex);
    auto found = translated.constFind(sql);
    if (found != translated.constEnd())
        return *found;
    const QString result = translate(sql);
    if (translated.size() < 1000)
        translated.insert(sql, result);
    return result;
}

}  // namespace PostgresDialect
