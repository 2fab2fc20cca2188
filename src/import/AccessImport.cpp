#include "import/AccessImport.h"

#include "data/DataFolder.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "data/EngineValues.h"
#include "data/Schema.h"
#include "data/SchemaSql.h"
#include "import/AccessFile.h"
#include "import/ImportError.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <memory>

namespace AccessImport {

namespace {

const QString kForms = QString::fromLatin1(Schema::kFormsFile);
const QString kAgents = QString::fromLatin1(Schema::kAgentsFile);
const QString kAgentsSchema
    = QStringLiteral("import_agents");  // the agents file, attached to the forms file

QString native(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QString longDate(const QVariant &v)
{
    if (v.isNull() || !v.toDate().isValid())
        return QObject::tr("no date");
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(v.toDate(), QStringLiteral("MMMM d, yyyy"));
}

// One table of the old files, its values converted to this program's fields (in the
// order of the table's FieldSpec list).
struct OldTable
{
    const TableSpec *definition = nullptr;
    QString file;  // the old file's name as found in the folder
    QList<QVariantList> rows;
};

// The field values as this program stores them; a value that cannot be one is a problem.
QVariant convert(const FieldSpec &field, const QVariant &value, bool *ok)
{
    *ok = true;
    if (value.isNull())
        return QVariant();
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::LongText: {
        QString text = value.typeId() == QMetaType::QDate ? value.toDate().toString(Qt::ISODate)
                                                          : value.toString();
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        return text;
    }
    case FieldKind::YesNo: {
        if (value.typeId() == QMetaType::QString) {
            const QString t = value.toString().trimmed().toLower();
            if (t == QLatin1String("true") || t == QLatin1String("yes") || t == QLatin1String("-1")
                || t == QLatin1String("1"))
                return -1;
            if (t == QLatin1String("false") || t == QLatin1String("no") || t == QLatin1String("0")
                || t.isEmpty())
                return 0;
            *ok = false;
            return QVariant();
        }
        return value.toDouble() != 0.0 ? -1 : 0;
    }
    case FieldKind::Number: {
        bool isNumber = false;
        const double number = value.toDouble(&isNumber);
        if (!isNumber) {
            *ok = false;
            return QVariant();
        }
        if (number == double(qint64(number)) && std::abs(number) < 2147483648.0)
            return int(number);
        return number;
    }
    case FieldKind::Date: {
        if (value.typeId() == QMetaType::QDate)
            return value;
        const QDate date = QDate::fromString(value.toString().left(10), Qt::ISODate);
        if (!date.isValid()) {
            *ok = false;
            return QVariant();
        }
        return date;
    }
    }
    return value;
}

// How a record is named in the summary: forms by registration mark and date.
QString describeRecord(const TableSpec &definition, const QVariantList &row, int index)
{
    auto valueOf = [&](const char *name) {
        for (int i = 0; i < definition.fields.size(); ++i) {
            if (definition.fields[i].name == QLatin1String(name))
                return row.value(i);
        }
        return QVariant();
    };
    auto quoted = [](const QVariant &v) {
        return v.isNull() ? QObject::tr("(none)")
                          : QStringLiteral("\"%1\"").arg(v.toString().left(60));
    };
    const QString position = QObject::tr("record %1 of the table").arg(index + 1);
    if (definition.name == QLatin1String("Form"))
        return QObject::tr("the form of registration mark %1 dated %2 (%3)")
            .arg(quoted(valueOf("RegNum")), longDate(valueOf("FormDate")), position);
    if (definition.name == QLatin1String("aircraft"))
        return QObject::tr("the aircraft %1 %2 (%3)")
            .arg(quoted(valueOf("Make")), quoted(valueOf("Model")), position);
    if (definition.name == QLatin1String("Agency"))
        return QObject::tr("the agency %1 (%2)").arg(quoted(valueOf("AgencyName")), position);
    if (definition.name == QLatin1String("Narratives"))
        return QObject::tr("the narrative titled %1 (%2)").arg(quoted(valueOf("Title")), position);
    if (definition.name == QLatin1String("Agents"))
        return QObject::tr("the inspector %1 (%2)").arg(quoted(valueOf("Name")), position);
    return position;
}

// A prepared statement on the forms file's connection, run once per record.
class Statement
{
public:
    Statement(const QSqlDatabase &db, const QString &sql)
        : m_query(db)
        , m_sql(sql)
        , m_file(db.databaseName())
    {
        m_query.setForwardOnly(true);
        if (!m_query.prepare(sql))
            throwEngineError(m_query.lastError(), sql, m_file);
    }
    QSqlQuery &run(const QVariantList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            m_query.bindValue(i, EngineValues::toBound(values[i]));
        if (!m_query.exec())
            throwEngineError(m_query.lastError(), m_sql, m_file);
        return m_query;
    }
    QVariant single(const QVariantList &values)
    {
        QSqlQuery &q = run(values);
        const QVariant v = q.next() ? q.value(0) : QVariant();
        q.finish();
        return v;
    }

private:
    QSqlQuery m_query;
    QString m_sql;
    QString m_file;
};

QString columnList(const TableSpec &definition)
{
    QStringList names;
    for (const FieldSpec &f : definition.fields)
        names << SchemaSql::quoted(f.name);
    return names.join(QStringLiteral(", "));
}

QString insertSql(const QString &schema, const TableSpec &definition)
{
    QStringList marks;
    for (int i = 0; i < definition.fields.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1.%2 (%3) VALUES (%4)")
        .arg(schema, SchemaSql::quoted(definition.name), columnList(definition),
             marks.join(QStringLiteral(", ")));
}

// A key that tells identical records apart from different ones (type and value of every field).
QByteArray fingerprint(const QVariantList &row)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QVariant &v : row) {
        if (v.isNull()) {
            hash.addData(QByteArrayView("\x00N", 2));
            continue;
        }
        const QByteArray bytes = EngineValues::toBound(v).toString().toUtf8();
        const qint64 size = bytes.size();
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(&size), sizeof size));
        hash.addData(bytes);
    }
    return hash.result();
}

