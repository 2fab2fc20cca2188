#include "data/ServerCommand.h"

#include "data/DataCopy.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/PostgresSchema.h"
#include "data/PostgresSchemaSql.h"
#include "data/ServerAddress.h"

#include <QSqlDatabase>
#include <cstdio>

namespace {

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void makeTables(const ServerAddress &address)
{
    const QString connection = QStringLiteral("form337-init-server");
    try {
        {
            QSqlDatabase db = address.open(connection);
            PostgresSchema::initialize(db);
            db.close();
        }
        QSqlDatabase::removeDatabase(connection);
    } catch (...) {
        QSqlDatabase::removeDatabase(connection);
        throw;
    }
}

}  // namespace

int runInitServerCommand(const QString &text)
{
    QString why;
    const std::optional<ServerAddress> address = ServerAddress::fromUri(text, &why);
    if (!address) {
        print(stderr, QStringLiteral("--init-server: %1.\n").arg(why));
        return 1;
    }
    try {
        makeTables(*address);
        // Opened as every workstation will open it.
        Database::open(address->toUri(), PostgresSchemaSql::serverTables());
    } catch (const DbError &error) {
        const QString hint = error.number() == EngineError::ObjectExists
                                 ? QStringLiteral(" The database already holds tables; "
                                                  "--init-server needs an empty one.")
                                 : QString();
        print(stderr, QStringLiteral("The server database %1 was not set up: %2%3\n")
                          .arg(address->displayName(), error.message(), hint));
        return 1;
    }
    print(stdout, QStringLiteral("The server database %1 holds the program's tables (version "
                                 "%2); the workstations can now use it.\n")
                      .arg(address->displayName())
                      .arg(PostgresSchemaSql::kSchemaVersion));
    return 0;
}

int runCopyDataCommand(const QString &from, const QString &to)
{
    QList<DataCopy::TableCount> counts;
    try {
        counts = DataCopy::copy(from, to);
    } catch (const DbError &error) {
        print(stderr, QStringLiteral("Nothing was copied: %1\n").arg(error.message()));
        return 1;
    }
    QString report = QStringLiteral("Copied:\n");
    for (const DataCopy::TableCount &count : std::as_const(counts))
        report += QStringLiteral("  %1 %2\n").arg(count.table, -12).arg(count.records);
    print(stdout, report);
    return 0;
}
