#include "BrokenFilesTest.h"
#include "common/TestRegistry.h"

#include "FileFaults.h"
#include "access/AdminPanel.h"
#include "common/TestWindow.h"
#include "data/DbError.h"
#include "form/FormScreen.h"
#include "setup/SetupPanel.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Every stored mark the list offers, read to its end (start-up reads only its first piece).
int listedMarks(QComboBox *combo)
{
    while (combo->model()->canFetchMore({}))
        combo->model()->fetchMore({});
    return combo->count();
}

enum class Outcome {
    StartsNormally,    // no message, the data bound and listed
    EndsWithMessage,   // the settings file: a message naming it, then the program ends
    SetupWithMessage,  // a data file: a message naming it, the set-up panel open
    SetupPanel,        // a data file missing: the set-up panel open to pick the folder
};

const QString kForms = QStringLiteral("Form337.mdb");
const QString kAgents = QStringLiteral("FAAForm337A.mdb");
const QString kSettings = QStringLiteral("setup337.mdb");

// A folder in use: the data folder stored, a few hundred forms (so that the forms
// file spans many pages) and some inspectors.
void fillInstallation(TestWindow &t)
{
    t.install();
    t.open();
    t.window.reset();
    auto forms = Database::open(t.folder + QLatin1Char('/') + kForms);
    forms->beginTransaction();
    for (int i = 0; i < 300; ++i)
        forms->execute(
            QStringLiteral("INSERT INTO Form (RegNum, Make, Model, Back) VALUES (?, ?, ?, ?)"),
            {QStringLiteral("N%1").arg(i), QStringLiteral("Piper"), QStringLiteral("PA-28"),
             QStringLiteral("Replaced the left wing spar. ").repeated(20)});
    forms->commit();
    for (int i = 0; i < 5; ++i)
        t.exec(
            kAgents,
            QStringLiteral("INSERT INTO Agents (Name, Password, ApprovalNumber) VALUES (?, ?, ?)"),
            {QStringLiteral("Inspector %1").arg(i), QStringLiteral("pw%1").arg(i),
             QStringLiteral("DMIR-%1").arg(i)});
}

}  // namespace

Q_DECLARE_METATYPE(Outcome)

void BrokenFilesTest::startup_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<Outcome>("outcome");
    for (const QString &kind : {QStringLiteral("empty"), QStringLiteral("truncated"),
                                QStringLiteral("garbage"), QStringLiteral("garbage after header"),
                                QStringLiteral("jet"), QStringLiteral("locked")}) {
        QTest::addRow("%s %s", qPrintable(kSettings), qPrintable(kind))
            << kSettings << kind << Outcome::EndsWithMessage;
        for (const QString &file : {kForms, kAgents})
            QTest::addRow("%s %s", qPrintable(file), qPrintable(kind))
                << file << kind << Outcome::SetupWithMessage;
    }
    for (const QString &file : {kSettings, kForms, kAgents})
        QTest::addRow("%s locked briefly", qPrintable(file))
            << file << "locked briefly" << Outcome::StartsNormally;
    // A missing settings file is a new installation that finds the data in the program folder.
    QTest::addRow("%s missing", qPrintable(kSettings))
        << kSettings << "missing" << Outcome::StartsNormally;
    QTest::addRow("%s missing", qPrintable(kForms)) << kForms << "missing" << Outcome::SetupPanel;
    QTest::addRow("%s missing", qPrintable(kAgents)) << kAgents << "missing" << Outcome::SetupPanel;
}

