#include "FormTestSupport.h"
#include "common/TestRegistry.h"

#include "form/FormHandlers.h"

#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace FormTest;

// Run on both engines: the window on data files, and on a server database.
class SaveTest : public QObject
{
    Q_OBJECT
public:
    explicit SaveTest(TestEngine engine = TestEngine::File)
        : m_engine(engine)
    { }

private slots:
    void savesNewFormAndMakesItCurrent();
    void refusedFormWritesNothing();
    void agencySignerMismatchAsks_data();
    void agencySignerMismatchAsks();
    void aircraftPairAddedOnceEvenWhenRefused();
    void datesAndBlanks_data();
    void datesAndBlanks();
    void dateThatIsNoDateKeepsStoredValueOnEdit();
    void changedUnitKindKeepsEarlierKindsFields();
    void editOfOlderFormChangesThatForm();
    void tooLongEntryIsNamedAndNothingWritten_data();
    void tooLongEntryIsNamedAndNothingWritten();
    void lockedFileLeavesFormUnsaved();
    void formChangedOnAnotherWorkstation_data();
    void formChangedOnAnotherWorkstation();
    void replacedDataFolderIsReopened();

private:
    TestEngine m_engine;
};

void SaveTest::savesNewFormAndMakesItCurrent()
{
    TestWindow t(m_engine);
    t.install();
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    fillSavableForm(s);
    QCOMPARE(w.NewFormFlag, 1);

    // Typing a mark enables Save; the button runs the handler.
    s.Combo1[0]->lineEdit()->setText(QString());
    QTest::keyClicks(s.Combo1[0]->lineEdit(), "N123AB");
    QVERIFY(w.Command3D13->isEnabled());
    w.Command3D13->click();

    QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
    QCOMPARE(formCount(t), 1);
    QCOMPARE(storedField(t, "RegNum").toString(), QStringLiteral("N123AB"));
    QCOMPARE(storedField(t, "OwnerName").toString(), QStringLiteral("John Smith"));
    QCOMPARE(storedField(t, "AirType1").toInt(), -1);
    QCOMPARE(storedField(t, "AirType2").toInt(), 0);
    QVERIFY(storedField(t, "PowMake").isNull());  // an airframe writes no unit boxes
    QCOMPARE(storedField(t, "AgencyKind").toInt(), 2);
    QCOMPARE(storedField(t, "Approved").toInt(), -1);
    QCOMPARE(storedField(t, "ApprovedBy").toInt(), 4);
    QCOMPARE(storedField(t, "Rating3").toInt(), 0);
    QCOMPARE(storedField(t, "Back").toString(), QStringLiteral("Replaced left wing spar."));
    QCOMPARE(w.NewFormFlag, 0);
    QVERIFY(w.Command3D15->isEnabled());
    QVERIFY(!w.Command3D19->isEnabled());
    QVERIFY(w.Command3D13->isEnabled());
    QCOMPARE(w.Data1.text("RegNum"), QStringLiteral("N123AB"));

    // Saving again changes that same record.
    setControlText(s.Text2[0], QStringLiteral("Mary Smith"));
    s.Check2->setChecked(true);
    w.formHandlers().Command3D13_Click();
    QCOMPARE(formCount(t), 1);
    QCOMPARE(storedField(t, "OwnerName").toString(), QStringLiteral("Mary Smith"));
    QCOMPARE(storedField(t, "Rating3").toInt(), 1);
}

void SaveTest::refusedFormWritesNothing()
{
    TestWindow t(m_engine);
    t.install();
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    fillSavableForm(s);
    setControlText(s.Text2[1], FormTexts::Address);
    FormScreen::clearOptions(s.Option6);  // a later check would fail too
    w.formHandlers().Command3D13_Click();

    QCOMPARE(t.messages.asked.size(), 1);
    QCOMPARE(t.messages.asked[0].text,
             QStringLiteral("Enter Owner Address. Form will not be saved."));
    QCOMPARE(t.messages.asked[0].title, QStringLiteral("Questionable address."));
    QCOMPARE(formCount(t), 0);
    QCOMPARE(w.NewFormFlag, 1);
    QVERIFY(!w.Command3D15->isEnabled());
}

