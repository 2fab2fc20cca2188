#include "ProcessesTest.h"
#include "common/TestRegistry.h"

#include "DriverProcess.h"
#include "FileFaults.h"
#include "access/AdminPanel.h"
#include "app/AppContext.h"
#include "app/Form1.h"
#include "common/ScriptedMessages.h"
#include "common/TestWindow.h"
#include "data/Database.h"
#include "data/DbError.h"
#include "form/FormHandlers.h"
#include "form/FormScreen.h"
#include "form/FormTestSupport.h"
#include "reports/StatisticsHandlers.h"
#include "setup/SetupPanel.h"
#include "ui/Clock.h"

#include <QComboBox>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// The program started on the folder as a user would start it: no message, no end,
// the data bound. Returns what went wrong, empty when it started normally.
QString startsNormally(const QString &folder)
{
    ScriptedMessages messages;
    FixedClock clock(QDate(2001, 3, 5));
    int ends = 0;
    AppContext context;
    context.programFolder = folder;
    context.messages = &messages;
    context.clock = &clock;
    context.endProgram = [&ends] {
        ++ends;
    };
    Form1 window(context);
    window.activate();
    if (!messages.asked.isEmpty())
        return messages.texts().join(QStringLiteral(" | "));
    if (ends != 0)
        return QStringLiteral("the program ended");
    if (!window.Panel3D7->isHidden() || !window.Data1.isOpen()) {
        QString why;
        try {
            window.Data1.refresh();
        } catch (const DbError &error) {
            why = QStringLiteral("%1 %2").arg(error.number()).arg(error.message());
        }
        return QStringLiteral("the data files were not bound (set-up panel %1, forms %2: %3)")
            .arg(window.Panel3D7->isHidden() ? "hidden" : "open",
                 window.Data1.isOpen() ? "open" : "closed", why);
    }
    return {};
}

// True when the file's rollback journal is hot: the program was killed between the
// first write of a transaction and the end of its commit (a journal kept between
// commits has its header cleared once the commit is done).
bool journalIsHot(const QString &databasePath)
{
    QFile journal(databasePath + QStringLiteral("-journal"));
    if (!journal.open(QIODevice::ReadOnly))
        return false;
    static const QByteArray kMagic("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
    return journal.read(8) == kMagic;
}

QString integrityOf(const QString &path)
{
    return Database::open(path)->value(QStringLiteral("PRAGMA integrity_check")).toString();
}

}  // namespace

void ProcessesTest::initTestCase()
{
    if (!QFileInfo(DriverProcess::program()).isExecutable())
        QSKIP("the reliability driver was not built");
}

void ProcessesTest::killedAtRandomMomentsLosesNothing()
{
    const int kills = fromEnvironment("FORM337_KILLS", 5);
    // FORM337_EARLY_KILLS: every kill within the first 300 ms, while the program starts.
    const bool earlyOnly = qEnvironmentVariableIsSet("FORM337_EARLY_KILLS");
    QTemporaryDir dir;
    const QString folder = dir.path();
    ExpectedForms expected;
    QRandomGenerator random(20010305);
    int formsChecked = 0, savesReported = 0, deletesReported = 0, killed = 0, insideCommit = 0,
        underWay = 0;
    for (int run = 1; run <= kills; ++run) {
        DriverProcess driver;
        driver.start({QStringLiteral("crash"), folder, QString::number(run)});
        // Now and then during start-up, mostly in the middle of saving.
        driver.killAfter(earlyOnly || run % 5 == 0 ? int(random.bounded(300u))
                                                   : 400 + int(random.bounded(2500u)));
        QVERIFY2(driver.exitStatus() == QProcess::CrashExit,
                 "the driver ended before it was killed");
        ++killed;
        const QList<QJsonObject> lines = driver.lines();
        for (const QJsonObject &line : lines) {
            QVERIFY2(line.value("op").toString() != QLatin1String("message"),
                     qPrintable(line.value("text").toString()));
            savesReported += line.value("op").toString() == QLatin1String("saved");
            deletesReported += line.value("op").toString() == QLatin1String("deleted");
        }
        if (!lines.isEmpty()) {
            const QString last = lines.last().value("op").toString();
            underWay += last == QLatin1String("saving") || last == QLatin1String("deleting");
        }
        insideCommit += journalIsHot(folder + QStringLiteral("/Form337.mdb"))
                        || journalIsHot(folder + QStringLiteral("/FAAForm337A.mdb"));
        expected.take(lines);

        // The first start may have been killed before it made any file.
        if (!QFile::exists(folder + QStringLiteral("/setup337.mdb")))
            continue;
        const QString problem = startsNormally(folder);
        if (!problem.isEmpty())
            dir.setAutoRemove(false);  // kept for a look at the files
        QVERIFY2(
            problem.isEmpty(),
            qPrintable(
                QStringLiteral("run %1: %2 (files kept in %3)").arg(run).arg(problem, folder)));
        for (const QString &file : FileFaults::kFiles)
            QCOMPARE(integrityOf(folder + QLatin1Char('/') + file), QStringLiteral("ok"));
        const QStringList faults
            = expected.check(folder + QStringLiteral("/Form337.mdb"), &formsChecked);
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QStringLiteral("run %1: %2").arg(run).arg(faults.join("; "))));
    }
    qInfo("kills survived: %d (%d inside a commit, %d with a save or delete under way), saves "
          "reported done: %d, "
          "deletes reported done: %d, forms checked field by field: %d (%lld distinct)",
          killed, insideCommit, underWay, savesReported, deletesReported, formsChecked,
          qint64(expected.forms().size()));
    QVERIFY(savesReported > 0);
}

