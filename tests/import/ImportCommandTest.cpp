#include "ImportTestSupport.h"
#include "common/TestRegistry.h"

#include "data/Database.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace ImportTest;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the program itself, without a display, as an administrator's script would.
Run form337(const QStringList &arguments, const QString &dataHome = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (!dataHome.isEmpty())
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(FORM337_PROGRAM), arguments);
    Run run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

int formCount(const QString &folder)
{
    return Database::open(folder + QStringLiteral("/Form337.mdb"))
        ->value(QStringLiteral("SELECT count(*) FROM Form"))
        .toInt();
}

}  // namespace

class ImportCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void importsIntoTheNamedFolder()
    {
        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("old"));
        QVERIFY(copyFixtures(old));
        const auto before = folderChecksums(old);
        const QString data = dir.filePath(QStringLiteral("data"));

        const Run first = form337(
            {QStringLiteral("--import-access"), old, QStringLiteral("--data-folder"), data});
        QVERIFY2(first.exitCode == 0, qPrintable(first.out + first.err));
        QVERIFY(first.out.contains(QStringLiteral("The Access data was imported.")));
        const int forms = fixtureRowCount(QStringLiteral("Form337.mdb"), QStringLiteral("Form"));
        // The old settings' Windows path is shown.
        QVERIFY(
            first.out.contains(fixtureColumn(QStringLiteral("setup337.mdb"),
                                             QStringLiteral("Setup"), QStringLiteral("DataPath"))
                                   .first()));
        QCOMPARE(formCount(data), forms);

        // Everything is already there: nothing added, and still everything imported.
        const Run second = form337(
            {QStringLiteral("--import-access"), old, QStringLiteral("--data-folder"), data});
        QVERIFY2(second.exitCode == 0, qPrintable(second.out + second.err));
        QCOMPARE(formCount(data), forms);
        QCOMPARE(folderChecksums(old), before);
    }

    void withoutADataFolderUsesTheSettings()
    {
        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("old"));
        QVERIFY(copyFixtures(old));
        // No settings yet: the program folder is the data folder.
        const QString dataHome = dir.filePath(QStringLiteral("home"));
        const Run run = form337({QStringLiteral("--import-access"), old}, dataHome);
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QCOMPARE(formCount(dataHome + QStringLiteral("/form337")),
                 fixtureRowCount(QStringLiteral("Form337.mdb"), QStringLiteral("Form")));
    }

    void problemsEndWithStatusOne()
    {
        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("old"));
        QVERIFY(copyFixtures(old));
        QVERIFY(QFile::remove(old + QStringLiteral("/FAAForm337A.mdb")));
        const QString data = dir.filePath(QStringLiteral("data"));
        const Run run = form337(
            {QStringLiteral("--import-access"), old, QStringLiteral("--data-folder"), data});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.contains(QStringLiteral("FAAForm337A.mdb")));
        QVERIFY(run.out.contains(QStringLiteral("Nothing was imported")));
        QVERIFY(!QFileInfo::exists(data));
    }

    void argumentsNotUnderstoodEndWithStatusTwo()
    {
        const Run noFolder = form337({QStringLiteral("--import-access")});
        QCOMPARE(noFolder.exitCode, 2);
        const Run extra = form337(
            {QStringLiteral("--import-access"), QStringLiteral("a"), QStringLiteral("b")});
        QCOMPARE(extra.exitCode, 2);
        QVERIFY(extra.err.contains(QStringLiteral("--import-access FOLDER")));
    }
};

REGISTER_TEST(ImportCommandTest)

#include "ImportCommandTest.moc"