void SaveTest::agencySignerMismatchAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("stored");
    QTest::newRow("Yes saves") << int(Msg::Answer::Yes) << 1;
    QTest::newRow("No refuses") << int(Msg::Answer::No) << 0;
}

void SaveTest::agencySignerMismatchAsks()
{
    QFETCH(int, answer);
    QFETCH(int, stored);
    TestWindow t(m_engine);
    t.install();
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    fillSavableForm(s);
    s.Option2[0]->setChecked(true);
    setControlText(s.Text7[0], QStringLiteral("Jane Doe"));
    setControlText(s.Combo3, QStringLiteral("Jane Dow"));
    t.messages.script = {Msg::Answer(answer)};
    w.formHandlers().Command3D13_Click();

    QCOMPARE(t.messages.asked.size(), 1);
    QCOMPARE(t.messages.asked[0].text,
             QStringLiteral("Agency name and signer do not match. Do you wish to continue Save?"));
    QCOMPARE(t.messages.asked[0].title, QStringLiteral("Mismatched Information"));
    QCOMPARE(t.messages.asked[0].buttons, Msg::Buttons::YesNo);
    QCOMPARE(t.messages.asked[0].icon, Msg::Icon::Exclamation);
    QCOMPARE(formCount(t), stored);
    QCOMPARE(w.NewFormFlag, 1 - stored);
}

void SaveTest::aircraftPairAddedOnceEvenWhenRefused()
{
    TestWindow t(m_engine);
    t.install();
    t.exec("Form337.mdb", "INSERT INTO aircraft (Make, Model) VALUES ('Cessna', '172')");
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    fillSavableForm(s);
    // Quotes, an asterisk and a non-ASCII letter are ordinary characters.
    const QString make = QStringLiteral("O'Hare \"Aéro\"*");
    const QString model = QStringLiteral("Z-1 'Zé'");
    setControlText(s.Combo1[1], make);
    setControlText(s.Combo1[2], model);
    setControlText(s.Text2[0], QString());  // check 7 refuses

    for (int attempt = 0; attempt < 2; ++attempt)
        w.formHandlers().Command3D13_Click();

    QCOMPARE(t.messages.texts(), QStringList(2, "Enter the owner's name(s)as on the registration "
                                                "certificate. Form will not be saved."));
    QCOMPARE(t.messages.asked[0].title, QString());
    QCOMPARE(t.messages.asked[0].icon, Msg::Icon::None);
    QCOMPARE(formCount(t), 0);
    QCOMPARE(t.value("Form337.mdb", "SELECT count(*) FROM aircraft WHERE Make = ? AND Model = ?",
                     {make, model})
                 .toInt(),
             1);
    QCOMPARE(t.value("Form337.mdb", "SELECT count(*) FROM aircraft").toInt(), 2);
    QCOMPARE(items(s.Combo1[1]), (QStringList{"Cessna", make}));
    QCOMPARE(items(s.Combo1[2]), QStringList{model});
    // The lists grew without changing what the boxes show.
    QCOMPARE(s.Combo1[1]->currentText(), make);
    QCOMPARE(s.Combo1[2]->currentText(), model);

    // A known pair, in another case of letters, adds nothing.
    setControlText(s.Combo1[1], QStringLiteral("CESSNA"));
    setControlText(s.Combo1[2], QStringLiteral("172"));
    w.formHandlers().Command3D13_Click();
    QCOMPARE(t.value("Form337.mdb", "SELECT count(*) FROM aircraft").toInt(), 2);
}

void SaveTest::datesAndBlanks_data()
{
    QTest::addColumn<QString>("formDateText");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("formDate");  // empty: Null
    QTest::addColumn<QString>("storedSeries");
    QTest::addColumn<QString>("storedBack");

    QTest::newRow("long form date, texts kept") << "March 05, 2001"
                                                << "S"
                                                << "Work."
                                                << "2001-03-05"
                                                << "S"
                                                << "Work.";
    QTest::newRow("no date, empty series and description") << "next week"
                                                           << ""
                                                           << ""
                                                           << ""
                                                           << " "
                                                           << " ";
    QTest::newRow("empty date box") << ""
                                    << ""
                                    << "Work."
                                    << ""
                                    << " "
                                    << "Work.";
}