class Importer
{
public:
    Importer(const QString &source, const QString &target, const ProgressFunction &progress)
        : m_source(source)
        , m_target(target)
        , m_progress(progress)
    {
        m_summary.sourceFolder = QDir::cleanPath(source);
        m_summary.targetFolder = QDir::cleanPath(target);
        for (const TableSpec *definition : Schema::formsFileTables() + Schema::agentsFileTables())
            m_summary.counts(definition->name);
    }

    ImportSummary run()
    {
        QElapsedTimer timer;
        timer.start();
        try {
            checkFolders();
            readOldFiles();
            if (!checkValues()) {
                m_summary.outcome = ImportSummary::Outcome::Failed;
            } else {
                writeTarget();
                m_summary.outcome = ImportSummary::Outcome::Imported;
            }
        } catch (const ImportCancelled &) {
            m_summary.outcome = ImportSummary::Outcome::Cancelled;
            m_summary.problems << QObject::tr(
                "The import was cancelled before anything was written.");
        } catch (const ImportError &error) {
            m_summary.outcome = ImportSummary::Outcome::Failed;
            m_summary.problems << error.message();
        } catch (const DbError &error) {
            m_summary.outcome = ImportSummary::Outcome::Failed;
            m_summary.problems << QObject::tr("The data files in \"%1\" could not be written: %2")
                                      .arg(native(m_target), error.message());
        } catch (const std::exception &error) {
            m_summary.outcome = ImportSummary::Outcome::Failed;
            m_summary.problems
                << QObject::tr("The import stopped: %1").arg(QString::fromLocal8Bit(error.what()));
        }
        if (!m_summary.committed())
            undoTarget();
        m_summary.milliseconds = timer.elapsed();
        writeReport();
        return m_summary;
    }

private:
    // --- the folders ---

