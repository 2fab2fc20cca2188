#include "data/Schema.h"

#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/FormColumns.h"
#include "data/SchemaSql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <functional>

const FieldSpec *TableSpec::field(const QString &fieldName) const
{
    for (const FieldSpec &f : fields) {
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

namespace {

constexpr int kLongTextLength = 1048576;

FieldSpec text(const char *name, int length)
{
    return {QString::fromLatin1(name), FieldKind::Text, length};
}
FieldSpec longText(const char *name)
{
    return {QString::fromLatin1(name), FieldKind::LongText, kLongTextLength};
}
FieldSpec yesNo(const char *name)
{
    return {QString::fromLatin1(name), FieldKind::YesNo, 0};
}
FieldSpec number(const char *name)
{
    return {QString::fromLatin1(name), FieldKind::Number, 0};
}
FieldSpec addedLater(FieldSpec field)
{
    field.addedLater = true;
    return field;
}

}  // namespace

namespace Schema {

const TableSpec &setupTable()
{
    // The FAA's mailing addresses, the logbook entry's template and the checklist before
    // printing (Null: the defaults, see FaaAddresses, LogbookEntry, PrintHandlers) came with a
    // later version.
    static const TableSpec definition{
        "Setup",
        {text("DataPath", 1024), number("TopShift"), addedLater(text("FaaAddress", 255)),
         addedLater(text("FaaFuelTankAddress", 255)), addedLater(text("LogbookTemplate", 4000)),
         addedLater(yesNo("PrintChecklist"))}};
    return definition;
}

const TableSpec &formTable()
{
    static const TableSpec definition{QStringLiteral("Form"),
                                      {
#define FORM337_COLUMN_SPEC(name, kind, length) \
    FieldSpec{FormColumn::name, FieldKind::kind, length},
#define FORM337_ADDED_COLUMN_SPEC(name, kind, length) \
    FieldSpec{FormColumn::name, FieldKind::kind, length, true},
                                          FORM337_FORM_COLUMNS(FORM337_COLUMN_SPEC)
                                              FORM337_FORM_COLUMNS_ADDED(FORM337_ADDED_COLUMN_SPEC)
#undef FORM337_ADDED_COLUMN_SPEC
#undef FORM337_COLUMN_SPEC
                                      }};
    return definition;
}

const TableSpec &aircraftTable()
{
    static const TableSpec definition{"aircraft", {text("Make", 40), text("Model", 40)}};
    return definition;
}

const TableSpec &agencyTable()
{
    // City + ", " + state and zip + " " + country fill the form's agency lines (100 each).
    static const TableSpec definition{"Agency",
                                      {text("AgencyName", 100), text("AgencyAdd1", 100),
                                       text("AgencyAdd2", 58), text("AgencyAdd3", 40),
                                       text("AgencyCert", 30), text("Rating2", 50),
                                       text("Rating1", 20), number("AgencyKind")}};
    return definition;
}

const TableSpec &narrativesTable()
{
    static const TableSpec definition{"Narratives", {text("Title", 255), longText("Description")}};
    return definition;
}

const TableSpec &agentsTable()
{
    static const TableSpec definition{"Agents",
                                      {text("Name", 50), text("Password", 20),
                                       text("ApprovalNumber", 30), yesNo("Administrator")}};
    return definition;
}

const TableSpec &defaultsTable()
{
    static const TableSpec definition{"Defaults", {text("Organ1", 20)}};
    return definition;
}

const TableSpec *table(const QString &name)
{
    for (const TableSpec *definition :
         {&setupTable(), &formTable(), &aircraftTable(), &agencyTable(), &narrativesTable(),
          &agentsTable(), &defaultsTable()}) {
        if (definition->name.compare(name, Qt::CaseInsensitive) == 0)
            return definition;
    }
    return nullptr;
}

QList<const TableSpec *> settingsFileTables()
{
    return {&setupTable()};
}

QList<const TableSpec *> formsFileTables()
{
    return {&formTable(), &aircraftTable(), &agencyTable(), &narrativesTable()};
}

QList<const TableSpec *> agentsFileTables()
{
    return {&agentsTable(), &defaultsTable()};
}

namespace {

void runOrThrow(QSqlQuery &query, const QString &sql, const QVariantList &params = {})
{
    if (!query.prepare(sql))
        throwEngineError(query.lastError(), sql, QString());
    for (const QVariant &p : params)
        query.addBindValue(p);
    if (!query.exec())
        throwEngineError(query.lastError(), sql, QString());
}

// Builds the file under a temporary name beside the target and renames it into
// place at the end, so a failure never leaves a half-made file under the real name
// and an existing file is never replaced.
void createFile(const QString &path, const QList<const TableSpec *> &tables,
                const std::function<void(QSqlQuery &)> &fillRecords)
{
    const QFileInfo target(path);
    if (!target.dir().exists())
        throw DbError(EngineError::InvalidPath, QStringLiteral("Not a valid path: %1").arg(path));
    if (QFileInfo::exists(DataFolder::resolvePath(path)))
        throw DbError(EngineError::ObjectExists,
                      QStringLiteral("The file already exists: %1").arg(path));

    const QString temporary = target.dir().filePath(
        QStringLiteral(".%1.%2.new")
            .arg(target.fileName(), QUuid::createUuid().toString(QUuid::WithoutBraces)));
    const QString connectionName
        = QStringLiteral("form337-create-%1").arg(QUuid::createUuid().toString());
    try {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
            db.setDatabaseName(temporary);
            if (!db.open())
                throwEngineError(db.lastError(), QString(), temporary);
            // The file is made with its final permissions before anything is written to it.
            QFile::setPermissions(temporary, DataFolder::newFilePermissions(target.path()));
            QSqlQuery query(db);
            runOrThrow(query, QStringLiteral("BEGIN"));
            for (const TableSpec *definition : tables) {
                for (const QString &statement : SchemaSql::createStatements(*definition))
                    runOrThrow(query, statement);
            }
            fillRecords(query);
            runOrThrow(query, QStringLiteral("COMMIT"));
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(connectionName);
    } catch (const DbError &error) {
        QSqlDatabase::removeDatabase(connectionName);
        QFile::remove(temporary);
        // Named by the file it was to become, not the temporary one.
        DbError failure(error.number(), QStringLiteral("%1 (while creating \"%2\")")
                                            .arg(error.message(), QDir::toNativeSeparators(path)));
        failure.setFile(path);
        throw failure;
    } catch (...) {
        QSqlDatabase::removeDatabase(connectionName);
        QFile::remove(temporary);
        throw;
    }
    // rename() never overwrites: a file that appeared meanwhile is kept.
    if (!QFile::rename(temporary, path)) {
        QFile::remove(temporary);
        throw DbError(EngineError::GeneralFailure, QStringLiteral("Could not create %1").arg(path));
    }
}

}  // namespace

void createSettingsFile(const QString &path)
{
    createFile(path, settingsFileTables(), [](QSqlQuery &query) {
        runOrThrow(
            query,
            QStringLiteral("INSERT INTO \"Setup\" (\"DataPath\", \"TopShift\") VALUES (NULL, 0)"));
    });
}

void createFormsFile(const QString &path)
{
    createFile(path, formsFileTables(), [](QSqlQuery &) {});
}

void createAgentsFile(const QString &path)
{
    createFile(path, agentsFileTables(), [](QSqlQuery &query) {
        runOrThrow(query, QStringLiteral("INSERT INTO \"Defaults\" (\"Organ1\") VALUES (?)"),
                   {QStringLiteral("1")});
    });
}

}  // namespace Schema
