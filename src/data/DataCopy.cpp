#include "data/DataCopy.h"

#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/PostgresSchemaSql.h"
#include "data/Schema.h"
#include "data/SchemaSql.h"

#include <QDir>
#include <QFileInfo>
#include <memory>

namespace DataCopy {

namespace {

// The inspectors' file, attached to the forms file's connection of a target folder.
const QString kAgentsSchema = QStringLiteral("copy_agents");

bool isAgentsTable(const TableSpec *definition)
{
    return Schema::agentsFileTables().contains(definition);
}

// The tables of a data folder or a server database, opened as the program opens them.
class Place
{
public:
    Place(const QString &place, bool target)
        : m_onServer(Database::isServerAddress(place))
    {
        if (m_onServer) {
            m_forms = Database::open(place, PostgresSchemaSql::serverTables());
            m_agents = m_forms;
            return;
        }
        if (!QFileInfo(place).isDir())
            throw DbError(EngineError::InvalidPath,
                          QStringLiteral("'%1' is not a data folder.").arg(place));
        const QString formsPath = DataFolder::resolve(place, QLatin1String(Schema::kFormsFile));
        const QString agentsPath = DataFolder::resolve(place, QLatin1String(Schema::kAgentsFile));
        if (target) {
            // A new data folder gets its files; the source is never written, so it is
            // opened without the tables, which would give an older file its new parts.
            if (!QFileInfo::exists(formsPath))
                Schema::createFormsFile(formsPath);
            if (!QFileInfo::exists(agentsPath))
                Schema::createAgentsFile(agentsPath);
            m_forms = Database::open(formsPath, Schema::formsFileTables());
            m_agents = Database::open(agentsPath, Schema::agentsFileTables());
        } else {
            m_forms = Database::open(formsPath);
            m_agents = Database::open(agentsPath);
        }
    }

    bool onServer() const { return m_onServer; }
    Database &forms() { return *m_forms; }
    Database &databaseOf(const TableSpec *definition)
    {
        return isAgentsTable(definition) ? *m_agents : *m_forms;
    }
    // The table as the forms file's connection names it (target folders attach the
    // inspectors' file to it).
    QString nameOf(const TableSpec *definition) const
    {
        const QString table = SchemaSql::quoted(definition->name);
        return !m_onServer && isAgentsTable(definition) ? kAgentsSchema + u'.' + table : table;
    }
    QString agentsPath() const { return m_agents->path(); }

private:
    bool m_onServer;
    std::shared_ptr<Database> m_forms;
    std::shared_ptr<Database> m_agents;
};

// The columns of the table that the source holds: a file of an earlier version may lack
// later fields (copied as Null) or the change counter (the target's starts at 0).
QStringList sourceColumns(Database &source, const TableSpec *definition, bool counts)
{
    QStringList columns{QLatin1String(SchemaSql::kRecordId)};
    for (const FieldSpec &field : definition->fields) {
        if (source.hasField(definition->name, field.name))
            columns << field.name;
    }
    if (counts && source.countsChanges(definition->name))
        columns << QLatin1String(SchemaSql::kChangeCount);
    return columns;
}

int countOf(Database &db, const QString &table)
{
    return db.value(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
}

void copyTable(Place &source, Place &target, const TableSpec *definition)
{
    Database &from = source.databaseOf(definition);
    Database &to = target.forms();
    const QString targetTable = target.nameOf(definition);

    // A new database holds the Defaults record of a new inspectors' file: the source's
    // take its place. Any other record means the target is in use.
    if (definition->name == QLatin1String("Defaults"))
        to.execute(QStringLiteral("DELETE FROM %1").arg(targetTable));
    const int already = countOf(to, targetTable);
    if (already > 0)
        throw DbError(EngineError::ObjectExists,
                      QStringLiteral("The target already holds %1 records in the table %2; the "
                                     "data is copied only into new tables.")
                          .arg(already)
                          .arg(definition->name));

    const QStringList columns
        = sourceColumns(from, definition, SchemaSql::countsChanges(*definition));
    QStringList quoted, marks;
    for (const QString &column : columns) {
        quoted << SchemaSql::quoted(column);
        marks << QStringLiteral("?");
    }
    const QString list = quoted.join(QStringLiteral(", "));
    // The server gives keys itself unless told to keep the ones given.
    const QString insert
        = QStringLiteral("INSERT INTO %1 (%2)%3 VALUES (%4)")
              .arg(targetTable, list,
                   target.onServer() ? QStringLiteral(" OVERRIDING SYSTEM VALUE") : QString(),
                   marks.join(QStringLiteral(", ")));
    int copied = 0;
    from.forEachRow(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                        .arg(list, SchemaSql::quoted(definition->name),
                             SchemaSql::quoted(QLatin1String(SchemaSql::kRecordId))),
                    {}, [&](const QVariantList &row) {
                        to.execute(insert, row);
                        ++copied;
                    });
    if (target.onServer())  // the next key given follows the copied ones
        to.value(QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), max(%1)) FROM %2")
                     .arg(SchemaSql::quoted(QLatin1String(SchemaSql::kRecordId)), targetTable),
                 {targetTable, QLatin1String(SchemaSql::kRecordId)});

    const int stored = countOf(to, targetTable);
    const int read = countOf(from, SchemaSql::quoted(definition->name));
    if (stored != copied || stored != read)
        throw DbError(EngineError::GeneralFailure,
                      QStringLiteral("The table %1 holds %2 records after the copy, the source "
                                     "%3; nothing was copied.")
                          .arg(definition->name)
                          .arg(stored)
                          .arg(read));
}

}  // namespace

QList<TableCount> copy(const QString &from, const QString &to)
{
    Place source(from, false);
    Place target(to, true);

    // A target folder's two files change in one transaction: the inspectors' file is
    // attached to the forms file's connection, so both commit together or neither.
    Database &db = target.forms();
    if (!target.onServer())
        db.attach(target.agentsPath(), kAgentsSchema);
    struct Detach
    {
        Database *db;
        ~Detach()
        {
            if (db)  // a detach that fails leaves the file attached to this connection only
                skipFailingStep(
                    [&] { db->execute(QStringLiteral("DETACH DATABASE %1").arg(kAgentsSchema)); });
        }
    } detach{target.onServer() ? nullptr : &db};

    QList<TableCount> counts;
    db.beginTransaction();
    try {
        for (const TableSpec *definition : PostgresSchemaSql::serverTables()) {
            copyTable(source, target, definition);
            counts << TableCount{definition->name, countOf(db, target.nameOf(definition))};
        }
        db.commit();
    } catch (...) {
        // Nothing was copied; a rollback that fails too must not hide the first failure.
        skipFailingStep([&] { db.rollback(); });
        throw;
    }
    return counts;
}

}  // namespace DataCopy