void SaveTest::datesAndBlanks()
{
    QFETCH(QString, formDateText);
    QFETCH(QString, series);
    QFETCH(QString, description);
    QFETCH(QString, formDate);
    QFETCH(QString, storedSeries);
    QFETCH(QString, storedBack);

    TestWindow t(m_engine);
    t.install();
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    fillSavableForm(s);
    setControlText(s.Text16, formDateText);
    setControlText(s.txtFaaSentDate, formDateText);  // the mailing date follows the same rule
    setControlText(s.txtFaaTracking, series);
    setControlText(s.Text1[1], series);
    setControlText(s.Text18, description);
    w.formHandlers().Command3D13_Click();

    QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
    QCOMPARE(formCount(t), 1);
    QCOMPARE(storedField(t, "FormDate").isNull(), formDate.isEmpty());
    QCOMPARE(storedField(t, "FormDate").toString(), formDate);
    QCOMPARE(storedField(t, "FaaSentDate").toString(), formDate);
    QCOMPARE(storedField(t, "FaaTracking").isNull(), series.isEmpty());  // empty: kept (Null)
    QCOMPARE(storedField(t, "ApproveDate").toString(), QStringLiteral("2001-03-06"));
    QCOMPARE(storedField(t, "Rating1").toString(), storedSeries);
    QCOMPARE(storedField(t, "Back").toString(), storedBack);
}

void SaveTest::dateThatIsNoDateKeepsStoredValueOnEdit()
{
    TestWindow t(m_engine);
    t.install();
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    fillSavableForm(s);
    w.formHandlers().Command3D13_Click();
    QCOMPARE(storedField(t, "FormDate").toString(), QStringLiteral("2001-03-05"));

    setControlText(s.Text16, QStringLiteral("soon"));
    w.formHandlers().Command3D13_Click();
    QVERIFY(t.messages.asked.isEmpty());
    QCOMPARE(formCount(t), 1);
    QCOMPARE(storedField(t, "FormDate").toString(), QStringLiteral("2001-03-05"));
}

void SaveTest::changedUnitKindKeepsEarlierKindsFields()
{
    TestWindow t(m_engine);
    t.install();
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    fillSavableForm(s);
    s.List1->setCurrentRow(1);  // Powerplant: the unit boxes are emptied
    setControlText(s.Text4[0], QStringLiteral("Lycoming"));
    setControlText(s.Text5, QStringLiteral("O-320"));
    setControlText(s.Text6, QStringLiteral("L-1"));
    s.Option1[1]->setChecked(true);
    w.formHandlers().Command3D13_Click();

    s.List1->setCurrentRow(2);  // Propeller
    setControlText(s.Text4[0], QStringLiteral("McCauley"));
    setControlText(s.Text5, QStringLiteral("1C160"));
    setControlText(s.Text6, QStringLiteral("P-2"));
    s.Option1[0]->setChecked(true);
    w.formHandlers().Command3D13_Click();

    QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
    QCOMPARE(formCount(t), 1);
    QCOMPARE(storedField(t, "PowType1").toInt(), 0);
    QCOMPARE(storedField(t, "PowType2").toInt(), -1);
    QCOMPARE(storedField(t, "PowMake").toString(), QStringLiteral("Lycoming"));
    QCOMPARE(storedField(t, "PowSerial").toString(), QStringLiteral("L-1"));
    QCOMPARE(storedField(t, "ProType1").toInt(), -1);
    QCOMPARE(storedField(t, "ProType2").toInt(), 0);
    QCOMPARE(storedField(t, "ProMake").toString(), QStringLiteral("McCauley"));
    QCOMPARE(storedField(t, "ProModel").toString(), QStringLiteral("1C160"));
    QVERIFY(storedField(t, "AirType1").isNull());
}