    void checkFolders()
    {
        const QFileInfo source(m_source);
        if (m_source.trimmed().isEmpty() || !source.isDir())
            throw ImportError(
                QObject::tr("The folder \"%1\" was not found.").arg(native(m_source)));
        if (m_target.trimmed().isEmpty())
            throw ImportError(QObject::tr("No folder was given for this program's data files."));
        const QFileInfo target(m_target);
        if (target.exists() && !target.isDir())
            throw ImportError(QObject::tr("\"%1\" is a file, not a folder.").arg(native(m_target)));
        if (target.exists() && source.canonicalFilePath() == target.canonicalFilePath())
            throw ImportError(
                QObject::tr(
                    "The old files are in \"%1\", and this program's data files carry the same "
                    "names. Choose another folder for this program's data files; the old files "
                    "are never overwritten.")
                    .arg(native(m_source)));
        if (holdsAccessDataFiles(m_target))
            throw ImportError(
                QObject::tr("The folder \"%1\" holds Access files of the old program, and this "
                            "program's data files carry the same names. Choose another folder for "
                            "this program's data files; the old files are never overwritten.")
                    .arg(native(m_target)));
    }

    // --- reading ---

    void report(const QString &stage)
    {
        if (m_progress && !m_progress(Progress{stage, m_done, m_total}))
            throw ImportCancelled();
    }

    QString oldFile(const QString &name, bool required)
    {
        const QString path = DataFolder::resolve(m_source, name);
        if (!QFileInfo::exists(path) && required)
            throw ImportError(
                QObject::tr(
                    "The folder \"%1\" has no file \"%2\": the old program keeps its data in "
                    "\"%3\" and \"%4\", and both are needed.")
                    .arg(native(m_source), name, kForms, kAgents));
        return path;
    }

    void readOldFiles()
    {
        // Both files are opened (and their headers checked) before anything is read,
        // so that a missing or damaged file is told before any work is done.
        const AccessFile forms(oldFile(kForms, true));
        const AccessFile agents(oldFile(kAgents, true));
        m_summary.notes << QObject::tr("Read \"%1\" (%2) and \"%3\" (%4).")
                               .arg(QFileInfo(forms.path()).fileName(), forms.formatName(),
                                    QFileInfo(agents.path()).fileName(), agents.formatName());

        QList<QPair<const AccessFile *, const TableSpec *>> plan;
        for (const TableSpec *definition : Schema::formsFileTables())
            plan << qMakePair(&forms, definition);
        for (const TableSpec *definition : Schema::agentsFileTables())
            plan << qMakePair(&agents, definition);
        for (const auto &[file, definition] : plan) {
            if (!file->hasTable(definition->name))
                throw ImportError(
                    QObject::tr("The file \"%1\" has no table %2: it is not a data file of the old "
                                "program.")
                        .arg(file->fileName(), definition->name));
            m_total += 2 * qint64(file->declaredRowCount(definition->name));
        }
        report(QObject::tr("Reading the old files"));

        for (const auto &[file, definition] : plan)
            readTable(*file, *definition);
        readOldSettings();
    }