void ProcessesTest::twoProgramsOnOneFolder()
{
    // Two programs save, edit (each other's forms too), delete and count on one folder.
    const int seconds = fromEnvironment("FORM337_SOAK_SECONDS", 10);
    TestWindow t;
    t.install();
    DriverProcess first, second;
    first.start({QStringLiteral("soak"), t.folder, QString::number(seconds), QStringLiteral("1")});
    second.start({QStringLiteral("soak"), t.folder, QString::number(seconds), QStringLiteral("2")});
    SharedEdits edits;
    int operations = 0, counts = 0;
    QVERIFY(DriverProcess::waitForAll({&first, &second}, (seconds + 60) * 1000));
    for (DriverProcess *driver : {&first, &second}) {
        const QList<QJsonObject> lines = driver->lines();
        QVERIFY2(driver->exitCode() == 0, qPrintable(driver->errorOutput()));
        QVERIFY(!lines.isEmpty() && lines.last().value("op").toString() == QLatin1String("done"));
        for (const QJsonObject &line : lines) {
            const QString op = line.value("op").toString();
            if (op == QLatin1String("counted")) {
                QCOMPARE(line.value("approvedRepairs").toInt(), line.value("expected").toInt());
                ++counts;
            }
            operations += op != QLatin1String("saving") && op != QLatin1String("deleting");
        }
        const QStringList faults = edits.take(lines);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    }
    const QStringList faults = edits.check(t.folder + QStringLiteral("/Form337.mdb"));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    QCOMPARE(edits.lostUpdates, 0);
    QCOMPARE(t.value("Form337.mdb", "PRAGMA integrity_check").toString(), QStringLiteral("ok"));
    qInfo("two programs, %d s: %d operations reported, %d saves, %d conflicts reported (%d "
          "changed, %d deleted "
          "meanwhile), %d deletes, %d counts right, %d lost updates",
          seconds, operations, edits.saves, edits.changedConflicts + edits.deletedConflicts,
          edits.changedConflicts, edits.deletedConflicts, edits.deletes, counts, edits.lostUpdates);
}

void ProcessesTest::lockThatClearsIsWaitedOut()
{
    TestWindow t;
    t.install();
    Form1 &w = t.open();
    FormTest::fillSavableForm(*w.Panel3D1);
    {
        // Another program writes for a second and a half while Save runs.
        FileFaults::LockHolder other(t.folder + QStringLiteral("/Form337.mdb"), 1.5);
        QVERIFY(other.isHolding());
        w.formHandlers().Command3D13_Click();
    }
    QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
    QCOMPARE(FormTest::formCount(t), 1);
    QCOMPARE(w.NewFormFlag, 0);
}

void ProcessesTest::countsWaitForAnotherWriter()
{
    // Another program is in the middle of saving a form when the period counts start:
    // they wait for it instead of failing, and count what it stored.
    TestWindow t;
    t.install();
    FormTest::insertForm(
        t, {{"RegNum", "N1"}, {"AirType1", -1}, {"Approved", -1}, {"FormDate", "2001-03-05"}});
    Form1 &w = t.open();
    AdminPanel *admin = w.SSPanel3;
    admin->Text47[11]->setText(QStringLiteral("January 01, 2001"));
    admin->Text47[13]->setText(QStringLiteral("December 31, 2001"));
    admin->Text48[0]->setText(QStringLiteral("-1"));
    {
        FileFaults::LockHolder other(
            t.folder + QStringLiteral("/Form337.mdb"), 1.5,
            QStringLiteral("INSERT INTO Form (RegNum, AirType1, Approved, FormDate)"
                           " VALUES ('N2', -1, -1, '2001-04-01');"),
            QStringLiteral("BEGIN IMMEDIATE"));
        QVERIFY(other.isHolding());
        w.statisticsHandlers().SSCommand14_Click();
    }
    QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
    QCOMPARE(admin->Text48[0]->text(), QStringLiteral("2"));
}

REGISTER_TEST(ProcessesTest)
