#include "ImportTestSupport.h"
#include "common/TestRegistry.h"

#include "data/Database.h"
#include "data/Schema.h"
#include "import/AccessFile.h"
#include "import/AccessImport.h"
#include "import/ImportError.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace ImportTest;

namespace {

// The rows of a table of a data file of this program, every field, in stored order.
QList<QVariantList> storedRows(const QString &file, const TableSpec &definition)
{
    QStringList names;
    for (const FieldSpec &f : definition.fields)
        names << QStringLiteral("\"%1\"").arg(f.name);
    return Database::open(file)->rows(QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY RecordId")
                                          .arg(names.join(u','), definition.name));
}

int storedCount(const QString &file, const QString &table)
{
    return Database::open(file)
        ->value(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table))
        .toInt();
}

// A stored value against mdb-export's reading of the same field of the old file.
QString compareField(const FieldSpec &field, const CsvField &expected, const QVariant &stored)
{
    auto differ = [&](const QString &want) {
        return QStringLiteral("%1: expected %2, stored %3")
            .arg(field.name, want.left(80),
                 stored.isNull() ? QStringLiteral("Null") : stored.toString().left(80));
    };
    // mdb-export writes Null and an empty text alike, as nothing (no mdbtools tool tells
    // them apart): the stored value is then Null, or an empty text. A value it shows is
    // never stored as Null.
    if (expected.isEmpty() && !expected.quoted) {
        const bool emptyText = field.kind == FieldKind::Text || field.kind == FieldKind::LongText;
        return stored.isNull() || (emptyText && stored.toString().isEmpty())
                   ? QString()
                   : differ(QStringLiteral("Null"));
    }
    if (stored.isNull())
        return differ(expected.text);
    switch (field.kind) {
    case FieldKind::Text:
    case FieldKind::LongText: {
        QString want = expected.text;
        want.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        return stored.toString() == want ? QString() : differ(want);
    }
    case FieldKind::YesNo: {
        const int want = expected.text.toInt() != 0 ? -1 : 0;
        return stored.toInt() == want ? QString() : differ(QString::number(want));
    }
    case FieldKind::Number:
        return stored.toString() == expected.text ? QString() : differ(expected.text);
    case FieldKind::Date:
        // The time part is dropped: the stored date is the date part of the old value.
        return stored.toString() == expected.text.left(10) ? QString()
                                                           : differ(expected.text.left(10));
    }
    return differ(expected.text);
}

// Compares every field of every record of a table with mdb-export's reading of the old file.
void compareTable(const QString &oldFile, const QString &newFile, const TableSpec &definition)
{
    const CsvTable expected = mdbExport(oldFile, definition.name);
    const QList<QVariantList> stored = storedRows(newFile, definition);
    QCOMPARE(stored.size(), expected.rows.size());
    int compared = 0;
    for (int r = 0; r < expected.rows.size(); ++r) {
        for (int f = 0; f < definition.fields.size(); ++f) {
            ++compared;
            // The fields of later versions (the mailing record) start empty.
            if (definition.fields[f].addedLater) {
                QVERIFY2(stored[r][f].isNull(), qPrintable(definition.fields[f].name));
                continue;
            }
            const int column = expected.column(definition.fields[f].name);
            QVERIFY2(column >= 0, qPrintable(definition.fields[f].name));
            const QString difference
                = compareField(definition.fields[f], expected.rows[r][column], stored[r][f]);
            QVERIFY2(difference.isEmpty(), qPrintable(QStringLiteral("%1 record %2: %3")
                                                          .arg(definition.name)
                                                          .arg(r + 1)
                                                          .arg(difference)));
        }
    }
    QCOMPARE(compared, int(expected.rows.size() * definition.fields.size()));
}

