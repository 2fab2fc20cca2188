#include "data/PostgresSchema.h"

#include "data/DbError.h"
#include "data/PostgresErrors.h"
#include "data/PostgresSchemaSql.h"
#include "data/SchemaSql.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace PostgresSchema {

namespace {

// Runs a statement without bound values (the server prepares no CREATE statements).
void run(QSqlQuery &query, const QString &sql)
{
    if (!query.exec(sql))
        throw DbError(PostgresErrors::engineNumber(query.lastError()),
                      query.lastError().databaseText().isEmpty()
                          ? query.lastError().text()
                          : query.lastError().databaseText());
}

QVariant firstValue(QSqlQuery &query, const QString &sql)
{
    run(query, sql);
    return query.next() ? query.value(0) : QVariant();
}

}  // namespace

void initialize(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    const QString encoding = firstValue(query, QStringLiteral("SHOW server_encoding")).toString();
    if (encoding != QLatin1String("UTF8"))
        throw DbError(EngineError::UnrecognizedFormat,
                      QStringLiteral("The server database \"%1\" stores text as %2; the "
                                     "program needs a database created with ENCODING 'UTF8'.")
                          .arg(db.databaseName(), encoding));
    run(query, QStringLiteral("BEGIN"));
    try {
        for (const QString &statement : PostgresSchemaSql::newDatabaseStatements())
            run(query, statement);
        run(query, QStringLiteral("COMMIT"));
    } catch (const DbError &) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

int version(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    const QString table = SchemaSql::quoted(QLatin1String(PostgresSchemaSql::kVersionTable));
    // to_regclass gives Null, not an error, for a table that is not there.
    const bool recorded
        = firstValue(query, QStringLiteral("SELECT to_regclass('%1') IS NOT NULL").arg(table))
              .toBool();
    if (!recorded)
        return 0;
    const QString field = SchemaSql::quoted(QLatin1String(PostgresSchemaSql::kVersionField));
    return firstValue(query, QStringLiteral("SELECT max(%1) FROM %2").arg(field, table)).toInt();
}

void checkVersion(const QSqlDatabase &db)
{
    const int found = version(db);
    if (found == PostgresSchemaSql::kSchemaVersion)
        return;
    throw DbError(EngineError::UnrecognizedFormat,
                  found == 0 ? QStringLiteral("The server database \"%1\" holds no tables of "
                                              "this program (made with --init-server).")
                                   .arg(db.databaseName())
                             : QStringLiteral("The server database \"%1\" holds the tables of "
                                              "version %2; this program reads version %3.")
                                   .arg(db.databaseName())
                                   .arg(found)
                                   .arg(PostgresSchemaSql::kSchemaVersion));
}

}  // namespace PostgresSchema