void SaveTest::editOfOlderFormChangesThatForm()
{
    // Two forms of one aircraft: Save of the older one on screen changes it, and a
    // second Save changes it again rather than the aircraft's newer form.
    TestWindow t(m_engine);
    t.install();
    insertForm(t, {{"RegNum", "N9"}, {"OwnerName", "Older"}});
    insertForm(t, {{"RegNum", "N9"}, {"OwnerName", "Newer"}});
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    w.Data1.moveFirst();
    w.NewFormFlag = 0;
    fillSavableForm(s);
    setControlText(s.Combo1[0], QStringLiteral("N9"));
    for (const char *owner : {"Older, changed", "Older, changed twice"}) {
        setControlText(s.Text2[0], QString::fromLatin1(owner));
        w.formHandlers().Command3D13_Click();
    }
    QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
    QCOMPARE(formCount(t), 2);
    QCOMPARE(
        t.value("Form337.mdb", "SELECT OwnerName FROM Form ORDER BY RecordId LIMIT 1").toString(),
        QStringLiteral("Older, changed twice"));
    QCOMPARE(storedField(t, "OwnerName").toString(), QStringLiteral("Newer"));
}

void SaveTest::tooLongEntryIsNamedAndNothingWritten_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("unitKind");
    QTest::addColumn<QString>("label");

    QTest::newRow("registration mark") << "Combo1(0)" << 21 << 0 << "Registration mark";
    QTest::newRow("owner's name") << "Text2(0)" << 256 << 0 << "Owner's name";
    QTest::newRow("agency certificate") << "Text7(4)" << 31 << 0 << "Agency certificate no.";
    QTest::newRow("powerplant make") << "Text4(0)" << 51 << 1 << "Unit make";
    QTest::newRow("appliance manufacturer") << "Text4(1)" << 51 << 3 << "Appliance manufacturer";
    QTest::newRow("FAA copy tracking") << "txtFaaTracking" << 101 << 0 << "Tracking";
    QTest::newRow("aircraft make, in the aircraft list first")
        << "Combo1(1)" << 41 << 0 << "Aircraft make";
}

void SaveTest::tooLongEntryIsNamedAndNothingWritten()
{
    QFETCH(QString, control);
    QFETCH(int, length);
    QFETCH(int, unitKind);
    QFETCH(QString, label);

    TestWindow t(m_engine);
    t.install();
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    fillSavableForm(s);
    if (unitKind != 0) {
        s.List1->setCurrentRow(unitKind);
        for (QLineEdit *box : {s.Text4[0], s.Text4[1], s.Text5, s.Text6})
            box->setText(QStringLiteral("X"));
    }
    QWidget *box = s.findChild<QWidget *>(control);
    QVERIFY(box);
    setControlText(box, QString(length, QLatin1Char('W')));
    w.formHandlers().Command3D13_Click();

    QCOMPARE(t.messages.asked.size(), 1);
    QCOMPARE(t.messages.asked[0].text, "The following field entry is too long: " + label);
    QCOMPARE(t.messages.asked[0].title, QStringLiteral("Field Entry Too Large"));
    QCOMPARE(t.messages.asked[0].buttons, Msg::Buttons::Ok);
    QCOMPARE(t.messages.asked[0].icon, Msg::Icon::None);
    QCOMPARE(formCount(t), 0);
    QCOMPARE(w.NewFormFlag, 1);
    QVERIFY(!w.Command3D15->isEnabled());
    QCOMPARE(controlText(box).size(), length);  // the form stays on screen as typed

    // Shortened, the same screen saves: nothing of the refused attempt is pending.
    setControlText(box, QStringLiteral("W"));
    t.messages.clear();
    w.formHandlers().Command3D13_Click();
    QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
    QCOMPARE(formCount(t), 1);
}