    void readTable(const AccessFile &file, const TableSpec &definition)
    {
        const QString stage = QObject::tr("Reading %1, table %2")
                                  .arg(QFileInfo(file.path()).fileName(), definition.name);
        const AccessFile::Table table = file.readTable(definition.name, [&] {
            ++m_done;
            return !m_progress || m_progress(Progress{stage, m_done, m_total});
        });
        // Columns are matched by name without regard to case.
        QList<int> sourceColumn;
        for (const FieldSpec &field : definition.fields) {
            int found = -1;
            // The old program never had the fields of later versions: they start empty.
            if (field.addedLater) {
                sourceColumn << found;
                continue;
            }
            for (int c = 0; c < table.columns.size(); ++c) {
                if (table.columns[c].compare(field.name, Qt::CaseInsensitive) == 0)
                    found = c;
            }
            if (found < 0)
                m_summary.notes << QObject::tr(
                                       "%1, table %2 has no column %3: it is left empty (Null).")
                                       .arg(QFileInfo(file.path()).fileName(), definition.name,
                                            field.name);
            sourceColumn << found;
        }
        for (const QString &column : table.columns) {
            if (!definition.field(column))
                m_summary.notes
                    << QObject::tr(
                           "%1, table %2: the column %3 is not part of this program's table and "
                           "was not imported.")
                           .arg(QFileInfo(file.path()).fileName(), definition.name, column);
        }

        OldTable old;
        old.definition = &definition;
        old.file = QFileInfo(file.path()).fileName();
        old.rows.reserve(table.rows.size());
        for (int r = 0; r < table.rows.size(); ++r) {
            QVariantList row;
            row.reserve(definition.fields.size());
            QStringList invalid;
            for (int f = 0; f < definition.fields.size(); ++f) {
                const int c = sourceColumn[f];
                const QVariant raw = c >= 0 ? table.rows[r].value(c) : QVariant();
                bool ok = true;
                row << convert(definition.fields[f], raw, &ok);
                if (!ok)
                    invalid << QObject::tr(
                                   "the field %1 holds \"%2\", which is not a valid value for it")
                                   .arg(definition.fields[f].name, raw.toString().left(60));
            }
            if (!invalid.isEmpty())
                m_conversionProblems
                    << qMakePair(definition.name, QObject::tr("%1, table %2, %3: %4.")
                                                      .arg(old.file, definition.name,
                                                           describeRecord(definition, row, r),
                                                           invalid.join(QStringLiteral("; "))));
            old.rows << row;
        }
        m_summary.counts(definition.name).read = int(old.rows.size());
        m_old.insert(definition.name, old);
    }

    void readOldSettings()
    {
        const QString path = oldFile(QString::fromLatin1(kOldSettingsFile), false);
        if (!QFileInfo::exists(path)) {
            m_summary.notes
                << QObject::tr(
                       "The folder has no \"%1\" (the old program's settings); the data files "
                       "were imported without it.")
                       .arg(QString::fromLatin1(kOldSettingsFile));
            return;
        }
        try {
            const AccessFile settings(path);
            const AccessFile::Table setup = settings.readTable(QStringLiteral("Setup"));
            const int dataPath = setup.columns.indexOf(QRegularExpression(
                QStringLiteral("^datapath$"), QRegularExpression::CaseInsensitiveOption));
            const int topShift = setup.columns.indexOf(QRegularExpression(
                QStringLiteral("^topshift$"), QRegularExpression::CaseInsensitiveOption));
            if (!setup.rows.isEmpty()) {
                const QVariant path
                    = dataPath >= 0 ? setup.rows.first().value(dataPath) : QVariant();
                m_summary.notes
                    << QObject::tr(
                           "The old settings (%1) named the data folder %2; that is a path of the "
                           "old Windows installation, shown here only and not used.")
                           .arg(QString::fromLatin1(kOldSettingsFile),
                                path.isNull() ? QObject::tr("(none)")
                                              : QStringLiteral("\"%1\"").arg(path.toString()));
                if (topShift >= 0 && !setup.rows.first().value(topShift).isNull())
                    m_summary.notes
                        << QObject::tr(
                               "The old settings' vertical print shift (TopShift) was %1; this "
                               "program's settings keep their own.")
                               .arg(setup.rows.first().value(topShift).toString());
            }
        } catch (const ImportError &error) {
            m_summary.notes
                << QObject::tr(
                       "The old settings could not be read (%1); the data files were imported "
                       "without them.")
                       .arg(error.message());
        }
    }

