#include "data/Database.h"
#include "DataTestSupport.h"
#include "common/TestEngine.h"
#include "common/TestRegistry.h"
#include "data/DataFolder.h"
#include "data/EngineLog.h"
#include "data/Recordset.h"
#include "data/Schema.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <future>
#include <sqlite3.h>
#include <thread>
#include <unistd.h>

class DatabaseTest : public QObject
{
    Q_OBJECT
private slots:
    void openErrors_data();
    void openErrors();
    void sameFileUnderAnyCase();
    void reopensAfterRelease();
    void resolveMatchesCase_data();
    void resolveMatchesCase();
    void trailingSeparator_data();
    void trailingSeparator();
    void readOnlyFileRefusesWrites();
    void readOnlyEngineErrorIs3027();
    void syntaxErrorIs3075_data() { onBothEngines(); }
    void syntaxErrorIs3075();
    void storedQueries_data() { onBothEngines(); }
    void storedQueries();
    void storedQueryTakesValuesAsLiterals_data() { onBothEngines(); }
    void storedQueryTakesValuesAsLiterals();
    void shortLockIsWaitedOut();
    void lastingLockIs3260();
    void transactionRollsBack_data() { onBothEngines(); }
    void transactionRollsBack();
    void fileReplacedWhileOpen_data();
    void fileReplacedWhileOpen();
    void deletedPasswordLeavesNoTrace_data();
    void deletedPasswordLeavesNoTrace();
    void failureIsLoggedInWordsWithoutValues();

private:
    // The rows of a test that runs alike on a data file and on the server.
    static void onBothEngines()
    {
        QTest::addColumn<bool>("onServer");
        QTest::newRow("file") << false;
        QTest::newRow("server") << true;
    }
    // A forms file, or the forms tables on the server, for the row's engine.
    static std::unique_ptr<TestTables> freshTables()
    {
        QFETCH(bool, onServer);
        auto tables
            = std::make_unique<TestTables>(onServer ? TestEngine::Server : TestEngine::File);
        if (!tables->fresh())
            qWarning("%s", qPrintable(tables->error()));
        return tables;
    }
};

void DatabaseTest::openErrors_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("expected");
    QTest::newRow("folder missing") << "folder-missing" << int(EngineError::InvalidPath);
    QTest::newRow("folder is a file") << "folder-is-file" << int(EngineError::InvalidPath);
    QTest::newRow("empty path") << "empty-path" << int(EngineError::InvalidPath);
    QTest::newRow("file missing") << "file-missing" << int(EngineError::FileNotFound);
    QTest::newRow("file is a folder") << "file-is-folder" << int(EngineError::CannotOpenFile);
    QTest::newRow("file unreadable") << "file-unreadable" << int(EngineError::CannotOpenFile);
    QTest::newRow("garbage") << "garbage" << int(EngineError::UnrecognizedFormat);
    QTest::newRow("zero bytes") << "zero-bytes" << int(EngineError::UnrecognizedFormat);
    QTest::newRow("database header, garbage after")
        << "bad-body" << int(EngineError::UnrecognizedFormat);
    QTest::newRow("another program's database")
        << "foreign" << int(EngineError::UnrecognizedFormat);
    QTest::newRow("one of our tables missing")
        << "agents-file" << int(EngineError::UnrecognizedFormat);
    QTest::newRow("a field missing") << "field-missing" << int(EngineError::UnrecognizedFormat);
}

