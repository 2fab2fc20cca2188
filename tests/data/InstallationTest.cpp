#include "data/Installation.h"
#include "DataTestSupport.h"
#include "common/TestRegistry.h"
#include "data/Database.h"
#include "data/Schema.h"

#include <QDir>
#include <QTemporaryDir>
#include <sys/stat.h>

class InstallationTest : public QObject
{
    Q_OBJECT
private slots:
    void newFolderGetsAllThreeFiles();
    void secondRunChangesNothing();
    void existingDataFilesAreKept();
    void settingsFileFoundUnderAnyCase();
    void createRefusesAnExistingFile();
    void newFilesArePrivate_data();
    void newFilesArePrivate();
};

void InstallationTest::newFolderGetsAllThreeFiles()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("program/337");
    QVERIFY(Installation::ensure(folder));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"FAAForm337A.mdb", "Form337.mdb", "setup337.mdb"}));

    auto settings = Database::open(folder + "/setup337.mdb", Schema::settingsFileTables());
    const QList<QVariantList> setup = settings->rows("SELECT DataPath, TopShift FROM Setup");
    QCOMPARE(setup.size(), 1);
    QVERIFY(setup[0][0].isNull());
    QCOMPARE(setup[0][1].toInt(), 0);

    auto forms = Database::open(folder + "/Form337.mdb", Schema::formsFileTables());
    for (const char *table : {"Form", "aircraft", "Agency", "Narratives"})
        QCOMPARE(forms->value(QString("SELECT count(*) FROM \"%1\"").arg(table)).toInt(), 0);

    auto agents = Database::open(folder + "/FAAForm337A.mdb", Schema::agentsFileTables());
    QCOMPARE(agents->value("SELECT count(*) FROM Agents").toInt(), 0);
    QCOMPARE(agents->rows("SELECT Organ1 FROM Defaults"), (QList<QVariantList>{{QString("1")}}));
}

void InstallationTest::secondRunChangesNothing()
{
    QTemporaryDir dir;
    QVERIFY(Installation::ensure(dir.path()));
    const QByteArray settings = fileChecksum(dir.filePath("setup337.mdb"));
    const QByteArray forms = fileChecksum(dir.filePath("Form337.mdb"));
    QVERIFY(!Installation::ensure(dir.path()));
    QCOMPARE(fileChecksum(dir.filePath("setup337.mdb")), settings);
    QCOMPARE(fileChecksum(dir.filePath("Form337.mdb")), forms);
}

void InstallationTest::existingDataFilesAreKept()
{
    QTemporaryDir dir;
    // A data file under another case, with a stored form, and a foreign file under the agents name.
    Schema::createFormsFile(dir.filePath("FORM337.MDB"));
    {
        auto forms = Database::open(dir.filePath("FORM337.MDB"));
        forms->execute("INSERT INTO Form (RegNum) VALUES (?)", {"N1"});
    }
    writeBytes(dir.filePath("FAAForm337A.mdb"), "not ours");
    const QByteArray forms = fileChecksum(dir.filePath("FORM337.MDB"));
    const QByteArray agents = fileChecksum(dir.filePath("FAAForm337A.mdb"));

    QVERIFY(Installation::ensure(dir.path()));
    // SQLite keeps its rollback journal beside a file that was written to.
    QCOMPARE(QDir(dir.path())
                 .entryList(QDir::Files)
                 .filter(QRegularExpression("\\.mdb$", QRegularExpression::CaseInsensitiveOption)),
             (QStringList{"FAAForm337A.mdb", "FORM337.MDB", "setup337.mdb"}));
    QCOMPARE(fileChecksum(dir.filePath("FORM337.MDB")), forms);
    QCOMPARE(fileChecksum(dir.filePath("FAAForm337A.mdb")), agents);
}

void InstallationTest::settingsFileFoundUnderAnyCase()
{
    QTemporaryDir dir;
    Schema::createSettingsFile(dir.filePath("SETUP337.MDB"));
    QVERIFY(!Installation::ensure(dir.path()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"SETUP337.MDB"});
}

void InstallationTest::createRefusesAnExistingFile()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("form337.MDB"), "precious");
    QVERIFY_DBERROR(Schema::createFormsFile(dir.filePath("Form337.mdb")),
                    EngineError::ObjectExists);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"form337.MDB"});
    QVERIFY_DBERROR(Schema::createAgentsFile(dir.filePath("nowhere/FAAForm337A.mdb")),
                    EngineError::InvalidPath);
}

void InstallationTest::newFilesArePrivate_data()
{
    // The mode of the folder the files are made in, and the mode they get.
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");
    QTest::newRow("a new program folder") << -1 << 0600;
    QTest::newRow("a private folder") << 0755 << 0600;
    QTest::newRow("a group-writable folder") << 0770 << 0660;
    QTest::newRow("a set-group-ID folder") << 02750 << 0660;
}

void InstallationTest::newFilesArePrivate()
{
    // The inspectors' file holds their passwords: no other user of the machine reads it.
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QTemporaryDir dir;
    const QString folder = dir.filePath("program");
    if (folderMode >= 0) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)) == 0);
    }
    const mode_t mask = ::umask(022);  // the usual default, which would give 0644 files
    QVERIFY(Installation::ensure(folder));
    ::umask(mask);
    struct stat info
    { };
    QVERIFY(::stat(QFile::encodeName(folder).constData(), &info) == 0);
    if (folderMode < 0)
        QCOMPARE(int(info.st_mode & 07777), 0700);
    else
        QCOMPARE(int(info.st_mode & 07777),
                 folderMode);  // a folder that was there is left as it is
    for (const char *name : {"setup337.mdb", "Form337.mdb", "FAAForm337A.mdb"}) {
        QVERIFY(::stat(QFile::encodeName(folder + "/" + name).constData(), &info) == 0);
        QCOMPARE(int(info.st_mode & 0777), fileMode);
    }
    // A journal the engine makes later gets the same mode as its file.
    auto agents = Database::open(folder + "/FAAForm337A.mdb", Schema::agentsFileTables());
    auto forms = Database::open(folder + "/Form337.mdb", Schema::formsFileTables());
    forms->execute("INSERT INTO Form (RegNum) VALUES (?)", {"N1"});
    QVERIFY(::stat(QFile::encodeName(folder + "/Form337.mdb-journal").constData(), &info) == 0);
    QCOMPARE(int(info.st_mode & 0777), fileMode);
}

REGISTER_TEST(InstallationTest)

#include "InstallationTest.moc"