void SaveTest::lockedFileLeavesFormUnsaved()
{
    TestWindow t(m_engine);
    t.install();
    t.exec("Form337.mdb", "INSERT INTO aircraft (Make, Model) VALUES ('Cessna', '172')");
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    fillSavableForm(s);

    {
        // Another program holds the write lock of the forms file (the table on the server)
        // past the wait.
        QSqlDatabase other;
        if (m_engine == TestEngine::Server) {
            other = ServerAddress::fromUri(t.place(QStringLiteral("Form337.mdb")), nullptr)
                        ->open(QStringLiteral("otherProgram"));
        } else {
            other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                              QStringLiteral("otherProgram"));
            other.setDatabaseName(t.folder + QStringLiteral("/Form337.mdb"));
        }
        QVERIFY(other.open());
        QSqlQuery lock(other);
        QVERIFY2(lock.exec(m_engine == TestEngine::Server
                               ? QStringLiteral("BEGIN; LOCK TABLE \"Form\" IN EXCLUSIVE MODE")
                               : QStringLiteral("BEGIN IMMEDIATE")),
                 qPrintable(lock.lastError().text()));
        w.formHandlers().Command3D13_Click();
        QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
        lock.finish();
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("otherProgram"));

    QCOMPARE(t.messages.asked.size(), 1);
    QVERIFY2(t.messages.asked[0].text.startsWith(QStringLiteral("The form was not saved: ")),
             qPrintable(t.messages.asked[0].text));
    QCOMPARE(t.messages.asked[0].icon, Msg::Icon::Critical);
    QCOMPARE(formCount(t), 0);
    QCOMPARE(w.NewFormFlag, 1);
    QVERIFY(!w.Command3D15->isEnabled());
    QCOMPARE(controlText(s.Combo1[0]), QStringLiteral("N123AB"));

    // Once the lock is gone the same screen saves as a new form.
    t.messages.clear();
    w.formHandlers().Command3D13_Click();
    QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
    QCOMPARE(formCount(t), 1);
    QCOMPARE(w.NewFormFlag, 0);
}

void SaveTest::formChangedOnAnotherWorkstation_data()
{
    QTest::addColumn<QString>("otherDoes");   // what the other workstation did meanwhile
    QTest::addColumn<int>("answer");          // Msg::Answer given to the first question
    QTest::addColumn<QStringList>("titles");  // the questions asked
    QTest::addColumn<int>("formsAfter");
    QTest::addColumn<QString>("storedOwner");
    QTest::addColumn<QString>("screenOwner");
    QTest::addColumn<int>("newFormFlag");
    const QString changed = QStringLiteral("Form changed on another workstation");
    const QString deleted = QStringLiteral("Form deleted on another workstation");
    QTest::newRow("changed, Cancel keeps the typed form")
        << "changes" << int(Msg::Answer::Cancel) << QStringList{changed} << 1 << "Stored there"
        << "Typed here" << 0;
    QTest::newRow("changed, No shows the stored form")
        << "changes" << int(Msg::Answer::No) << QStringList{changed} << 1 << "Stored there"
        << "Stored there" << 0;
    QTest::newRow("changed, Yes stores the typed form")
        << "changes" << int(Msg::Answer::Yes) << QStringList{changed} << 1 << "Typed here"
        << "Typed here" << 0;
    QTest::newRow("deleted, Yes stores it as a new form")
        << "deletes" << int(Msg::Answer::Yes) << QStringList{deleted} << 1 << "Typed here"
        << "Typed here" << 0;
    QTest::newRow("deleted, No keeps the typed form")
        << "deletes" << int(Msg::Answer::No) << QStringList{deleted} << 0 << ""
        << "Typed here" << 0;
    // Deleted there while the first question was open: No finds nothing to show, so the
    // typed form is offered as a new one (Yes) instead of being lost.
    QTest::newRow("changed, then deleted before No is answered")
        << "changes, then deletes" << int(Msg::Answer::No) << QStringList{changed, deleted} << 1
        << "Typed here"
        << "Typed here" << 0;
}