void DatabaseTest::openErrors()
{
    QFETCH(QString, kind);
    QFETCH(int, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(Schema::kFormsFile);

    if (kind == "folder-missing") {
        path = dir.filePath("nowhere/Form337.mdb");
    } else if (kind == "folder-is-file") {
        writeBytes(dir.filePath("plain"), "x");
        path = dir.filePath("plain/Form337.mdb");
    } else if (kind == "empty-path") {
        path.clear();
    } else if (kind == "file-is-folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "file-unreadable") {
        if (::geteuid() == 0)
            QSKIP("File permissions do not stop the superuser; the folder row covers the refusal.");
        Schema::createFormsFile(path);
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    } else if (kind == "garbage") {
        writeBytes(path,
                   QByteArray("Standard Jet DB\0\0\0 old access file contents", 44).repeated(100));
    } else if (kind == "zero-bytes") {
        writeBytes(path, QByteArray());
    } else if (kind == "bad-body") {
        writeBytes(path, QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\x5a'));
    } else if (kind == "foreign" || kind == "field-missing") {
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "foreign");
            other.setDatabaseName(path);
            QVERIFY(other.open());
            QSqlQuery q(other);
            if (kind == "foreign")
                QVERIFY(q.exec("CREATE TABLE Customers (Id INTEGER PRIMARY KEY, Name TEXT)"));
            else
                QVERIFY(q.exec(
                    "CREATE TABLE Form (RecordId INTEGER PRIMARY KEY, RegNum TEXT, Make TEXT)"));
            other.close();
        }
        QSqlDatabase::removeDatabase("foreign");
    } else if (kind == "agents-file") {
        Schema::createAgentsFile(path);  // a database of ours, but without the Form table
    }

    const QByteArray before = fileChecksum(path);
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QVERIFY_DBERROR(Database::open(path, Schema::formsFileTables()), expected);
    // A file that is not ours is left exactly as it was, with no journal or table added.
    QCOMPARE(fileChecksum(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), filesBefore);
}

void DatabaseTest::sameFileUnderAnyCase()
{
    QTemporaryDir dir;
    Schema::createFormsFile(dir.filePath("Form337.mdb"));
    const auto a = Database::open(dir.filePath("Form337.mdb"), Schema::formsFileTables());
    const auto b = Database::open(dir.filePath("FORM337.MDB"));
    const auto c = Database::open(dir.path() + "//FORM337.MDB");
    QCOMPARE(a.get(), b.get());
    QCOMPARE(a.get(), c.get());
    QCOMPARE(QFileInfo(b->path()).fileName(), QString("Form337.mdb"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).filter("337", Qt::CaseInsensitive),
             QStringList{"Form337.mdb"});
}

void DatabaseTest::reopensAfterRelease()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(Schema::kFormsFile);
    Schema::createFormsFile(path);
    {
        auto db = Database::open(path);
        db->execute("INSERT INTO Form (RegNum) VALUES (?)", {"N1"});
    }
    auto again = Database::open(path);
    QCOMPARE(again->value("SELECT RegNum FROM Form").toString(), QString("N1"));
}

void DatabaseTest::resolveMatchesCase_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("expectedName");
    QTest::newRow("same case") << "Form337.mdb"
                               << "Form337.mdb"
                               << "Form337.mdb";
    QTest::newRow("upper case asked") << "Form337.mdb"
                                      << "FORM337.MDB"
                                      << "Form337.mdb";
    QTest::newRow("upper case stored") << "FAAFORM337A.MDB"
                                       << "FAAForm337A.mdb"
                                       << "FAAFORM337A.MDB";
    QTest::newRow("missing keeps the asked name") << "other.mdb"
                                                  << "Form337.mdb"
                                                  << "Form337.mdb";
}

void DatabaseTest::resolveMatchesCase()
{
    QFETCH(QString, existing);
    QFETCH(QString, asked);
    QFETCH(QString, expectedName);
    QTemporaryDir dir;
    writeBytes(dir.filePath(existing), "x");
    const QString expected = QDir(dir.path()).filePath(expectedName);
    QCOMPARE(DataFolder::resolve(dir.path(), asked), expected);
    QCOMPARE(DataFolder::resolve(dir.path() + "/", asked), expected);
    QCOMPARE(DataFolder::resolvePath(dir.path() + "//" + asked), expected);
}

void DatabaseTest::trailingSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("without") << "/data/forms"
                             << "/data/forms/";
    QTest::newRow("with") << "/data/forms/"
                          << "/data/forms/";
    QTest::newRow("doubled") << "/data//forms//"
                             << "/data/forms/";
    QTest::newRow("root") << "/"
                          << "/";
}

void DatabaseTest::trailingSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(DataFolder::withTrailingSeparator(folder), expected);
}

void DatabaseTest::readOnlyFileRefusesWrites()
{
    if (geteuid() == 0)
        QSKIP("file permissions do not bind the superuser");
    QTemporaryDir dir;
    const QString path = dir.filePath(Schema::kFormsFile);
    Schema::createFormsFile(path);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QByteArray before = fileChecksum(path);
    auto db = Database::open(path, Schema::formsFileTables());
    QCOMPARE(db->value("SELECT count(*) FROM Form").toInt(), 0);
    QVERIFY_DBERROR(db->execute("INSERT INTO Form (RegNum) VALUES (?)", {"N1"}),
                    EngineError::ReadOnly);
    QCOMPARE(fileChecksum(path), before);
}