    // --- checking: a value that does not fit stops the import before anything is written ---

    bool checkValues()
    {
        for (const auto &p : std::as_const(m_conversionProblems)) {
            m_summary.problems << p.second;
            ++m_summary.counts(p.first).refused;
        }
        for (const TableSpec *definition : Schema::formsFileTables() + Schema::agentsFileTables()) {
            const OldTable &old = m_old[definition->name];
            for (int r = 0; r < old.rows.size(); ++r) {
                bool refused = false;
                for (int f = 0; f < definition->fields.size(); ++f) {
                    const FieldSpec &field = definition->fields[f];
                    const QVariant &v = old.rows[r][f];
                    if ((field.kind != FieldKind::Text && field.kind != FieldKind::LongText)
                        || v.isNull())
                        continue;
                    const qsizetype length = v.toString().size();
                    if (length <= field.maxLength)
                        continue;
                    m_summary.problems
                        << QObject::tr(
                               "%1, table %2, %3: the field %4 holds %5 characters, but this "
                               "program's field takes %6. It was not cut: shorten it in the "
                               "old program (or in Access) and import again.")
                               .arg(old.file, definition->name,
                                    describeRecord(*definition, old.rows[r], r), field.name)
                               .arg(length)
                               .arg(field.maxLength);
                    refused = true;
                }
                if (refused)
                    ++m_summary.counts(definition->name).refused;
            }
        }
        if (m_summary.problems.isEmpty())
            return true;
        m_summary.problems.prepend(
            QObject::tr("Some values do not fit this program's fields, so nothing was "
                        "imported."));
        return false;
    }

    // --- writing ---

    void prepareTargetFolder()
    {
        QDir dir(QDir::cleanPath(m_target));
        QStringList missing;
        QString walk = QDir::cleanPath(m_target);
        while (!QFileInfo(walk).exists()) {
            missing.prepend(walk);
            const QString parent = QFileInfo(walk).path();
            if (parent == walk)
                break;
            walk = parent;
        }
        for (const QString &folder : std::as_const(missing)) {
            if (!QDir().mkdir(folder))
                throw ImportError(
                    QObject::tr("The folder \"%1\" cannot be made.").arg(native(folder)));
            m_createdFolders.prepend(folder);
        }
    }

    QString prepareFile(const QString &name, void (*create)(const QString &))
    {
        const QString path = DataFolder::resolve(m_target, name);
        if (QFileInfo::exists(path))
            return path;
        create(path);
        m_createdFiles << path;
        return path;
    }

    void writeTarget()
    {
        report(QObject::tr("Opening the data files"));
        prepareTargetFolder();
        const QString formsPath = prepareFile(kForms, &Schema::createFormsFile);
        const QString agentsPath = prepareFile(kAgents, &Schema::createAgentsFile);

        std::shared_ptr<Database> forms;
        std::shared_ptr<Database> agents;
        try {
            forms = Database::open(formsPath, Schema::formsFileTables());
        } catch (const DbError &error) {
            throw ImportError(QObject::tr("The data file \"%1\" cannot be opened: %2")
                                  .arg(native(formsPath), error.message()));
        }
        try {
            agents = Database::open(agentsPath, Schema::agentsFileTables());
        } catch (const DbError &error) {
            throw ImportError(QObject::tr("The data file \"%1\" cannot be opened: %2")
                                  .arg(native(agentsPath), error.message()));
        }

        // Both files are changed in one transaction: the agents file is attached to the
        // forms file's connection, so the engine commits the two together or neither.
        forms->attach(agents->path(), kAgentsSchema);
        struct Detach
        {
            Database &db;
            // The import stands or fails before this; a detach that fails leaves the file
            // attached to this connection.
            ~Detach()
            {
                skipFailingStep(
                    [&] { db.execute(QStringLiteral("DETACH DATABASE %1").arg(kAgentsSchema)); });
            }
        } detach{*forms};

        forms->beginTransaction();
        try {
            const QSqlDatabase db = forms->connection();
            mergeForms(db);
            mergePairs(db);
            mergeAgency(db);
            mergeNarratives(db);
            // A data folder without inspectors is a new installation: it takes the old defaults.
            const bool newInstallation
                = Statement(db,
                            QStringLiteral("SELECT count(*) FROM %1.\"Agents\"").arg(kAgentsSchema))
                      .single({})
                      .toInt()
                  == 0;
            mergeAgents(db);
            mergeDefaults(db, newInstallation);
            report(QObject::tr("Saving"));
            forms->commit();
        } catch (...) {
            // Nothing was imported; a rollback that fails too must not hide the first failure.
            skipFailingStep([&] { forms->rollback(); });
            throw;
        }
    }