void BrokenFilesTest::startup()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(Outcome, outcome);
    TestWindow t;
    fillInstallation(t);
    const QString path = t.folder + QLatin1Char('/') + file;

    std::unique_ptr<FileFaults::LockHolder> lock;
    if (kind.startsWith(QLatin1String("locked"))) {
        lock = std::make_unique<FileFaults::LockHolder>(
            path, kind == QLatin1String("locked") ? 120 : 1.5);
        QVERIFY2(lock->isHolding(), "the sqlite3 shell could not lock the file");
    } else {
        QVERIFY(FileFaults::breakFile(path, kind));
    }
    const auto before = FileFaults::checksums(t.folder);

    Form1 &w = t.open();
    lock.reset();

    const auto after = FileFaults::checksums(t.folder);
    for (const QString &name : FileFaults::kFiles) {
        if (!before.value(name).isEmpty())
            QVERIFY2(after.value(name) == before.value(name), qPrintable(name + " was changed"));
    }
    switch (outcome) {
    case Outcome::StartsNormally:
        QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.texts().join(" | ")));
        QCOMPARE(t.endCalls, 0);
        QVERIFY(w.Panel3D7->isHidden());
        QCOMPARE(listedMarks(w.Panel3D1->Combo1[0]), 300);
        QCOMPARE(w.AgentPasswords.size(), 5);
        break;
    case Outcome::EndsWithMessage:
        QCOMPARE(t.endCalls, 1);
        QCOMPARE(t.messages.asked.size(), 1);
        QVERIFY2(t.messages.lastText().contains(file), qPrintable(t.messages.lastText()));
        break;
    case Outcome::SetupWithMessage:
        QCOMPARE(t.endCalls, 0);
        QCOMPARE(t.messages.asked.size(), 1);
        QVERIFY2(t.messages.lastText().contains(file), qPrintable(t.messages.lastText()));
        QVERIFY(!w.Panel3D7->isHidden());
        QCOMPARE(w.Panel3D7->frontIndicator(), 0);
        break;
    case Outcome::SetupPanel:
        QCOMPARE(t.endCalls, 0);
        QVERIFY(!w.Panel3D7->isHidden());
        QCOMPARE(w.Panel3D7->frontIndicator(), 0);
        break;
    }
}

void BrokenFilesTest::abandonedTransactionIsRolledBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("work");
    QTest::addColumn<QString>("journal");
    const QList<std::pair<QString, QString>> works{
        {kForms, "UPDATE Form SET Back = Back || Back;"},
        // Enough rows for the changes to spill into the file.
        {kAgents, "UPDATE Agents SET Password = Password || 'x'; INSERT INTO Agents (Name) SELECT "
                  "printf('n%05d', value)"
                  " FROM generate_series(1, 3000);"},
        {kSettings, "UPDATE Setup SET TopShift = 99; INSERT INTO Setup (DataPath) SELECT "
                    "printf('%0500d', value)"
                    " FROM generate_series(1, 300);"},
    };
    // A journal deleted after each commit (other programs), and one kept with its
    // header cleared (this program's own).
    for (const QString &journal : {QStringLiteral("DELETE"), QStringLiteral("PERSIST")}) {
        for (const auto &[file, work] : works)
            QTest::addRow("%s, %s journal", qPrintable(file), qPrintable(journal))
                << file << work << journal;
    }
}