void DatabaseTest::readOnlyEngineErrorIs3027()
{
    // The same engine condition as a write-protected file, reachable also by the superuser.
    QTemporaryDir dir;
    const QString path = dir.filePath(Schema::kFormsFile);
    Schema::createFormsFile(path);
    auto db = Database::open(path);
    db->execute("PRAGMA query_only = 1");
    QVERIFY_DBERROR(db->execute("INSERT INTO Form (RegNum) VALUES (?)", {"N1"}),
                    EngineError::ReadOnly);
    db->execute("PRAGMA query_only = 0");
    db->execute("INSERT INTO Form (RegNum) VALUES (?)", {"N1"});
}

void DatabaseTest::syntaxErrorIs3075()
{
    const auto tables = freshTables();
    QVERIFY2(tables->error().isEmpty(), qPrintable(tables->error()));
    auto db = Database::open(tables->forms());
    QVERIFY_DBERROR(
        db->rows("SELECT Count(\"RegNum\") FROM \"Form\" WHERE \"FormDate\" >= #13/45/2001#"),
        EngineError::QuerySyntax);
    QVERIFY_DBERROR(db->rows("SELECT NoSuchField FROM \"Form\""), EngineError::QuerySyntax);
    QVERIFY_DBERROR(db->rows("SELECT FROM WHERE"), EngineError::QuerySyntax);
}

void DatabaseTest::storedQueries()
{
    const auto tables = freshTables();
    QVERIFY2(tables->error().isEmpty(), qPrintable(tables->error()));
    auto db = Database::open(tables->forms());
    db->execute("INSERT INTO \"Form\" (\"RegNum\", \"Approved\") VALUES ('N1', -1), ('N2', 0), "
                "('N3', -1), (NULL, -1)");

    QVERIFY(!db->hasQuery("Query1"));
    db->createQuery("Query1", "SELECT Count(\"Form\".\"RegNum\") AS \"NewCount\" FROM \"Form\" "
                              "WHERE \"Approved\" = -1");
    QVERIFY(db->hasQuery("query1"));
    QVERIFY_DBERROR(db->createQuery("Query1", "SELECT 1"), EngineError::ObjectExists);
    QVERIFY_DBERROR(db->createQuery("QUERY1", "SELECT 1"), EngineError::ObjectExists);
    QVERIFY_DBERROR(db->createQuery("Form", "SELECT 1"), EngineError::ObjectExists);

    Recordset counts("datSecondaryRS");
    counts.setDatabaseName(tables->onServer() ? tables->forms()
                                              : QDir(tables->folder()).filePath("FORM337.MDB"));
    counts.setStoredQuery("Query1");
    counts.refresh();
    QCOMPARE(counts.field("NewCount").toInt(), 2);  // Null marks are not counted
    QVERIFY_DBERROR(counts.addNew(), EngineError::ReadOnly);
    counts.close();

    db->deleteQuery("Query1");
    QVERIFY(!db->hasQuery("Query1"));
    QVERIFY_DBERROR(db->deleteQuery("Query1"), EngineError::ItemNotFound);
    db->createQuery("Query1", "SELECT 1 AS One");
    QVERIFY(db->hasQuery("Query1"));
}

void DatabaseTest::storedQueryTakesValuesAsLiterals()
{
    const auto tables = freshTables();
    QVERIFY2(tables->error().isEmpty(), qPrintable(tables->error()));
    auto db = Database::open(tables->forms());
    const QString insert = "INSERT INTO \"Form\" (\"RegNum\", \"OwnerName\", \"FormDate\", "
                           "\"Approved\") VALUES (?, ?, ?, ?)";
    db->execute(insert, {"N1", "O'Brien ? Sons", QDate(2011, 3, 17), true});
    db->execute(insert, {"N2", "O'Brien ? Sons", QDate(2011, 3, 18), true});
    db->createQuery("Query1",
                    "SELECT Count(\"RegNum\") AS \"NewCount\" FROM \"Form\" WHERE \"OwnerName\" "
                    "= ? AND \"FormDate\" <= ? AND \"Approved\" = ? AND \"RegNum\" <> '?'",
                    {"O'Brien ? Sons", QDate(2011, 3, 17), true});
    QCOMPARE(db->value("SELECT \"NewCount\" FROM \"Query1\"").toInt(), 1);
    QCOMPARE(db->value("SELECT count(*) FROM \"Form\"").toInt(), 2);
}