    void written(const QString &stage)
    {
        ++m_done;
        report(stage);
    }

    void mergeForms(const QSqlDatabase &db)
    {
        const TableSpec &definition = Schema::formTable();
        const OldTable &old = m_old[definition.name];
        ImportSummary::TableCounts &counts = m_summary.counts(definition.name);
        const QString stage = QObject::tr("Writing the forms");

        // A form counts as present when a form stored before this import has the same
        // value in every field (text compared exactly, case included).
        Statement lastBefore(db, QStringLiteral("SELECT coalesce(max(%1), 0) FROM main.\"Form\"")
                                     .arg(QLatin1String(SchemaSql::kRecordId)));
        const qint64 storedBefore = lastBefore.single({}).toLongLong();
        QStringList conditions{QStringLiteral("%1 <= ?").arg(QLatin1String(SchemaSql::kRecordId)),
                               QStringLiteral("\"RegNum\" IS ?")};
        for (const FieldSpec &f : definition.fields) {
            const bool text = f.kind == FieldKind::Text || f.kind == FieldKind::LongText;
            conditions << QStringLiteral("%1 IS ?%2")
                              .arg(SchemaSql::quoted(f.name),
                                   text ? QStringLiteral(" COLLATE BINARY") : QString());
        }
        Statement count(db, QStringLiteral("SELECT count(*) FROM main.\"Form\" WHERE %1")
                                .arg(conditions.join(QStringLiteral(" AND "))));
        Statement insert(db, insertSql(QStringLiteral("main"), definition));
        const int regNum = 0;  // RegNum is the first field of Form

        QHash<QByteArray, QPair<qint64, qint64>>
            seen;  // fingerprint -> (stored before, met in the old file)
        for (const QVariantList &row : old.rows) {
            const QByteArray key = fingerprint(row);
            auto it = seen.find(key);
            if (it == seen.end()) {
                QVariantList values{storedBefore, row[regNum]};
                values << row;
                it = seen.insert(key, qMakePair(count.single(values).toLongLong(), qint64(0)));
            }
            ++it->second;
            if (it->second <= it->first) {
                ++counts.skipped;
            } else {
                insert.run(row);
                ++counts.imported;
            }
            written(stage);
        }
    }

    // Adds each old record whose first two fields the stored table does not hold yet
    // (countSql counts the stored records that match them); the others count as present.
    void mergeUnlessPresent(const QSqlDatabase &db, const TableSpec &definition,
                            const QString &countSql, const QString &stage)
    {
        ImportSummary::TableCounts &counts = m_summary.counts(definition.name);
        Statement count(db, countSql);
        Statement insert(db, insertSql(QStringLiteral("main"), definition));
        for (const QVariantList &row : m_old[definition.name].rows) {
            if (count.single({row[0], row[1]}).toLongLong() > 0) {
                ++counts.skipped;
            } else {
                insert.run(row);
                ++counts.imported;
            }
            written(stage);
        }
    }