void SaveTest::formChangedOnAnotherWorkstation()
{
    // Both workstations show the same stored form; the other one saves (or deletes) first.
    QFETCH(QString, otherDoes);
    QFETCH(int, answer);
    QFETCH(QStringList, titles);
    QFETCH(int, formsAfter);
    QFETCH(QString, storedOwner);
    QFETCH(QString, screenOwner);
    QFETCH(int, newFormFlag);
    TestWindow t(m_engine);
    t.install();
    insertForm(
        t, {{"RegNum", "N123AB"}, {"OwnerName", "Shown"}, {"Make", "Cessna"}, {"Model", "172"}});
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    w.Data1.moveFirst();
    w.NewFormFlag = 0;
    w.ShowRecord();
    fillSavableForm(s);
    setControlText(s.Text2[0], QStringLiteral("Typed here"));

    Recordset other;  // on the server through a connection of its own
    other.setDatabaseName(t.server.elsewhere(t.place(QStringLiteral("Form337.mdb"))));
    other.setTable(QStringLiteral("Form"));
    other.refresh();
    if (otherDoes == QLatin1String("deletes")) {
        other.deleteCurrent();
    } else {
        other.edit();
        other.setField(QStringLiteral("OwnerName"), QStringLiteral("Stored there"));
        other.update();
    }
    bool deletedWhileAsked = false;
    if (otherDoes.endsWith(QLatin1String("then deletes")))
        t.messages.whileAsking = [&](const Msg::Request &) {
            if (!std::exchange(deletedWhileAsked, true))
                other.deleteCurrent();
        };

    t.messages.script = {Msg::Answer(answer)};
    w.formHandlers().Command3D13_Click();
    QStringList asked;
    for (const Msg::Request &request : std::as_const(t.messages.asked)) {
        asked << request.title;
        QCOMPARE(request.icon, Msg::Icon::Exclamation);
    }
    QCOMPARE(asked, titles);
    if (otherDoes.startsWith(QLatin1String("changes"))) {
        // Nothing typed is lost by the box's default answer.
        QCOMPARE(t.messages.asked[0].buttons, Msg::Buttons::YesNoCancel);
        QCOMPARE(t.messages.asked[0].defaultButton, Msg::Answer::Cancel);
    }
    QCOMPARE(formCount(t), formsAfter);
    if (formsAfter > 0)
        QCOMPARE(storedField(t, "OwnerName").toString(), storedOwner);
    QCOMPARE(controlText(s.Text2[0]), screenOwner);
    QCOMPARE(w.NewFormFlag, newFormFlag);

    // Stored once, the screen saves again without a word.
    if (storedOwner == QLatin1String("Typed here")) {
        t.messages.clear();
        setControlText(s.Text2[0], QStringLiteral("Typed again"));
        w.formHandlers().Command3D13_Click();
        QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
        QCOMPARE(formCount(t), 1);
        QCOMPARE(storedField(t, "OwnerName").toString(), QStringLiteral("Typed again"));
    }
}

void SaveTest::replacedDataFolderIsReopened()
{
    // The data folder is a share that reconnected while the program ran: the open files
    // are the old, unlinked ones. Save goes to the files at the folder's path.
    if (m_engine == TestEngine::Server)
        QSKIP("files replaced under a data folder: the server has none");
    TestWindow t(m_engine);
    t.install();
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    const QString folder = t.folder;
    QDir data(folder);
    QVERIFY(data.mkdir(QStringLiteral("old")));
    for (const char *name : {"Form337.mdb", "FAAForm337A.mdb"}) {
        const QString file = QString::fromLatin1(name);
        QVERIFY(QFile::rename(data.filePath(file), data.filePath(QStringLiteral("old/") + file)));
        QVERIFY(QFile::copy(data.filePath(QStringLiteral("old/") + file), data.filePath(file)));
    }
    fillSavableForm(s);
    w.formHandlers().Command3D13_Click();
    QVERIFY2(t.messages.asked.isEmpty(), qPrintable(t.messages.lastText()));
    QCOMPARE(formCount(t), 1);
    QCOMPARE(w.NewFormFlag, 0);

    // Replaced by nothing: the failure is said in words and the form stays on screen.
    QVERIFY(QFile::rename(data.filePath(QStringLiteral("Form337.mdb")),
                          data.filePath(QStringLiteral("old/gone.mdb"))));
    setControlText(s.Text2[0], QStringLiteral("Typed after"));
    w.formHandlers().Command3D13_Click();
    QCOMPARE(t.messages.asked.size(), 1);
    const QString text = t.messages.lastText();
    QVERIFY2(text.startsWith(QStringLiteral("The form was not saved: "))
                 && text.contains(QStringLiteral("Form337.mdb")),
             qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("UPDATE")) && !text.contains(QStringLiteral("INSERT")),
             qPrintable(text));
    QCOMPARE(controlText(s.Text2[0]), QStringLiteral("Typed after"));
    QVERIFY(!QFile::exists(data.filePath(QStringLiteral("Form337.mdb"))));
}

class SaveOnServerTest : public SaveTest
{
    Q_OBJECT
public:
    SaveOnServerTest()
        : SaveTest(TestEngine::Server)
    { }
};

REGISTER_TEST(SaveTest)
REGISTER_TEST(SaveOnServerTest)
#include "SaveTest.moc"