namespace {

// Holds an exclusive lock on the file from another connection for holdMs
// milliseconds (forever while holdMs < 0, until release is set).
void holdLock(const QString &path, int holdMs, std::promise<void> &locked,
              std::future<void> release)
{
    sqlite3 *other = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    locked.set_value();
    if (holdMs >= 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
    else
        release.wait();
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

}  // namespace

void DatabaseTest::shortLockIsWaitedOut()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(Schema::kFormsFile);
    Schema::createFormsFile(path);
    auto db = Database::open(path);
    std::promise<void> locked;
    std::promise<void> release;
    std::thread holder(holdLock, path, 800, std::ref(locked), release.get_future());
    locked.get_future().wait();
    QElapsedTimer timer;
    timer.start();
    db->execute("INSERT INTO Form (RegNum) VALUES (?)", {"N1"});
    const qint64 waited = timer.elapsed();
    holder.join();
    QVERIFY2(waited >= 400, qPrintable(QString::number(waited)));
    QCOMPARE(db->value("SELECT count(*) FROM Form").toInt(), 1);
}

void DatabaseTest::lastingLockIs3260()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(Schema::kFormsFile);
    Schema::createFormsFile(path);
    auto db = Database::open(path);
    std::promise<void> locked;
    std::promise<void> release;
    std::thread holder(holdLock, path, -1, std::ref(locked), release.get_future());
    locked.get_future().wait();
    int number = 0;
    try {
        db->execute("INSERT INTO Form (RegNum) VALUES (?)", {"N1"});
    } catch (const DbError &e) {
        number = e.number();
    }
    release.set_value();
    holder.join();
    QCOMPARE(number, int(EngineError::LockedByAnother));
    QCOMPARE(db->value("SELECT count(*) FROM Form").toInt(), 0);
}

void DatabaseTest::transactionRollsBack()
{
    const auto tables = freshTables();
    QVERIFY2(tables->error().isEmpty(), qPrintable(tables->error()));
    auto db = Database::open(tables->forms());
    const QString insert = "INSERT INTO \"aircraft\" (\"Make\", \"Model\") VALUES (?, ?)";
    db->beginTransaction();
    db->execute(insert, {"Cessna", "172"});
    db->rollback();
    QCOMPARE(db->value("SELECT count(*) FROM \"aircraft\"").toInt(), 0);
    db->beginTransaction();
    db->execute(insert, {"Cessna", "172"});
    db->commit();
    QCOMPARE(db->value("SELECT count(*) FROM \"aircraft\"").toInt(), 1);
}

void DatabaseTest::fileReplacedWhileOpen_data()
{
    QTest::addColumn<QString>("replacement");  // what the folder's path leads to afterwards
    QTest::addColumn<bool>("written");
    QTest::newRow("the same files again (a share that reconnected)") << "copy" << true;
    QTest::newRow("nothing") << "none" << false;
    QTest::newRow("a folder without the file") << "empty" << false;
}

void DatabaseTest::fileReplacedWhileOpen()
{
    QFETCH(QString, replacement);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString folder = dir.filePath("share");
    const QString moved = dir.filePath("share.before");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/" + Schema::kFormsFile;
    Schema::createFormsFile(path);
    auto db = Database::open(path, Schema::formsFileTables());
    db->execute("INSERT INTO Form (RegNum) VALUES (?)", {"N1"});

    // The folder is replaced under the open file, which now points at what was moved away.
    QVERIFY(QDir().rename(folder, moved));
    if (replacement != QLatin1String("none"))
        QVERIFY(QDir().mkpath(folder));
    if (replacement == QLatin1String("copy"))
        QVERIFY(QFile::copy(moved + "/" + Schema::kFormsFile, path));

    QString message;
    try {
        db->execute("INSERT INTO Form (RegNum) VALUES (?)", {"N2"});
    } catch (const DbError &error) {
        message = error.message();
    }
    if (written) {
        QVERIFY2(message.isEmpty(), qPrintable(message));
        QCOMPARE(db->value("SELECT group_concat(RegNum) FROM Form").toString(), QString("N1,N2"));
        QSqlDatabase check = QSqlDatabase::addDatabase("QSQLITE", "replacedCheck");
        check.setDatabaseName(path);
        QVERIFY(check.open());
        QSqlQuery query(check);
        QVERIFY(query.exec("SELECT count(*) FROM Form") && query.next());
        QCOMPARE(query.value(0).toInt(), 2);  // on the file at the path, not the one moved away
        query.finish();
        check.close();
        check = QSqlDatabase();
        QSqlDatabase::removeDatabase("replacedCheck");
    } else {
        QVERIFY2(message.contains("replaced") && message.contains(path), qPrintable(message));
        QVERIFY2(!QFile::exists(path), "an empty file was made in place of the missing one");
        // The share comes back: the next write reaches it.
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(moved + "/" + Schema::kFormsFile, path));
        db->execute("INSERT INTO Form (RegNum) VALUES (?)", {"N3"});
        QCOMPARE(db->value("SELECT group_concat(RegNum) FROM Form").toString(), QString("N1,N3"));
    }
}