    void mergePairs(const QSqlDatabase &db)
    {
        mergeUnlessPresent(
            db, Schema::aircraftTable(),
            QStringLiteral(
                "SELECT count(*) FROM main.\"aircraft\" WHERE \"Make\" IS ? AND \"Model\" IS ?"),
            QObject::tr("Writing the aircraft types"));
    }

    void mergeAgency(const QSqlDatabase &db)
    {
        const TableSpec &definition = Schema::agencyTable();
        const OldTable &old = m_old[definition.name];
        ImportSummary::TableCounts &counts = m_summary.counts(definition.name);
        Statement stored(
            db, QStringLiteral("SELECT \"AgencyName\" FROM main.\"Agency\" ORDER BY %1 LIMIT 1")
                    .arg(QLatin1String(SchemaSql::kRecordId)));
        QSqlQuery &q = stored.run({});
        const bool hasAgency = q.next();
        const QVariant storedName = hasAgency ? q.value(0) : QVariant();
        q.finish();
        Statement insert(db, insertSql(QStringLiteral("main"), definition));
        for (const QVariantList &row : old.rows) {
            if (hasAgency) {
                ++counts.skipped;
                if (!storedName.isNull() && storedName == row[0]) {
                    m_summary.notes << QObject::tr("The agency \"%1\" was already stored.")
                                           .arg(storedName.toString());
                    written(QObject::tr("Writing the agency"));
                    continue;
                }
                m_summary.notes
                    << QObject::tr(
                           "The data folder already has an agency (%1): it was kept, and the old "
                           "file's agency (%2) was not imported.")
                           .arg(storedName.isNull()
                                    ? QObject::tr("no name")
                                    : QStringLiteral("\"%1\"").arg(storedName.toString()),
                                row[0].isNull() ? QObject::tr("no name")
                                                : QStringLiteral("\"%1\"").arg(row[0].toString()));
            } else {
                insert.run(row);
                ++counts.imported;
            }
            written(QObject::tr("Writing the agency"));
        }
    }

    void mergeNarratives(const QSqlDatabase &db)
    {
        mergeUnlessPresent(
            db, Schema::narrativesTable(),
            QStringLiteral("SELECT count(*) FROM main.\"Narratives\" WHERE \"Title\" IS ? AND "
                           "\"Description\" IS ? COLLATE BINARY"),
            QObject::tr("Writing the narratives"));
    }

    void mergeAgents(const QSqlDatabase &db)
    {
        const TableSpec &definition = Schema::agentsTable();
        ImportSummary::TableCounts &counts = m_summary.counts(definition.name);
        // Names are compared as the program looks them up ("Name = "), without regard to case.
        Statement stored(
            db,
            QStringLiteral("SELECT %1 FROM %2.\"Agents\" WHERE \"Name\" = ? ORDER BY %3 LIMIT 1")
                .arg(columnList(definition), kAgentsSchema, QLatin1String(SchemaSql::kRecordId)));
        Statement insert(db, insertSql(kAgentsSchema, definition));
        for (const QVariantList &row : m_old[definition.name].rows) {
            QSqlQuery &q = stored.run({row[0]});
            const bool exists = !row[0].isNull() && q.next();
            QVariantList kept;
            if (exists) {
                for (int i = 0; i < definition.fields.size(); ++i)
                    kept << EngineValues::fromStored(definition.fields[i].kind, q.value(i));
            }
            q.finish();
            if (exists) {
                ++counts.skipped;
                m_summary.notes
                    << (kept == row
                            ? QObject::tr("The inspector \"%1\" was already stored, with the same "
                                          "record.")
                                  .arg(row[0].toString())
                            : QObject::tr("The inspector \"%1\" was already stored: the stored "
                                          "record was kept (its password, approval number and "
                                          "administrator right were not changed).")
                                  .arg(kept[0].toString()));
            } else {
                insert.run(row);
                ++counts.imported;
            }
            written(QObject::tr("Writing the inspectors"));
        }
    }