void BrokenFilesTest::abandonedTransactionIsRolledBack()
{
    // Another program dies in the middle of a transaction that has already written
    // into the file (a one-page cache spills every change): its journal is left hot.
    QFETCH(QString, file);
    QFETCH(QString, work);
    QFETCH(QString, journal);
    TestWindow t;
    fillInstallation(t);
    const QString path = t.folder + QLatin1Char('/') + file;
    {
        FileFaults::LockHolder other(
            path, 60, QStringLiteral("PRAGMA cache_size = 1; ") + work,
            QStringLiteral("PRAGMA journal_mode = %1; BEGIN EXCLUSIVE").arg(journal));
        QVERIFY(other.isHolding());
        other.killNow();
    }
    QVERIFY2(QFileInfo(path + QStringLiteral("-journal")).size() > 0, "no journal was left behind");
    Form1 &w = t.open();
    QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.texts().join(" | ")));
    QCOMPARE(t.endCalls, 0);
    QVERIFY(w.Panel3D7->isHidden());
    for (Recordset *rs : {&w.Data1, &w.Data3, &w.Data5, &w.Data10})
        QVERIFY2(rs->isOpen(), qPrintable(rs->name()));
    QCOMPARE(listedMarks(w.Panel3D1->Combo1[0]), 300);
    QCOMPARE(w.AgentPasswords.size(), 5);
    QCOMPARE(w.AgentPasswords.value(4), QStringLiteral("pw4"));
    QCOMPARE(t.value(kSettings, QStringLiteral("SELECT TopShift FROM Setup")).toInt(), 0);
    QCOMPARE(t.value(kForms, QStringLiteral("SELECT max(length(Back)) FROM Form")).toInt(),
             QStringLiteral("Replaced the left wing spar. ").repeated(20).size());
    for (const QString &name : FileFaults::kFiles)
        QCOMPARE(t.value(name, QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
}

void BrokenFilesTest::readOnlyFileRefusesWrites()
{
    TestWindow t;
    fillInstallation(t);
    const QString path = t.folder + QLatin1Char('/') + kForms;
    if (!FileFaults::setImmutable(path, true))
        QSKIP("chattr +i is not allowed here");
    struct Release
    {
        QString path;
        ~Release() { FileFaults::setImmutable(path, false); }
    } release{path};
    const auto before = FileFaults::checksums(t.folder);

    Form1 &w = t.open();
    QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.texts().join(" | ")));
    QCOMPARE(listedMarks(w.Panel3D1->Combo1[0]), 300);
    try {
        w.Data1.addNew();
        w.Data1.setField(QStringLiteral("RegNum"), QStringLiteral("N999"));
        w.Data1.update();
        QFAIL("a read-only file took a new record");
    } catch (const DbError &error) {
        QCOMPARE(error.number(), int(EngineError::ReadOnly));
        QVERIFY2(error.message().contains(kForms)
                     && !error.message().contains(QStringLiteral("INSERT")),
                 qPrintable(error.message()));
        w.Data1.cancelUpdate();
    }
    // The period counts cannot run on it either: the boxes do not keep older numbers.
    AdminPanel *admin = w.SSPanel3;
    for (QLineEdit *box : admin->Text48)
        box->setText(QStringLiteral("7"));
    admin->Text47[11]->setText(QStringLiteral("March 01, 2001"));
    admin->Text47[13]->setText(QStringLiteral("March 31, 2001"));
    admin->SSCommand14->click();
    for (QLineEdit *box : admin->Text48)
        QCOMPARE(box->text(), QString());
    QCOMPARE(t.messages.asked.size(), 1);
    QVERIFY(t.messages.lastText().contains(kForms, Qt::CaseInsensitive));
    QVERIFY2(t.messages.lastText().contains(QStringLiteral("read-only")),
             qPrintable(t.messages.lastText()));
    QCOMPARE(FileFaults::checksums(t.folder), before);
}

void BrokenFilesTest::fullDiskRefusesWrites()
{
    TestWindow t;
    fillInstallation(t);
    Form1 &w = t.open();
    const auto before = FileFaults::checksums(t.folder);
    // The disk is full: the file may not grow by a single page.
    auto forms = Database::open(t.folder + QLatin1Char('/') + kForms);
    const int pages = forms->value(QStringLiteral("PRAGMA page_count")).toInt();
    forms->execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
    try {
        w.Data1.addNew();
        w.Data1.setField(QStringLiteral("RegNum"), QStringLiteral("N999"));
        w.Data1.setField(QStringLiteral("Back"), QString(60000, u'w'));
        w.Data1.update();
        QFAIL("a full disk took a new record");
    } catch (const DbError &error) {
        QCOMPARE(error.number(), int(EngineError::DiskFull));
        // Said in words: the file and the engine's reason, not the statement.
        QVERIFY2(error.message().contains(kForms)
                     && !error.message().contains(QStringLiteral("INSERT")),
                 qPrintable(error.message()));
    }
    QCOMPARE(FileFaults::checksums(t.folder), before);

    // Space again: the record still in the buffer is written and nothing else is lost.
    forms->execute(QStringLiteral("PRAGMA max_page_count = 1073741823"));
    w.Data1.update();
    QCOMPARE(t.value(kForms, QStringLiteral("SELECT count(*) FROM Form")).toInt(), 301);
    QCOMPARE(t.value(kForms, QStringLiteral("PRAGMA integrity_check")).toString(),
             QStringLiteral("ok"));
}

REGISTER_TEST(BrokenFilesTest)