void DatabaseTest::deletedPasswordLeavesNoTrace_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("journalMode");
    QTest::newRow("inspectors' file") << QString(Schema::kAgentsFile) << "delete";
    QTest::newRow("forms file") << QString(Schema::kFormsFile) << "persist";
}

void DatabaseTest::deletedPasswordLeavesNoTrace()
{
    // A deleted inspector's password is overwritten in the file and no journal keeps it.
    QFETCH(QString, file);
    QFETCH(QString, journalMode);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    if (file == QLatin1String(Schema::kAgentsFile))
        Schema::createAgentsFile(path);
    else
        Schema::createFormsFile(path);
    auto db = Database::open(path);
    QCOMPARE(db->value("PRAGMA journal_mode").toString(), journalMode);
    QCOMPARE(db->value("PRAGMA secure_delete").toInt(), 1);
    if (file != QLatin1String(Schema::kAgentsFile))
        return;
    const QByteArray secret("Zq7-unforgettable-42");
    db->execute("INSERT INTO Agents (Name, Password) VALUES (?, ?)",
                {"Ann Lee", QString::fromLatin1(secret)});
    db->execute("UPDATE Agents SET ApprovalNumber = ? WHERE Name = ?", {"DMIR-1", "Ann Lee"});
    db->execute("DELETE FROM Agents WHERE Name = ?", {"Ann Lee"});
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY2(!f.readAll().contains(secret),
                 qPrintable(name + " still holds the deleted password"));
    }
}

void DatabaseTest::failureIsLoggedInWordsWithoutValues()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(Schema::kAgentsFile);
    Schema::createAgentsFile(path);
    const QString logFolder = dir.filePath("state");
    EngineLog::setFolder(logFolder);
    struct Quiet
    {
        ~Quiet() { EngineLog::setFolder({}); }
    } quiet;
    // A full log is kept as the one old log.
    QVERIFY(QDir().mkpath(logFolder));
    writeBytes(logFolder + "/" + EngineLog::kFileName, QByteArray(EngineLog::kRotateSize, 'o'));

    auto db = Database::open(path);
    db->execute("PRAGMA query_only = 1");
    QString message;
    try {
        db->execute("INSERT INTO Agents (Name, Password) VALUES (?, ?)", {"Ann Lee", "Zq7-secret"});
    } catch (const DbError &error) {
        message = error.message();
        QCOMPARE(error.file(), path);
    }
    QVERIFY2(message.contains(path) && message.contains("readonly"), qPrintable(message));
    QVERIFY2(!message.contains("INSERT") && !message.contains("Agents"), qPrintable(message));

    QFile log(logFolder + "/" + EngineLog::kFileName);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray logged = log.readAll();
    QVERIFY2(logged.contains("INSERT INTO Agents (Name, Password) VALUES (?, ?)"),
             logged.constData());
    QVERIFY(logged.contains(path.toUtf8()));
    QVERIFY(!logged.contains("Zq7-secret") && !logged.contains("Ann Lee"));
    QCOMPARE(QFileInfo(logFolder + "/" + EngineLog::kFileName + ".1").size(),
             EngineLog::kRotateSize);
    QCOMPARE(log.permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
}

REGISTER_TEST(DatabaseTest)

#include "DatabaseTest.moc"