    void mergeDefaults(const QSqlDatabase &db, bool newInstallation)
    {
        const TableSpec &definition = Schema::defaultsTable();
        const OldTable &old = m_old[definition.name];
        ImportSummary::TableCounts &counts = m_summary.counts(definition.name);
        // A new installation holds only the default it was made with: the old file's
        // value takes its place.
        if (newInstallation && !old.rows.isEmpty())
            Statement(db, QStringLiteral("DELETE FROM %1.\"Defaults\"").arg(kAgentsSchema)).run({});
        Statement stored(
            db, QStringLiteral("SELECT \"Organ1\" FROM %1.\"Defaults\" ORDER BY %2 LIMIT 1")
                    .arg(kAgentsSchema, QLatin1String(SchemaSql::kRecordId)));
        QSqlQuery &q = stored.run({});
        const bool hasDefaults = q.next();
        const QVariant storedValue = hasDefaults ? q.value(0) : QVariant();
        q.finish();
        Statement insert(db, insertSql(kAgentsSchema, definition));
        for (const QVariantList &row : old.rows) {
            if (hasDefaults) {
                ++counts.skipped;
                if (storedValue != row[0])
                    m_summary.notes
                        << QObject::tr(
                               "The data folder keeps its own default number of copies (%1); the "
                               "old file's was %2.")
                               .arg(storedValue.isNull() ? QObject::tr("none")
                                                         : storedValue.toString(),
                                    row[0].isNull() ? QObject::tr("none") : row[0].toString());
            } else {
                insert.run(row);
                ++counts.imported;
            }
            written(QObject::tr("Writing the defaults"));
        }
    }

    // --- after a failure or Cancel: what this import made is taken away again ---

    void undoTarget()
    {
        for (const QString &path : std::as_const(m_createdFiles)) {
            QFile::remove(path);
            QFile::remove(path + QStringLiteral("-journal"));
        }
        m_createdFiles.clear();
        for (const QString &folder : std::as_const(m_createdFolders))
            QDir().rmdir(folder);  // only when empty
        m_createdFolders.clear();
    }

    void writeReport()
    {
        // Never beside the old files: their folder is only read.
        if (m_summary.outcome == ImportSummary::Outcome::Cancelled || !QFileInfo(m_target).isDir()
            || QFileInfo(m_target).canonicalFilePath() == QFileInfo(m_source).canonicalFilePath()
            || holdsAccessDataFiles(m_target))
            return;
        const QString stamp
            = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        QString path = QDir(m_target).filePath(QStringLiteral("import-summary-%1.txt").arg(stamp));
        for (int n = 2; QFileInfo::exists(path); ++n)
            path = QDir(m_target).filePath(
                QStringLiteral("import-summary-%1-%2.txt").arg(stamp).arg(n));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
            m_summary.notes << QObject::tr("The summary could not be written to \"%1\": %2")
                                   .arg(native(path), file.errorString());
            return;
        }
        m_summary.reportPath = path;
        file.write(m_summary.text().toUtf8());
    }

    QString m_source;
    QString m_target;
    ProgressFunction m_progress;
    ImportSummary m_summary;
    qint64 m_done = 0;
    qint64 m_total = 0;
    QHash<QString, OldTable> m_old;
    QList<QPair<QString, QString>> m_conversionProblems;  // table, text
    QStringList m_createdFiles;
    QStringList m_createdFolders;  // deepest first
};

}  // namespace

ImportSummary run(const QString &sourceFolder, const QString &targetFolder,
                  const ProgressFunction &progress)
{
    return Importer(sourceFolder, targetFolder, progress).run();
}

bool holdsAccessDataFiles(const QString &folder)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    for (const QString &name : {kForms, kAgents}) {
        const QString path = DataFolder::resolve(folder, name);
        if (QFileInfo(path).isFile() && AccessFile::hasAccessHeader(path))
            return true;
    }
    return false;
}

}  // namespace AccessImport
