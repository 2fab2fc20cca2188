#include "access/AdminPanel.h"
#include "access/SignInPanel.h"
#include "app/CommandLine.h"
#include "app/DataBinding.h"
#include "app/HelpWindow.h"
#include "app/PanelDragger.h"
#include "app/Version.h"
#include "common/TestRegistry.h"
#include "common/TestWindow.h"
#include "data/DataFolder.h"
#include "data/Recordset.h"
#include "data/ServerAddress.h"
#include "form/FormScreen.h"
#include "form/LogbookEntry.h"
#include "import/ImportHandlers.h"
#include "print/PrintHandlers.h"
#include "search/FindPanel.h"
#include "setup/MailingAddressBox.h"
#include "setup/ServerBox.h"
#include "setup/SetupHandlers.h"
#include "setup/SetupPanel.h"
#include "ui/ControlText.h"
#include "ui/LazyListModel.h"
#include "ui/ListFill.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextBrowser>
#include <QTreeView>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray checksum(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QStringList items(const QComboBox *combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

void writeGarbage(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    // The first bytes of an old Access file, then noise.
    f.write(QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 19));
    f.write(QByteArray(4096, '\x5a'));
}

// Makes nested folders under base so that the longest data-file path in the last one
// takes exactly the given number of bytes; returns that folder.
QString folderWithDataPathBytes(const QString &base, int bytes)
{
    QString folder = QFileInfo(base).canonicalFilePath();
    int missing = bytes - DataFolder::dataFilePathBytes(folder);
    while (missing > 0) {
        // A separator and at least one letter take two bytes; the last byte lengthens a name.
        if (missing == 1)
            folder += QLatin1Char('d');
        else
            folder += QLatin1Char('/') + QString(qMin(missing - 1, 200), QLatin1Char('d'));
        missing = bytes - DataFolder::dataFilePathBytes(folder);
    }
    QDir().mkpath(folder);
    return folder;
}

}  // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void firstRunCreatesFilesAndStoresProgramFolder()
    {
        TestWindow t;
        Form1 &w = t.open();
        for (const char *name : {"setup337.mdb", "Form337.mdb", "FAAForm337A.mdb"})
            QVERIFY2(QFile::exists(t.folder + QLatin1Char('/') + QLatin1String(name)), name);
        QCOMPARE(t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString(),
                 t.folder + QLatin1Char('/'));
        QCOMPARE(t.value("setup337.mdb", "SELECT TopShift FROM Setup").toInt(), 0);
        QCOMPARE(t.value("FAAForm337A.mdb", "SELECT Organ1 FROM Defaults").toString(),
                 QStringLiteral("1"));
        QCOMPARE(t.endCalls, 0);
        QVERIFY(t.messages.asked.isEmpty());

        // The sign-in panel covers the form screen; the other panels are hidden.
        QVERIFY(!w.SSPanel1->isHidden());
        QVERIFY(w.Panel3D3->isHidden());
        QVERIFY(w.Panel3D4->isHidden());
        QVERIFY(w.Panel3D7->isHidden());
        QCOMPARE(w.windowTitle(), QStringLiteral("FAA Form 337"));
        QCOMPARE(w.Command3D18->text(), QStringLiteral("Set-up"));
        QVERIFY(!w.Command3D13->isEnabled());
        QVERIFY(!w.Command3D15->isEnabled());
        QVERIFY(!w.Command3D19->isEnabled());
        QVERIFY(w.Command3D27->isEnabled());
        QVERIFY(w.Command3D14->isEnabled());
        QVERIFY(!w.Command3D16->isEnabled());
        QVERIFY(!w.Command3D17->isEnabled());
        QCOMPARE(w.NewFormFlag, 1);
        // No form and an empty agency table: item 6 keeps its placeholders and no kind is chosen.
        QCOMPARE(w.Panel3D1->Text7[0]->text(), QStringLiteral("Name"));
        QCOMPARE(w.Panel3D1->Text7[2]->text(), QStringLiteral("City & State"));
        QCOMPARE(FormScreen::selectedIndex(w.Panel3D1->Option2), -1);
        QCOMPARE(w.Panel3D1->List1->currentRow(), 0);
        // An empty agency table gets a blank record begun for the set-up boxes.
        QCOMPARE(w.Data10.editMode(), Recordset::EditMode::Add);
    }

    void listsAndItemSixFillFromTheData()
    {
        TestWindow t;
        t.install();
        t.exec("Form337.mdb",
               "INSERT INTO Form (RegNum, AgencyName, AgencyAdd1, AgencyKind) VALUES (?,?,?,?)",
               {"N123", "Old Agency", "1 Old Road", 4});
        t.exec("Form337.mdb",
               "INSERT INTO Form (RegNum, AgencyName, AgencyAdd1, AgencyAdd2, AgencyAdd3, "
               "AgencyCert, AgencyKind)"
               " VALUES (?,?,?,?,?,?,?)",
               {"N45\"Q", "Sky Repair", "9 Field Rd", "Tulsa, OK", "74101 USA", "RS-9", 3});
        t.exec("Form337.mdb", "INSERT INTO aircraft (Make, Model) VALUES ('Piper', 'PA-28'), "
                              "('Cessna', '172'), ('Cessna', '182')");
        t.exec("FAAForm337A.mdb",
               "INSERT INTO Agents (Name, Password, ApprovalNumber, Administrator) VALUES"
               " ('Zoe', 'pw1', 'A-1', -1), (NULL, 'x', 'y', 0), ('Adam', NULL, 'A-2', 0)");
        Form1 &w = t.open();
        FormScreen *f = w.Panel3D1;
        QCOMPARE(items(f->Combo1[0]), (QStringList{"N123", "N45\"Q"}));
        QCOMPARE(items(f->Combo1[1]), (QStringList{"Cessna", "Piper"}));
        // Names in table order, a Null name left out, the four lists parallel.
        const QStringList names{"Zoe", "Adam"};
        QCOMPARE(items(w.SSPanel1->Combo4), names);
        QCOMPARE(items(f->Combo3), names);
        QCOMPARE(items(f->Combo5), names);
        QCOMPARE(items(w.SSPanel3->Combo6), names);
        QCOMPARE(w.AgentPasswords, (QStringList{"pw1", ""}));
        QCOMPARE(w.AgentApprovalNumbers, (QStringList{"A-1", "A-2"}));
        // Item 6 from the newest form.
        QCOMPARE(f->Text7[0]->text(), QStringLiteral("Sky Repair"));
        QCOMPARE(f->Text7[2]->text(), QStringLiteral("Tulsa, OK"));
        QCOMPARE(f->Text7[3]->text(), QStringLiteral("74101 USA"));
        QCOMPARE(f->Text7[4]->text(), QStringLiteral("RS-9"));
        QVERIFY(f->Option2[3]->isChecked());
        QVERIFY(w.Data1.hasCurrent());
        QCOMPARE(w.Data1.text("RegNum"), QStringLiteral("N123"));  // back on the first record
    }

    void itemSixFromTheAgencyRecord_data()
    {
        QTest::addColumn<QVariant>("add2");
        QTest::addColumn<QVariant>("add3");
        QTest::addColumn<QVariant>("zip");
        QTest::addColumn<QVariant>("kind");
        QTest::addColumn<QString>("line2");
        QTest::addColumn<QString>("line3");
        QTest::addColumn<int>("option");
        QTest::newRow("complete") << QVariant("Wichita") << QVariant("KS") << QVariant("67201")
                                  << QVariant(1) << "Wichita, KS"
                                  << "67201 USA" << 1;
        QTest::newRow("no state") << QVariant("Wichita") << QVariant() << QVariant("67201")
                                  << QVariant() << "City & State"
                                  << "67201 USA" << 2;
        QTest::newRow("no zip") << QVariant("Wichita") << QVariant("KS") << QVariant()
                                << QVariant(0) << "Wichita, KS"
                                << "Zip & Country" << 0;
    }

    void itemSixFromTheAgencyRecord()
    {
        QFETCH(QVariant, add2);
        QFETCH(QVariant, add3);
        QFETCH(QVariant, zip);
        QFETCH(QVariant, kind);
        TestWindow t;
        t.install();
        t.exec("Form337.mdb",
               "INSERT INTO Agency (AgencyName, AgencyAdd1, AgencyAdd2, AgencyAdd3, AgencyCert, "
               "Rating1,"
               " Rating2, AgencyKind) VALUES ('Prairie Air', '5 Main', ?, ?, 'C-77', ?, 'USA', ?)",
               {add2, add3, zip, kind});
        Form1 &w = t.open();
        QCOMPARE(w.Panel3D1->Text7[0]->text(), QStringLiteral("Prairie Air"));
        QTEST(w.Panel3D1->Text7[2]->text(), "line2");
        QTEST(w.Panel3D1->Text7[3]->text(), "line3");
        QCOMPARE(w.Panel3D1->Text7[4]->text(), QStringLiteral("C-77"));
        QFETCH(int, option);
        QVERIFY(w.Panel3D1->Option2[option]->isChecked());
        QVERIFY(w.Panel3D7->Command2->isEnabled());
    }

    void missingDataFilesOpenTheSetupPanel_data()
    {
        QTest::addColumn<QString>("present");
        QTest::newRow("no files") << "";
        QTest::newRow("only the forms file") << "Form337.mdb";
    }

    void missingDataFilesOpenTheSetupPanel()
    {
        QFETCH(QString, present);
        TestWindow t;
        t.install();
        QTemporaryDir data;
        if (!present.isEmpty())
            QVERIFY(QFile::copy(t.folder + QLatin1Char('/') + present,
                                data.path() + QLatin1Char('/') + present));
        t.exec("setup337.mdb", "UPDATE Setup SET DataPath = ?", {data.path() + QLatin1Char('/')});
        Form1 &w = t.open();
        QVERIFY(!w.Panel3D7->isHidden());
        QCOMPARE(w.Panel3D7->frontIndicator(), 0);
        QCOMPARE(w.Command3D18->text(), QStringLiteral("Save"));
        QVERIFY(!w.Command3D12->isEnabled());
        QCOMPARE(w.Panel3D1->Combo1[0]->count(), 0);
        QCOMPARE(w.SSPanel1->Combo4->count(), 0);
        QCOMPARE(w.Panel3D7->Dir1->path(), data.path());
        // The stored folder is kept for the user to correct.
        QCOMPARE(t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString(),
                 data.path() + QLatin1Char('/'));
    }

    void invalidPathFallsBackToTheProgramFolder()
    {
        TestWindow t;
        t.install();
        t.exec("setup337.mdb", "UPDATE Setup SET DataPath = ?", {t.folder + "/no/such/folder/"});
        Form1 &w = t.open();
        QCOMPARE(t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString(),
                 t.folder + QLatin1Char('/'));
        QVERIFY(w.Panel3D7->isHidden());
        QVERIFY(w.Data1.isOpen());
    }

    void namesMatchWithoutRegardToCase()
    {
        TestWindow t;
        Schema::createSettingsFile(t.folder + "/SETUP337.MDB");
        Schema::createFormsFile(t.folder + "/form337.MDB");
        Schema::createAgentsFile(t.folder + "/faaform337a.mdb");
        Form1 &w = t.open();
        QVERIFY(w.Panel3D7->isHidden());
        // Nothing created beside them (SQLite keeps a journal beside a file written to).
        QCOMPARE(QDir(t.folder).entryList({"*.mdb", "*.MDB"}, QDir::Files).size(), 3);
        QVERIFY(w.datSecondaryRS.databaseName().endsWith("FORM337.MDB"));
        w.datSecondaryRS.refresh();  // the doubled separator and the other case reach the same file
        QCOMPARE(w.datSecondaryRS.database().get(), w.Data1.database().get());
    }

    // The set-up panel's server choice, on a database of the test server.
    void choosingAServer_data()
    {
        QTest::addColumn<QString>("server");   // what the boxes name
        QTest::addColumn<QString>("message");  // the start of what is said; empty: nothing
        QTest::addColumn<bool>("bound");
        QTest::newRow("reachable") << "test"
                                   << "" << true;
        QTest::newRow("unreachable") << "no socket"
                                     << "The database server /no/such/socket:5432/" << false;
        QTest::newRow("no database named") << "no database"
                                           << "This server cannot be used: the address names no "
                                              "database."
                                           << true;
    }

    void choosingAServer()
    {
        QFETCH(QString, server);
        QFETCH(QString, message);
        QFETCH(bool, bound);
        TestTables tables(TestEngine::Server);
        QVERIFY2(tables.fresh(), qPrintable(tables.error()));
        Database::open(tables.forms())->execute("INSERT INTO Agents (Name) VALUES ('Kim')");
        std::optional<ServerAddress> address = ServerAddress::fromUri(tables.forms(), nullptr);
        QVERIFY(address);
        if (server == QLatin1String("no socket"))
            address->host = QStringLiteral("/no/such/socket");
        else if (server == QLatin1String("no database"))
            address->database.clear();

        TestWindow t;
        t.install();
        Form1 &w = t.open();
        w.setupHandlers().Command3D18_Click();
        ServerBox *box = w.Panel3D7->dataSource;
        box->optServer->click();
        box->showAddress(*address);
        box->cmdConnectServer->click();
        QCOMPARE(t.messages.lastText().left(message.size()), message);
        const QString stored = t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString();
        if (server == QLatin1String("no database")) {
            // Refused before anything changed: the folder stays bound.
            QCOMPARE(stored, t.folder + QLatin1Char('/'));
            QVERIFY(w.dataFolderLabel->text().startsWith(QLatin1String("Data folder: ")));
            return;
        }
        // Kept for the user to correct when it cannot be reached.
        QCOMPARE(stored, address->toUri());
        QCOMPARE(w.Panel3D7->frontIndicator(), bound ? 1 : 0);
        QVERIFY(!w.Panel3D7->isHidden());
        if (!bound)
            return;
        QCOMPARE(w.dataFolderLabel->text(), "Database server: " + address->displayName());
        QCOMPARE(items(w.SSPanel1->Combo4), QStringList{"Kim"});
        // The Access import writes data files: refused while the forms are on the server.
        t.messages.clear();
        w.importHandlers().importAccessData(t.folder);
        QVERIFY(t.messages.lastText().startsWith("The forms are kept on the database server"));
        QCOMPARE(t.messages.asked.size(), 1);
        // Closing the panel keeps the server; the data folder choice goes back to the folder.
        w.setupHandlers().Command3D18_Click();
        QVERIFY(w.Panel3D7->isHidden());
        QCOMPARE(t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString(),
                 address->toUri());
        w.setupHandlers().Command3D18_Click();
        QVERIFY(box->optServer->isChecked());
        box->optDataFolder->click();
        QCOMPARE(t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString(),
                 t.folder + QLatin1Char('/'));
        QVERIFY(w.SSPanel1->Combo4->count() == 0);
    }

    void choosingTheStoredFolderChangesNothing()
    {
        TestWindow t;
        Form1 &w = t.open();
        w.NewFormFlag = 0;
        w.Panel3D7->showIndicator(0);
        w.Panel3D7->Dir1->setPath(t.folder);
        QCOMPARE(w.Panel3D7->frontIndicator(), 1);
        QCOMPARE(w.NewFormFlag, 0);  // not rebound
    }

    void choosingAnotherFolderRebinds()
    {
        TestWindow t;
        Form1 &w = t.open();
        QTemporaryDir other;
        Schema::createFormsFile(other.path() + "/Form337.mdb");
        Schema::createAgentsFile(other.path() + "/FAAForm337A.mdb");
        Database::open(other.path() + "/FAAForm337A.mdb")
            ->execute("INSERT INTO Agents (Name) VALUES ('Kim')");
        w.NewFormFlag = 0;
        w.Panel3D7->Dir1->setPath(other.path());
        QCOMPARE(t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString(),
                 other.path() + QLatin1Char('/'));
        QCOMPARE(w.NewFormFlag, 1);
        QCOMPARE(items(w.SSPanel1->Combo4), QStringList{"Kim"});
        QCOMPARE(w.Panel3D7->frontIndicator(), 1);
    }

    void folderPathTooLongForTheEngine_data()
    {
        QTest::addColumn<int>("excess");  // bytes of the data-file paths beyond the engine's limit
        QTest::addColumn<bool>("atStart");  // stored before start, else chosen in the set-up panel
        QTest::newRow("at the limit, stored") << 0 << true;
        QTest::newRow("one byte over, stored") << 1 << true;
        QTest::newRow("at the limit, chosen") << 0 << false;
        QTest::newRow("one byte over, chosen") << 1 << false;
        QTest::newRow("well within the setting's length, chosen") << 300 << false;
    }

    void folderPathTooLongForTheEngine()
    {
        QFETCH(int, excess);
        QFETCH(bool, atStart);
        TestWindow t;
        t.install();
        QTemporaryDir base;
        const QString folder
            = folderWithDataPathBytes(base.path(), DataFolder::longestEnginePath() + excess);
        QCOMPARE(DataFolder::dataFilePathBytes(folder), DataFolder::longestEnginePath() + excess);
        // The files are made in a short folder and moved in: the engine could not make them there.
        QTemporaryDir spare;
        Schema::createFormsFile(spare.path() + "/Form337.mdb");
        Schema::createAgentsFile(spare.path() + "/FAAForm337A.mdb");
        Database::open(spare.path() + "/FAAForm337A.mdb")
            ->execute("INSERT INTO Agents (Name) VALUES ('Kim')");
        for (const char *name : {"Form337.mdb", "FAAForm337A.mdb"})
            QVERIFY(QFile::rename(spare.path() + '/' + name, folder + '/' + name));

        if (atStart)
            t.exec("setup337.mdb", "UPDATE Setup SET DataPath = ?", {folder + '/'});
        Form1 &w = t.open();
        if (!atStart)
            w.Panel3D7->Dir1->setPath(folder);
        const QString stored = t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString();
        if (excess <= 0) {
            QVERIFY(t.messages.asked.isEmpty());
            QCOMPARE(stored, folder + '/');
            QCOMPARE(items(w.SSPanel1->Combo4), QStringList{"Kim"});
            QCOMPARE(w.Panel3D7->frontIndicator(), 1);
            return;
        }
        // Refused with the limit named; never bound elsewhere in silence.
        QCOMPARE(t.messages.asked.size(), 1);
        QVERIFY(t.messages.lastText().contains(QString::number(DataFolder::longestEnginePath())));
        QVERIFY(w.SSPanel1->Combo4->findText("Kim") < 0);
        if (atStart) {
            QCOMPARE(stored, folder + '/');  // kept for the user to correct
            QVERIFY(!w.Panel3D7->isHidden());
            QCOMPARE(w.Panel3D7->frontIndicator(), 0);
        } else {
            QCOMPARE(stored, t.folder + '/');  // the bound folder stays bound
            QCOMPARE(w.Panel3D7->frontIndicator(), 1);
            QVERIFY(w.Data1.isOpen());
        }
    }

    void rootFolderIsStoredWithOneSeparator()
    {
        TestWindow t;
        Form1 &w = t.open();
        w.Panel3D7->Dir1->setPath(QStringLiteral("/"));
        QCOMPARE(t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString(),
                 QStringLiteral("/"));
        // No data files at the root: the set-up panel is open to pick another folder.
        QVERIFY(!w.Panel3D7->isHidden());
        QCOMPARE(w.Panel3D7->frontIndicator(), 0);
    }

    void setupPanelOpensThenSavesAndCloses()
    {
        TestWindow t;
        t.install();
        t.exec("Form337.mdb", "INSERT INTO Agency (AgencyName, AgencyAdd2, Rating1, Rating2) "
                              "VALUES ('Acme', 'Ames', NULL, 'USA')");
        Form1 &w = t.open();
        SetupPanel *p = w.Panel3D7;
        w.Command3D18->click();
        QVERIFY(!p->isHidden());
        QCOMPARE(w.Command3D18->text(), QStringLiteral("Save"));
        for (QPushButton *b :
             {w.Command3D15, w.Command3D27, w.Command3D14, w.Command3D19, w.Command3D13,
              w.Command3D12, w.Command3D17, w.Command3D16, w.SSCommand3})
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        // The folder tree opens at the data folder, once the tree has read its folders.
        auto *tree = p->Dir1->findChild<QTreeView *>();
        auto *model = qobject_cast<QFileSystemModel *>(tree->model());
        QTRY_COMPARE(model->filePath(tree->currentIndex()), t.folder);
        QVERIFY(tree->isExpanded(tree->currentIndex().parent()));
        // The printer choice shows no save symbol.
        QVERIFY(p->Command3D29->icon().cacheKey()
                != p->style()->standardIcon(QStyle::SP_DialogSaveButton).cacheKey());
        QCOMPARE(p->Text8[0]->text(), QStringLiteral("Acme"));
        QCOMPARE(p->Text8[6]->text(), QString());  // Null zip shows empty
        QCOMPARE(p->Dir1->path(), t.folder);
        QCOMPARE(p->frontIndicator(), 1);
        p->Text8[4]->setText(QStringLiteral("O'Hare \"RS\" 5"));
        // The FAA addresses: today's by default; a changed one is stored, today's stays Null.
        QLineEdit *faa = p->mailingAddresses->txtFaaAddress;
        QLineEdit *fuel = p->mailingAddresses->txtFaaFuelTankAddress;
        QVERIFY(faa->text().contains(QStringLiteral("P.O. Box 25504, Oklahoma City, OK 73125")));
        QVERIFY(fuel->text().contains(QStringLiteral("P.O. Box 25724, Oklahoma City, OK 73125")));
        fuel->setText(QStringLiteral("P.O. Box 1, Oklahoma City, OK 73101"));
        QWidget *logbook = p->findChild<QWidget *>("txtLogbookTemplate");
        QCOMPARE(controlText(logbook), LogbookEntry::defaultTemplate());
        setControlText(logbook, QStringLiteral("{mark}\n{date}"));
        QVERIFY(p->chkPrintChecklist->isChecked());
        QVERIFY(w.printHandlers().checklistWanted());
        p->chkPrintChecklist->setChecked(false);

        w.Command3D18->click();  // the second click saves and closes
        QVERIFY(p->isHidden());
        QCOMPARE(w.Command3D18->text(), QStringLiteral("Set-up"));
        QVERIFY(w.SSCommand3->isEnabled());
        QVERIFY(w.Command3D27->isEnabled());
        QVERIFY(w.Command3D12->isEnabled());
        QVERIFY(!w.Command3D13->isEnabled());
        QVERIFY(!w.Command3D16->isEnabled());
        QCOMPARE(t.value("Form337.mdb", "SELECT AgencyCert FROM Agency").toString(),
                 QStringLiteral("O'Hare \"RS\" 5"));
        const QVariant zip = t.value("Form337.mdb", "SELECT Rating1 FROM Agency");
        QVERIFY(!zip.isNull());
        QCOMPARE(zip.toString(), QString());
        QCOMPARE(t.value("Form337.mdb", "SELECT count(*) FROM Agency").toInt(), 1);
        QCOMPARE(t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString(),
                 t.folder + QLatin1Char('/'));
        QVERIFY(t.value("setup337.mdb", "SELECT FaaAddress FROM Setup").isNull());
        QCOMPARE(t.value("setup337.mdb", "SELECT FaaFuelTankAddress FROM Setup").toString(),
                 QStringLiteral("P.O. Box 1, Oklahoma City, OK 73101"));
        QCOMPARE(t.value("setup337.mdb", "SELECT LogbookTemplate FROM Setup").toString(),
                 QStringLiteral("{mark}\n{date}"));
        QVERIFY(!w.printHandlers().checklistWanted());
        w.Command3D18->click();
        QCOMPARE(fuel->text(), QStringLiteral("P.O. Box 1, Oklahoma City, OK 73101"));
        fuel->clear();  // an emptied box goes back to today's address
        w.Command3D18->click();
        QVERIFY(t.value("setup337.mdb", "SELECT FaaFuelTankAddress FROM Setup").isNull());
        w.Command3D18->click();
        QVERIFY(fuel->text().contains(QStringLiteral("P.O. Box 25724")));
    }

    void agencyChangedOnAnotherWorkstationStaysInThePanel()
    {
        TestWindow t;
        t.install();
        t.exec("Form337.mdb", "INSERT INTO Agency (AgencyName) VALUES ('Acme')");
        Form1 &w = t.open();
        SetupPanel *p = w.Panel3D7;
        w.Command3D18->click();
        p->Text8[4]->setText(QStringLiteral("RS-9"));
        Recordset other;
        other.setDatabaseName(t.folder + "/Form337.mdb");
        other.setTable(QStringLiteral("Agency"));
        other.refresh();
        other.edit();
        other.setField(QStringLiteral("AgencyName"), QStringLiteral("Acme Aero"));
        other.update();

        // Refused and said so; the panel stays open with what was typed.
        w.Command3D18->click();
        QCOMPARE(t.messages.asked.size(), 1);
        QVERIFY2(t.messages.lastText().contains(QStringLiteral("on another workstation")),
                 qPrintable(t.messages.lastText()));
        QVERIFY(!p->isHidden());
        QCOMPARE(p->Text8[4]->text(), QStringLiteral("RS-9"));
        QCOMPARE(t.value("Form337.mdb", "SELECT AgencyName FROM Agency").toString(),
                 QStringLiteral("Acme Aero"));
        QVERIFY(t.value("Form337.mdb", "SELECT AgencyCert FROM Agency").isNull());

        // Saved again, knowingly, what is on screen is stored.
        w.Command3D18->click();
        QCOMPARE(t.messages.asked.size(), 1);
        QVERIFY(p->isHidden());
        QCOMPARE(t.value("Form337.mdb", "SELECT AgencyCert FROM Agency").toString(),
                 QStringLiteral("RS-9"));
        QCOMPARE(t.value("Form337.mdb", "SELECT count(*) FROM Agency").toInt(), 1);
    }

    void deletingTheOnlyAgencyBeginsABlankOne()
    {
        TestWindow t;
        t.install();
        t.exec("Form337.mdb", "INSERT INTO Agency (AgencyName) VALUES ('Acme')");
        Form1 &w = t.open();
        w.Command3D18->click();
        w.Panel3D7->Command2->click();
        QVERIFY(!w.Panel3D7->Command2->isEnabled());
        QCOMPARE(t.value("Form337.mdb", "SELECT count(*) FROM Agency").toInt(), 0);
        QCOMPARE(w.Panel3D7->Text8[0]->text(), QString());
        w.Panel3D7->Text8[0]->setText(QStringLiteral("Beta Aero"));
        w.Command3D18->click();
        QCOMPARE(t.value("Form337.mdb", "SELECT AgencyName FROM Agency").toString(),
                 QStringLiteral("Beta Aero"));
    }

    void printerChoiceIsKept()
    {
        TestWindow t;
        Form1 &w = t.open();
        w.setupHandlers().choosePrinter = [](QWidget *) {
            return QStringLiteral("Office Laser");
        };
        w.Panel3D7->Command3D29->click();
        QCOMPARE(w.selectedPrinterName, QStringLiteral("Office Laser"));
    }

    void exitAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes ends") << true;
        QTest::newRow("no stays") << false;
    }

    void exitAsksFirst()
    {
        QFETCH(bool, yes);
        TestWindow t;
        Form1 &w = t.open();
        t.messages.script = {yes ? Msg::Answer::Yes : Msg::Answer::No};
        w.Command3D12->click();
        QCOMPARE(t.messages.lastText(),
                 QStringLiteral("Are you sure you want to exit? Have you saved your form?"));
        QCOMPARE(t.messages.asked.last().buttons, Msg::Buttons::YesNo);
        QCOMPARE(t.messages.asked.last().icon, Msg::Icon::Question);
        QCOMPARE(t.endCalls, yes ? 1 : 0);
    }

    // F1 shows the user guide, whatever panel has the focus; its About button tells the
    // version and where the files are.
    void f1ShowsTheVersionAndFolders()
    {
        TestWindow t;
        Form1 &w = t.open();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, Qt::Key_F1);
        QVERIFY(w.helpWindow && w.helpWindow->isVisible());
        const QString guide = w.helpWindow->guide->toPlainText();
        for (const char *section :
             {"First start", "Daily use", "Statistics", "Where the data lives", "Moving data",
              "What the messages mean"})
            QVERIFY2(guide.contains(QLatin1String(section)), section);
        // The guide's pictures are shipped with it.
        QVERIFY(!w.helpWindow->guide
                     ->loadResource(QTextDocument::ImageResource,
                                    QUrl(QStringLiteral("screenshots/sign-in.png")))
                     .isNull());
        QVERIFY(t.messages.asked.isEmpty());
        w.helpWindow->findChild<QPushButton *>(QStringLiteral("about"))->click();
        QCOMPARE(t.messages.asked.size(), 1);
        QCOMPARE(t.messages.asked.last().title, QStringLiteral("About FAA Form 337"));
        QVERIFY(t.messages.lastText().contains(
            QStringLiteral("Version %1").arg(QLatin1String(kProgramVersion))));
        QVERIFY(t.messages.lastText().contains(t.folder));
        QCOMPARE(t.endCalls, 0);
    }

    // Options print and end; anything the program does not know is refused, never
    // taken as no option (which would start the window).
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("shows");
        const QString version = QStringLiteral("form337 %1\n").arg(QLatin1String(kProgramVersion));
        const auto row = [](const char *name, const QStringList &args, CommandLine::Action action,
                            const QString &shows) {
            QTest::newRow(name) << (QStringList{QStringLiteral("form337")} + args) << int(action)
                                << shows;
        };
        row("none", {}, CommandLine::Action::StartWindow, {});
        row("--version", {"--version"}, CommandLine::Action::ShowVersion, version);
        row("-v", {"-v"}, CommandLine::Action::ShowVersion, version);
        row("--help", {"--help"}, CommandLine::Action::ShowHelp, "--version");
        row("-h", {"-h"}, CommandLine::Action::ShowHelp, "--help");
        row("unknown option", {"--bogus"}, CommandLine::Action::Refuse, "'bogus'");
        row("value on a flag", {"--version=2"}, CommandLine::Action::Refuse, "--version");
        row("stray argument", {"Form337.mdb"}, CommandLine::Action::Refuse, "'Form337.mdb'");
        row("stray after option", {"--version", "x"}, CommandLine::Action::Refuse, "'x'");
        row("help names the import", {"--help"}, CommandLine::Action::ShowHelp,
            "--import-access <FOLDER>");
        row("data folder alone", {"--data-folder", "/tmp"}, CommandLine::Action::Refuse,
            "--import-access");
        row("import", {"--import-access", "/old"}, CommandLine::Action::ImportAccess, {});
        row("help before an import", {"--help", "--import-access", "/old"},
            CommandLine::Action::ShowHelp, "--import-access <FOLDER>");
        row("import of no folder", {"--import-access="}, CommandLine::Action::Refuse,
            "--import-access FOLDER");
        row("server set-up", {"--init-server", "postgresql://db.example/forms"},
            CommandLine::Action::InitServer, {});
        row("server set-up of no address", {"--init-server="}, CommandLine::Action::Refuse,
            "--init-server ADDRESS");
        row("server set-up with an import",
            {"--init-server", "postgresql://h/d", "--import-access", "/old"},
            CommandLine::Action::Refuse, "one at a time");
        row("copy", {"--copy-data", "/data", "postgresql://h/d"}, CommandLine::Action::CopyData,
            {});
        row("copy without a target", {"--copy-data", "/data"}, CommandLine::Action::Refuse,
            "--copy-data needs");
        row("copy with a third place", {"--copy-data", "/a", "/b", "/c"},
            CommandLine::Action::Refuse, "'/c'");
        row("copy with a server set-up",
            {"--copy-data", "/a", "/b", "--init-server", "postgresql://h/d"},
            CommandLine::Action::Refuse, "one at a time");
        row("help names the server set-up", {"--help"}, CommandLine::Action::ShowHelp,
            "--init-server <ADDRESS>");
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(QString, shows);
        const CommandLine commandLine(arguments);
        QCOMPARE(int(commandLine.action()), action);
        QCOMPARE(commandLine.exitCode(),
                 commandLine.action() == CommandLine::Action::Refuse ? 2 : 0);
        if (shows.isEmpty())
            QVERIFY(commandLine.text().isEmpty());
        else if (shows.endsWith(QLatin1Char('\n')))
            QCOMPARE(commandLine.text(), shows);
        else
            QVERIFY2(commandLine.text().contains(shows), qPrintable(commandLine.text()));
        if (commandLine.action() == CommandLine::Action::Refuse)
            QVERIFY(commandLine.text().contains(QStringLiteral("form337 --help")));
    }

    void findPanelDrag()
    {
        TestWindow t;
        Form1 &w = t.open();
        w.show();
        QWidget *panel = w.Panel3D3;
        panel->move(100, 80);
        panel->show();
        // The right button neither grabs nor moves.
        QTest::mousePress(panel, Qt::RightButton, {}, QPoint(10, 10));
        QTest::mouseMove(panel, QPoint(60, 40));
        QTest::mouseRelease(panel, Qt::RightButton, {}, QPoint(60, 40));
        QCOMPARE(panel->pos(), QPoint(100, 80));
        // A release without moving leaves the panel where it was.
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(panel->pos(), QPoint(100, 80));
        // A drag moves the panel by the pointer's travel.
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(10, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), panel->mapToGlobal(QPointF(40, 30)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel, &move);
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(40, 30));
        QCOMPARE(panel->pos(), QPoint(130, 100));
    }

    // The registration marks grow with the stored forms: start-up reads one piece of the
    // list, the rest comes as the list is scrolled, and typing completes from every mark.
    void longMarkListIsReadAsItIsShown()
    {
        TestWindow t;
        t.install();
        t.exec("Form337.mdb", "INSERT INTO Form (RegNum) WITH RECURSIVE n(i) AS (SELECT 1 UNION "
                              "ALL SELECT i + 1 FROM n WHERE i < 450) SELECT printf('N%04d', i) "
                              "FROM n UNION ALL SELECT 'n0002'");
        t.exec("Form337.mdb", "UPDATE Form SET Make = 'Piper' WHERE RegNum = 'N0440'");
        Form1 &w = t.open();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QComboBox *mark = w.Panel3D1->Combo1[0];
        QCOMPARE(mark->count(), LazyListModel::kPiece);
        QCOMPARE(mark->itemText(0), QStringLiteral("N0001"));

        // A stored mark takes its place at once where the list has been read; one further
        // on comes with its piece, once.
        ListFill::insertSorted(mark, QStringLiteral("N0001A"));
        ListFill::insertSorted(mark, QStringLiteral("N0300A"));
        t.exec("Form337.mdb", "INSERT INTO Form (RegNum) VALUES ('N0001A'), ('N0300A')");
        QCOMPARE(mark->itemText(1), QStringLiteral("N0001A"));
        // Scrolling the dropped-down list to its end reads on.
        mark->showPopup();
        mark->view()->scrollToBottom();
        QTRY_VERIFY(mark->count() > LazyListModel::kPiece + 1);
        mark->hidePopup();
        while (mark->model()->canFetchMore({}))
            mark->model()->fetchMore({});
        QStringList expected;
        for (int i = 1; i <= 450; ++i)
            expected << QStringLiteral("N%1").arg(i, 4, 10, QLatin1Char('0'));
        expected.insert(1, QStringLiteral("N0001A"));
        expected.insert(expected.indexOf("N0300") + 1, QStringLiteral("N0300A"));
        QCOMPARE(items(mark), expected);  // "n0002" is the same mark as "N0002"

        // Typing offers marks the list has not read, and changes nothing typed; a pick
        // from the offer is a pick from the list: the aircraft's latest form is copied.
        // Unsaved changes on screen are asked about first, as for a pick from the list.
        w.SetDataPaths();
        QCOMPARE(mark->count(), LazyListModel::kPiece);
        mark->setFocus();
        mark->lineEdit()->clear();
        QTest::keyClicks(mark->lineEdit(), QStringLiteral("n044"));
        QCOMPARE(mark->lineEdit()->text(), QStringLiteral("n044"));
        setControlText(w.Panel3D1->Text2[0], QStringLiteral("Changed Owner"));
        auto *offer = mark->findChild<QCompleter *>();
        QTRY_VERIFY(offer->popup()->isVisible());
        QCOMPARE(offer->completionCount(), 10);
        const qsizetype askedBefore = t.messages.asked.size();
        t.messages.script << Msg::Answer::Discard;
        QTest::keyClick(offer->popup(), Qt::Key_Down);
        QCOMPARE(mark->lineEdit()->text(), QStringLiteral("n044"));  // walked, not picked
        QTest::keyClick(offer->popup(), Qt::Key_Return);
        QCOMPARE(t.messages.asked.size(), askedBefore + 1);
        QCOMPARE(t.messages.asked.last().buttons, Msg::Buttons::SaveDiscardCancel);
        QCOMPARE(mark->lineEdit()->text(), QStringLiteral("N0440"));
        QCOMPARE(mark->itemText(mark->currentIndex()), QStringLiteral("N0440"));
        QCOMPARE(w.Panel3D1->Combo1[1]->currentText(), QStringLiteral("Piper"));
        // The mark picked ahead of the part read is listed once when that part is read.
        while (mark->model()->canFetchMore({}))
            mark->model()->fetchMore({});
        QCOMPARE(items(mark), expected);
    }

    void pickingAStoredMarkOffersSave()
    {
        TestWindow t;
        t.install();
        t.exec("Form337.mdb",
               "INSERT INTO Form (RegNum, Make, Model) VALUES ('N77', 'Piper', 'PA-28')");
        Form1 &w = t.open();
        QComboBox *mark = w.Panel3D1->Combo1[0];
        QVERIFY(!w.Command3D13->isEnabled());
        mark->setCurrentIndex(0);
        emit mark->activated(0);  // the user picks the mark from the list
        QCOMPARE(w.Panel3D1->Combo1[1]->currentText(), QStringLiteral("Piper"));
        QVERIFY(w.Command3D13->isEnabled());
    }

    void firstStartThatCannotMakeItsFilesSaysWhy_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("named");  // in the message
        // A file-size limit stands in for a full disk: the engine reports the refused write.
        QTest::newRow("disk refuses to write") << "full"
                                               << "Program files not created"
                                               << "disk I/O error";
        QTest::newRow("folder cannot be made") << "no folder"
                                               << "Program files not created"
                                               << "Cannot create";
    }

    void firstStartThatCannotMakeItsFilesSaysWhy()
    {
        QFETCH(QString, cause);
        QFETCH(QString, title);
        QFETCH(QString, named);
        TestWindow t;
        struct rlimit before
        { };
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &before) == 0);
        if (cause == QLatin1String("full")) {
            // No file may grow past half a page: the files of a new installation cannot be written.
            ::signal(SIGXFSZ, SIG_IGN);
            struct rlimit full = before;
            full.rlim_cur = 2048;
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &full) == 0);
        } else {
            QFile blocker(t.folder + "/not-a-folder");
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            t.folder = blocker.fileName() + "/form337";
        }
        t.open();
        ::setrlimit(RLIMIT_FSIZE, &before);
        QCOMPARE(t.endCalls, 1);
        QCOMPARE(t.messages.asked.size(), 1);
        QVERIFY2(t.messages.asked[0].title == title && t.messages.lastText().contains(named),
                 qPrintable(t.messages.asked[0].title + ": " + t.messages.lastText()));
        QVERIFY(!QFile::exists(t.folder + "/setup337.mdb"));
    }

    void corruptSettingsFileEndsWithAMessage()
    {
        TestWindow t;
        writeGarbage(t.folder + "/setup337.mdb");
        const QByteArray before = checksum(t.folder + "/setup337.mdb");
        t.open();
        QCOMPARE(t.endCalls, 1);
        QCOMPARE(t.messages.asked.size(), 1);
        QVERIFY(t.messages.lastText().contains("setup337.mdb"));
        QCOMPARE(checksum(t.folder + "/setup337.mdb"), before);
        QVERIFY(!QFile::exists(t.folder + "/Form337.mdb"));  // nothing made in its place
    }

    void corruptDataFileIsNamedAndLeftAlone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("fault");
        QTest::newRow("forms") << "Form337.mdb"
                               << "garbage";
        QTest::newRow("agents") << "FAAForm337A.mdb"
                                << "garbage";
        QTest::newRow("forms, a folder of that name") << "Form337.mdb"
                                                      << "folder";
        QTest::newRow("agents, a folder of that name") << "FAAForm337A.mdb"
                                                       << "folder";
        QTest::newRow("forms, no read permission") << "Form337.mdb"
                                                   << "unreadable";
    }

    void corruptDataFileIsNamedAndLeftAlone()
    {
        QFETCH(QString, file);
        QFETCH(QString, fault);
        TestWindow t;
        t.install();
        const QString path = t.folder + QLatin1Char('/') + file;
        if (fault == "unreadable") {
            if (::geteuid() == 0)
                QSKIP("File permissions do not stop the superuser; the folder rows cover an "
                      "unopenable file.");
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        } else {
            QFile::remove(path);
            if (fault == "folder")
                QVERIFY(QDir().mkpath(path));
            else
                writeGarbage(path);
        }
        const QByteArray before = checksum(t.folder + QLatin1Char('/') + file);
        Form1 &w = t.open();
        QCOMPARE(t.endCalls, 0);
        QCOMPARE(t.messages.asked.size(), 1);
        QVERIFY(t.messages.lastText().contains(file));
        QVERIFY(!w.Panel3D7->isHidden());
        // The folder named in the settings is kept, not swapped for another in silence.
        QCOMPARE(t.value("setup337.mdb", "SELECT DataPath FROM Setup").toString(),
                 t.folder + QLatin1Char('/'));
        QCOMPARE(w.Panel3D7->frontIndicator(), 0);
        QCOMPARE(checksum(t.folder + QLatin1Char('/') + file), before);
    }
};

REGISTER_TEST(StartupTest)
#include "StartupTest.moc"