void resize(const QString &path, qint64 size)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(size));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile::remove(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray noise(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

quint16 int16At(const QByteArray &b, qsizetype at)
{
    return quint16(quint8(b[at]) | (quint8(b[at + 1]) << 8));
}

void putInt16(QByteArray &b, qsizetype at, quint16 value)
{
    b[at] = char(value & 0xff);
    b[at + 1] = char(value >> 8);
}

// The bytes of a text as Access 2000 stores it uncompressed (UTF-16, little-endian).
QByteArray utf16(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

// Makes the Make field of the form with the given mark and make swallow the five text
// fields after it (model, serial, series, owner's name and street): its variable-column
// offsets are moved so that Make runs on over their bytes. The file stays a valid
// Access file in which that form's Make holds more characters than before.
bool lengthenMake(const QString &path, const QString &regNum, const QString &make)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    const QByteArray pattern = utf16(regNum) + utf16(make);
    const int page = 4096;
    for (qsizetype at = bytes.indexOf(pattern); at >= 0; at = bytes.indexOf(pattern, at + 1)) {
        const qsizetype pageStart = at / page * page;
        const int rows = int16At(bytes, pageStart + 12);
        for (int r = 0; r < rows; ++r) {
            const quint16 entry = int16At(bytes, pageStart + 14 + 2 * r);
            const int start = entry & 0x1fff;
            const int end = r == 0 ? page : int16At(bytes, pageStart + 14 + 2 * (r - 1)) & 0x1fff;
            if (at - pageStart < start || at - pageStart >= end || (entry & 0x4000))
                continue;  // another record, or a deleted one
            const qsizetype rowStart = pageStart + start;
            const qsizetype rowEnd = pageStart + end - 1;
            const int columns = int16At(bytes, rowStart);
            const int bitmask = (columns + 7) / 8;
            auto offsetAt = [&](int i) {
                return rowEnd - bitmask - 3 - 2 * i;
            };
            if (bytes.mid(rowStart + int16At(bytes, offsetAt(1)), make.size() * 2) != utf16(make))
                return false;
            const quint16 city = int16At(bytes, offsetAt(7));
            for (int i = 2; i <= 6; ++i)
                putInt16(bytes, offsetAt(i), city);
            file.seek(0);
            return file.write(bytes) == bytes.size();
        }
    }
    return false;
}

// Takes the root's right to read any file away from this thread while it lives, so that
// a file without read permission is unreadable even when the tests run as root.
class WithoutReadOverride
{
public:
    WithoutReadOverride()
    {
        m_header.version = _LINUX_CAPABILITY_VERSION_3;
        m_header.pid = 0;
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_active = syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~WithoutReadOverride()
    {
        if (m_active)
            syscall(SYS_capset, &m_header, m_saved);
    }
    bool active() const { return m_active; }

private:
    __user_cap_header_struct m_header{};
    __user_cap_data_struct m_saved[2]{};
    bool m_active = false;
};

// A data folder of this program with one stored form, so that "nothing changed" can be checked.
void makeTargetWithOneForm(const QString &folder)
{
    QVERIFY(QDir().mkpath(folder));
    Schema::createFormsFile(folder + QStringLiteral("/Form337.mdb"));
    Schema::createAgentsFile(folder + QStringLiteral("/FAAForm337A.mdb"));
    Database::open(folder + QStringLiteral("/Form337.mdb"))
        ->execute(QStringLiteral(
            "INSERT INTO Form (RegNum, Make, Model, FormDate) VALUES ('N1', 'Piper', 'PA-28', "
            "'2010-01-02')"));
}

}  // namespace

class ImportEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void fixtureIsReadAsMdbExportReadsIt()
    {
        // The reader itself: every table with the rows and values mdb-export gives.
        const AccessFile forms(fixtureFolder() + QStringLiteral("/Form337.mdb"));
        QCOMPARE(forms.formatName(), QStringLiteral("Access 2000-2003 (Jet 4)"));
        for (const char *table : {"Form", "aircraft", "Agency", "Narratives"}) {
            const CsvTable expected = mdbExport(forms.path(), QString::fromLatin1(table));
            const AccessFile::Table read = forms.readTable(QString::fromLatin1(table));
            QCOMPARE(read.columns, expected.header);
            QCOMPARE(read.rows.size(), expected.rows.size());
            QCOMPARE(forms.declaredRowCount(QString::fromLatin1(table)), int(expected.rows.size()));
        }
        // Every description whole (the longest has 177 126 characters), CR LF and all.
        const AccessFile::Table form = forms.readTable(QStringLiteral("Form"));
        const QStringList backs = fixtureColumn(QStringLiteral("Form337.mdb"),
                                                QStringLiteral("Form"), QStringLiteral("Back"));
        const int back = int(form.columns.indexOf(QStringLiteral("Back")));
        qsizetype longest = 0;
        for (int r = 0; r < form.rows.size(); ++r) {
            QCOMPARE(form.rows[r][back].toString(), backs[r]);
            longest = qMax(longest, backs[r].size());
        }
        QVERIFY(longest > 100000);
    }

    void fixtureImportsIntoANewDataFolder()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("old"));
        QVERIFY(copyFixtures(source));
        const auto before = folderChecksums(source);
        const QString target = dir.filePath(QStringLiteral("new/data"));

        qint64 lastDone = -1, total = 0;
        int calls = 0;
        const ImportSummary summary
            = AccessImport::run(source, target, [&](const AccessImport::Progress &p) {
                  if (p.done < lastDone)
                      qFatal("progress went back");
                  lastDone = p.done;
                  total = p.total;
                  ++calls;
                  return true;
              });
        QVERIFY2(summary.complete(), qPrintable(summary.text()));
        QCOMPARE(lastDone, total);  // records done of total, to the end
        QVERIFY(calls > fixtureRowCount(QStringLiteral("Form337.mdb"), QStringLiteral("Form")));

        // Every count, against mdb-export's reading of the old files.
        const QString oldForms = source + QStringLiteral("/Form337.mdb");
        const QString oldAgents = source + QStringLiteral("/FAAForm337A.mdb");
        for (const TableSpec *definition : Schema::formsFileTables() + Schema::agentsFileTables()) {
            const bool agentsFile = Schema::agentsFileTables().contains(definition);
            const int rows
                = int(mdbExport(agentsFile ? oldAgents : oldForms, definition->name).rows.size());
            const ImportSummary::TableCounts *counts = summary.find(definition->name);
            QVERIFY(counts);
            QCOMPARE(counts->read, rows);
            QCOMPARE(counts->imported, rows);
            QCOMPARE(counts->skipped, 0);
            QCOMPARE(counts->refused, 0);
            QCOMPARE(storedCount(target + (agentsFile ? "/FAAForm337A.mdb" : "/Form337.mdb"),
                                 definition->name),
                     rows);
        }
        QCOMPARE(summary.formsRead(),
                 fixtureRowCount(QStringLiteral("Form337.mdb"), QStringLiteral("Form")));

        // Field by field, every record of every table.
        for (const TableSpec *definition : Schema::formsFileTables())
            compareTable(oldForms, target + QStringLiteral("/Form337.mdb"), *definition);
        for (const TableSpec *definition : Schema::agentsFileTables())
            compareTable(oldAgents, target + QStringLiteral("/FAAForm337A.mdb"), *definition);

        // The old settings' Windows path is shown, never used as a path.
        const QString oldDataPath
            = fixtureColumn(QStringLiteral("setup337.mdb"), QStringLiteral("Setup"),
                            QStringLiteral("DataPath"))
                  .first();
        QVERIFY(oldDataPath.contains(u'\\'));
        QVERIFY(summary.text().contains(oldDataPath));
        QVERIFY(!QFileInfo::exists(target + QStringLiteral("/C:")));
        // The summary is written beside the data files.
        QVERIFY(QFileInfo(summary.reportPath).isFile());
        QCOMPARE(QFileInfo(summary.reportPath).absolutePath(),
                 QFileInfo(target).absoluteFilePath());
        QFile report(summary.reportPath);
        QVERIFY(report.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(report.readAll()), summary.text());

        // The old files were only read.
        QCOMPARE(folderChecksums(source), before);
    }

    void secondImportAddsNothing()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("old"));
        QVERIFY(copyFixtures(source));
        const auto before = folderChecksums(source);
        const QString target = dir.filePath(QStringLiteral("data"));
        QVERIFY(AccessImport::run(source, target).complete());
        QHash<QString, int> counts;
        for (const TableSpec *definition : Schema::formsFileTables())
            counts[definition->name] = storedCount(target + "/Form337.mdb", definition->name);
        for (const TableSpec *definition : Schema::agentsFileTables())
            counts[definition->name] = storedCount(target + "/FAAForm337A.mdb", definition->name);

        const ImportSummary again = AccessImport::run(source, target);
        QVERIFY2(again.complete(), qPrintable(again.text()));
        for (const ImportSummary::TableCounts &c : again.tables) {
            QCOMPARE(c.imported, 0);
            QCOMPARE(c.skipped, c.read);
        }
        for (const TableSpec *definition : Schema::formsFileTables())
            QCOMPARE(storedCount(target + "/Form337.mdb", definition->name),
                     counts[definition->name]);
        for (const TableSpec *definition : Schema::agentsFileTables())
            QCOMPARE(storedCount(target + "/FAAForm337A.mdb", definition->name),
                     counts[definition->name]);
        // Inspectors already stored keep their records and are listed.
        QVERIFY(again.text().contains(QStringLiteral("\"Pat Smith\" was already stored")));
        QCOMPARE(folderChecksums(source), before);
    }

    void mergesIntoDataInUse()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("old"));
        QVERIFY(copyFixtures(source));
        const QString target = dir.filePath(QStringLiteral("data"));
        makeTargetWithOneForm(target);
        const QString forms = target + QStringLiteral("/Form337.mdb");
        const QString agents = target + QStringLiteral("/FAAForm337A.mdb");
        Database::open(forms)->execute(
            QStringLiteral("INSERT INTO Agency (AgencyName) VALUES ('Our Shop')"));
        Database::open(forms)->execute(
            QStringLiteral("INSERT INTO aircraft (Make, Model) VALUES ('CESSNA', '172N')"));
        // An inspector of the same name but another password keeps the stored record.
        Database::open(agents)->execute(
            QStringLiteral("INSERT INTO Agents (Name, Password, ApprovalNumber, Administrator) "
                           "VALUES (?, ?, ?, ?)"),
            {QStringLiteral("pat smith"), QStringLiteral("ours"), QStringLiteral("A-1"), 0});

        const ImportSummary summary = AccessImport::run(source, target);
        QVERIFY2(summary.complete(), qPrintable(summary.text()));
        QCOMPARE(storedCount(forms, QStringLiteral("Form")),
                 fixtureRowCount(QStringLiteral("Form337.mdb"), QStringLiteral("Form")) + 1);
        QCOMPARE(summary.find(QStringLiteral("aircraft"))->skipped, 1);
        QCOMPARE(storedCount(forms, QStringLiteral("aircraft")),
                 fixtureRowCount(QStringLiteral("Form337.mdb"), QStringLiteral("aircraft")));
        QCOMPARE(summary.find(QStringLiteral("Agency"))->imported, 0);
        QCOMPARE(Database::open(forms)
                     ->value(QStringLiteral("SELECT AgencyName FROM Agency"))
                     .toString(),
                 QStringLiteral("Our Shop"));
        QCOMPARE(summary.find(QStringLiteral("Agents"))->skipped, 1);
        QCOMPARE(Database::open(agents)
                     ->value(QStringLiteral("SELECT Password FROM Agents WHERE Name = 'Pat Smith'"))
                     .toString(),
                 QStringLiteral("ours"));
        QVERIFY(summary.text().contains(
            QStringLiteral("\"pat smith\" was already stored: the stored record was kept")));
        // The data folder's own default number of copies stays; the old one is named.
        QCOMPARE(
            Database::open(agents)->value(QStringLiteral("SELECT Organ1 FROM Defaults")).toString(),
            QStringLiteral("1"));
        QVERIFY(summary.text().contains(
            QStringLiteral("the old file's was %1")
                .arg(fixtureColumn(QStringLiteral("FAAForm337A.mdb"), QStringLiteral("Defaults"),
                                   QStringLiteral("Organ1"))
                         .first())));
    }

    void cancelLeavesTargetUnchanged_data()
    {
        QTest::addColumn<bool>("existingTarget");
        QTest::addColumn<int>("cancelAt");  // records done when Cancel is clicked
        QTest::newRow("new folder, while reading") << false << 100;
        QTest::newRow("new folder, while writing") << false << 400;
        QTest::newRow("data in use, while reading") << true << 10;
        QTest::newRow("data in use, while writing") << true << 300;
        QTest::newRow("data in use, at the last record") << true << -1;
    }

    void cancelLeavesTargetUnchanged()
    {
        QFETCH(bool, existingTarget);
        QFETCH(int, cancelAt);
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("old"));
        QVERIFY(copyFixtures(source));
        const auto sourceBefore = folderChecksums(source);
        const QString target = dir.filePath(QStringLiteral("data"));
        if (existingTarget)
            makeTargetWithOneForm(target);
        const auto targetBefore = folderChecksums(target);

        const ImportSummary summary
            = AccessImport::run(source, target, [&](const AccessImport::Progress &p) {
                  return cancelAt < 0 ? p.done < p.total : p.done < cancelAt;
              });
        QCOMPARE(summary.outcome, ImportSummary::Outcome::Cancelled);
        QVERIFY(!summary.committed());
        QCOMPARE(folderChecksums(source), sourceBefore);
        if (existingTarget) {
            const auto after = folderChecksums(target);
            for (const QString &name :
                 {QStringLiteral("Form337.mdb"), QStringLiteral("FAAForm337A.mdb")})
                QCOMPARE(after.value(name), targetBefore.value(name));
            QCOMPARE(storedCount(target + "/Form337.mdb", QStringLiteral("Form")), 1);
        } else {
            QVERIFY2(!QFileInfo::exists(target),
                     "a folder made by a cancelled import is taken away");
        }
    }

    void badInputChangesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("named");  // the file the message names
        QTest::addColumn<QString>("says");   // part of the message
        QTest::newRow("forms file cut in half") << "cutHalf"
                                                << "Form337.mdb"
                                                << "cut short";
        QTest::newRow("forms file cut at a page") << "cutPage"
                                                  << "Form337.mdb"
                                                  << "cut short";
        QTest::newRow("forms file cut to its first bytes") << "cutHeader"
                                                           << "Form337.mdb"
                                                           << "cut short";
        QTest::newRow("noise named Form337.mdb") << "noise"
                                                 << "Form337.mdb"
                                                 << "not an Access database file";
        QTest::newRow("an Access header, then noise") << "headerNoise"
                                                      << "Form337.mdb"
                                                      << "Form337.mdb";
        QTest::newRow("a later Access format") << "later"
                                               << "Form337.mdb"
                                               << "format this program cannot read";
        QTest::newRow("empty agents file") << "empty"
                                           << "FAAForm337A.mdb"
                                           << "empty";
        QTest::newRow("only the forms file") << "noAgents"
                                             << "FAAForm337A.mdb"
                                             << "has no file";
        QTest::newRow("only the agents file") << "noForms"
                                              << "Form337.mdb"
                                              << "has no file";
        QTest::newRow("a folder named Form337.mdb") << "folder"
                                                    << "Form337.mdb"
                                                    << "not a file";
        QTest::newRow("unreadable agents file") << "unreadable"
                                                << "FAAForm337A.mdb"
                                                << "cannot be read";
    }

    void badInputChangesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, named);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("old"));
        QVERIFY(copyFixtures(source));
        const QString forms = source + QStringLiteral("/Form337.mdb");
        const QString agents = source + QStringLiteral("/FAAForm337A.mdb");
        const qint64 size = QFileInfo(forms).size();
        if (kind == QLatin1String("cutHalf"))
            resize(forms, size / 2 + 123);
        else if (kind == QLatin1String("cutPage"))
            resize(forms, size / 4096 * 3 / 4 * 4096);
        else if (kind == QLatin1String("cutHeader"))
            resize(forms, 100);
        else if (kind == QLatin1String("noise"))
            writeFile(forms, noise(65536, 337));
        else if (kind == QLatin1String("headerNoise")) {
            QFile f(forms);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray header = f.read(0x18);
            f.close();
            writeFile(forms, header + noise(3 * 4096 - header.size(), 7));
        } else if (kind == QLatin1String("later")) {
            QFile f(forms);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(0x14);
            f.write(QByteArray("\x07\x00\x00\x00", 4));
        } else if (kind == QLatin1String("empty"))
            writeFile(agents, QByteArray());
        else if (kind == QLatin1String("noAgents"))
            QVERIFY(QFile::remove(agents));
        else if (kind == QLatin1String("noForms"))
            QVERIFY(QFile::remove(forms));
        else if (kind == QLatin1String("folder")) {
            QVERIFY(QFile::remove(forms));
            QVERIFY(QDir().mkdir(forms));
        }
        const auto sourceBefore = folderChecksums(source);

        std::unique_ptr<WithoutReadOverride> noOverride;
        if (kind == QLatin1String("unreadable")) {
            QVERIFY(QFile::setPermissions(agents, QFileDevice::Permissions()));
            noOverride = std::make_unique<WithoutReadOverride>();
            QFile probe(agents);
            if (probe.open(QIODevice::ReadOnly))
                QSKIP("The tests run with a right to read any file that cannot be dropped here "
                      "(root without "
                      "capset), so a file without read permission stays readable.");
        }

        // Into a new folder: nothing is made.
        const QString newTarget = dir.filePath(QStringLiteral("new"));
        const ImportSummary intoNew = AccessImport::run(source, newTarget);
        QCOMPARE(intoNew.outcome, ImportSummary::Outcome::Failed);
        QVERIFY2(intoNew.problems.join(u'\n').contains(named), qPrintable(intoNew.text()));
        QVERIFY2(intoNew.problems.join(u'\n').contains(says), qPrintable(intoNew.text()));
        QVERIFY(!QFileInfo::exists(newTarget));

        // Into data in use: its data files do not change.
        const QString target = dir.filePath(QStringLiteral("data"));
        makeTargetWithOneForm(target);
        const auto targetBefore = folderChecksums(target);
        const ImportSummary intoOld = AccessImport::run(source, target);
        QCOMPARE(intoOld.outcome, ImportSummary::Outcome::Failed);
        QVERIFY(!intoOld.complete());
        for (const QString &name :
             {QStringLiteral("Form337.mdb"), QStringLiteral("FAAForm337A.mdb")})
            QCOMPARE(folderChecksums(target).value(name), targetBefore.value(name));
        noOverride.reset();
        QCOMPARE(folderChecksums(source), sourceBefore);
    }

    void valueTooLongStopsBeforeWriting()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("old"));
        QVERIFY(copyFixtures(source));
        const QString forms = source + QStringLiteral("/Form337.mdb");
        // The first form as mdb-export reads it: its mark, make and date.
        const CsvTable before = mdbExport(forms, QStringLiteral("Form"));
        const QString regNum = before.rows.first()[before.column(QStringLiteral("RegNum"))].text;
        const QString make = before.rows.first()[before.column(QStringLiteral("Make"))].text;
        const QDate date = QDate::fromString(
            before.rows.first()[before.column(QStringLiteral("FormDate"))].text.left(10),
            Qt::ISODate);
        QVERIFY(date.isValid());
        QVERIFY(lengthenMake(forms, regNum, make));
        // mdb-export reads the lengthened value too: the file is a valid Access file.
        const CsvTable exported = mdbExport(forms, QStringLiteral("Form"));
        const int makeColumn = exported.column(QStringLiteral("Make"));
        int longOnes = 0;
        for (const auto &row : exported.rows)
            longOnes += row[makeColumn].text.size()
                        > Schema::formTable().field(QStringLiteral("Make"))->maxLength;
        QCOMPARE(longOnes, 1);

        const QString target = dir.filePath(QStringLiteral("data"));
        makeTargetWithOneForm(target);
        const auto targetBefore = folderChecksums(target);
        const ImportSummary summary = AccessImport::run(source, target);
        QCOMPARE(summary.outcome, ImportSummary::Outcome::Failed);
        QCOMPARE(summary.find(QStringLiteral("Form"))->refused, 1);
        QCOMPARE(summary.find(QStringLiteral("Form"))->imported, 0);
        const QString problems = summary.problems.join(u'\n');
        // The table, the record (registration mark and date) and the field are named.
        QVERIFY2(problems.contains(QStringLiteral("table Form")), qPrintable(problems));
        const QString dated = QLocale(QLocale::English, QLocale::UnitedStates)
                                  .toString(date, QStringLiteral("MMMM d, yyyy"));
        QVERIFY2(problems.contains(QStringLiteral("\"%1\" dated %2").arg(regNum, dated)),
                 qPrintable(problems));
        QVERIFY2(problems.contains(QStringLiteral("the field Make holds")), qPrintable(problems));
        for (const QString &name :
             {QStringLiteral("Form337.mdb"), QStringLiteral("FAAForm337A.mdb")})
            QCOMPARE(folderChecksums(target).value(name), targetBefore.value(name));
        QCOMPARE(storedCount(target + "/Form337.mdb", QStringLiteral("Form")), 1);
    }

    void sameFolderAndAccessTargetAreRefused()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("old"));
        QVERIFY(copyFixtures(source));
        const auto before = folderChecksums(source);
        const ImportSummary same = AccessImport::run(source, source);
        QCOMPARE(same.outcome, ImportSummary::Outcome::Failed);
        QVERIFY(same.problems.join(u'\n').contains(QStringLiteral("never overwritten")));
        const QString other = dir.filePath(QStringLiteral("other"));
        QVERIFY(copyFixtures(other));
        const ImportSummary intoAccess = AccessImport::run(source, other);
        QCOMPARE(intoAccess.outcome, ImportSummary::Outcome::Failed);
        QVERIFY(AccessImport::holdsAccessDataFiles(other));
        QCOMPARE(folderChecksums(source), before);
    }

    void importSpeed()
    {
        // Forms per second on the fixture (226 forms, one of 177 126 characters), into a
        // new data folder; the README reports the figure.
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("old"));
        QVERIFY(copyFixtures(source));
        QList<double> rates;
        for (int run = 0; run < 5; ++run) {
            const ImportSummary summary
                = AccessImport::run(source, dir.filePath(QStringLiteral("data%1").arg(run)));
            QVERIFY(summary.complete());
            rates << summary.formsPerSecond();
        }
        std::sort(rates.begin(), rates.end());
        qInfo("import of the fixture: %.0f forms per second (median of 5)", rates[2]);
        QVERIFY(rates[2] > 0);
    }
};

REGISTER_TEST(ImportEngineTest)

#include "ImportEngineTest.moc"
