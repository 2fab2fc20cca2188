#include "FormTestSupport.h"
#include "common/TestRegistry.h"

#include "form/FormHandlers.h"

#include <QPushButton>
#include <QTest>

using namespace FormTest;

namespace {

// A window on three stored forms of marks N1, N2, N3, showing the first as a search would.
Form1 &openOnThreeForms(TestWindow &t)
{
    t.install();
    for (const char *mark : {"N1", "N2", "N3"})
        insertForm(t, {{"RegNum", mark}, {"OwnerName", QStringLiteral("Owner of %1").arg(mark)}});
    Form1 &w = t.open();
    w.NewFormFlag = 0;
    w.Data1.moveFirst();
    w.ShowRecord();
    for (QPushButton *b :
         {w.Command3D15, w.Command3D13, w.Command3D19, w.Command3D17, w.Command3D16})
        b->setEnabled(true);
    return w;
}

QString markOnScreen(Form1 &w)
{
    return controlText(w.Panel3D1->Combo1[0]);
}

}  // namespace

// Run on both engines: the window on data files, and on a server database.
class NavigationTest : public QObject
{
    Q_OBJECT
public:
    explicit NavigationTest(TestEngine engine = TestEngine::File)
        : m_engine(engine)
    { }

private slots:
    void newKeepsRealAgencyAndEmptiesTheRest();
    void newFillsAgencyFromSetup_data();
    void newFillsAgencyFromSetup();
    void nextAndPreviousStopAtBothEnds();
    void nextOnEmptyTable();
    void deleteOnlyFormOfMark();
    void deleteLeavesOtherFormOfMark();
    void deleteAnsweredNo();
    void deleteWhileNewFormDoesNothing();
    void deleteWithoutCurrentRecord_data();
    void deleteWithoutCurrentRecord();

private:
    TestEngine m_engine;
};

void NavigationTest::newKeepsRealAgencyAndEmptiesTheRest()
{
    TestWindow t(m_engine);
    Form1 &w = openOnThreeForms(t);
    FormScreen &s = *w.Panel3D1;
    fillSavableForm(s);
    s.Check2->setChecked(true);
    setControlText(s.Text3, QStringLiteral("Other"));
    w.Command3D19->click();

    QCOMPARE(w.NewFormFlag, 1);
    for (QPushButton *b :
         {w.Command3D15, w.Command3D13, w.Command3D19, w.Command3D17, w.Command3D16})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    QList<QWidget *> emptied{s.Combo1[0], s.Combo1[1], s.Combo1[2], s.Text1[0], s.Text1[1]};
    emptied << s.Text2[0] << s.Text2[1] << s.Text2[2] << s.Text2[3] << s.Text4[0] << s.Text4[1]
            << s.Text5 << s.Text6 << s.Combo5 << s.Text13 << s.Text3 << s.Text17 << s.Combo3
            << s.Text16;
    for (QWidget *box : emptied)
        QVERIFY2(controlText(box).isEmpty(), qPrintable(box->objectName()));
    QCOMPARE(s.Combo1[0]->currentIndex(), -1);
    QCOMPARE(FormScreen::selectedIndex(s.Option1), -1);
    QCOMPARE(s.List1->currentRow(), -1);
    QVERIFY(!s.Check2->isChecked());
    QCOMPARE(FormScreen::selectedIndex(s.Option5), -1);
    QCOMPARE(FormScreen::selectedIndex(s.Option6), -1);
    // The agency and the description stay.
    QCOMPARE(controlText(s.Text7[0]), QStringLiteral("Acme Repair"));
    QCOMPARE(controlText(s.Text7[3]), QStringLiteral("50010 USA"));
    QCOMPARE(FormScreen::selectedIndex(s.Option2), 2);
    QCOMPARE(controlText(s.Text18), QStringLiteral("Replaced left wing spar."));
    // Nothing stored changed.
    QCOMPARE(formCount(t), 3);
}

void NavigationTest::newFillsAgencyFromSetup_data()
{
    QTest::addColumn<QVariantList>(
        "agency");  // AgencyName, AgencyAdd1, AgencyAdd2, AgencyAdd3, Rating1, Rating2, AgencyCert, AgencyKind
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("kind");
    // Another agency on screen, then the set-up panel saved: New takes the saved one.
    QTest::addColumn<bool>("savedInSetup");
    const QVariantList complete{"Acme", "2 Rd", "Ames", "IA", "50010", "USA", "RS-1", 3};
    QTest::newRow("complete") << complete
                              << QStringList{"Acme", "2 Rd", "Ames, IA", "50010 USA", "RS-1"} << 3
                              << false;
    QTest::newRow("state and kind Null")
        << QVariantList{"Acme",     QVariant(), "Ames",     QVariant(),
                        QVariant(), "USA",      QVariant(), QVariant()}
        << QStringList{"Acme", "Address", "City & State", "Zip & Country", ""} << 2 << false;
    // The set-up panel chooses data folders only so far: it saves the data path as a folder.
    if (m_engine == TestEngine::File)
        QTest::newRow("saved in set-up over another agency")
            << complete << QStringList{"Acme", "2 Rd", "Ames, IA", "50010 USA", "RS-1"} << 3
            << true;
}

void NavigationTest::newFillsAgencyFromSetup()
{
    QFETCH(QVariantList, agency);
    QFETCH(QStringList, lines);
    QFETCH(int, kind);
    QFETCH(bool, savedInSetup);
    TestWindow t(m_engine);
    t.install();
    t.exec("Form337.mdb",
           "INSERT INTO Agency (AgencyName, AgencyAdd1, AgencyAdd2, AgencyAdd3, Rating1, Rating2,"
           " AgencyCert, AgencyKind) VALUES (?,?,?,?,?,?,?,?)",
           agency);
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    setControlText(s.Text7[0], savedInSetup ? QStringLiteral("Older agency") : FormTexts::Name);
    setControlText(s.Text7[2], QStringLiteral("stale"));
    s.Option2[0]->setChecked(true);
    if (savedInSetup) {
        w.Command3D18->click();  // open set-up (the typed agency is discarded)
        w.Command3D18->click();  // save it and close
    }
    w.formHandlers().Command3D19_Click();
    QStringList shown;
    for (QLineEdit *line : s.Text7)
        shown << line->text();
    QCOMPARE(shown, lines);
    QCOMPARE(FormScreen::selectedIndex(s.Option2), kind);
}

void NavigationTest::nextAndPreviousStopAtBothEnds()
{
    TestWindow t(m_engine);
    Form1 &w = openOnThreeForms(t);
    const QString title = QStringLiteral("No records this direction.");
    const QString offTheEnd = QStringLiteral("Press OK to continue. To Enter New form press NEW");

    w.Command3D16->click();
    QCOMPARE(markOnScreen(w), QStringLiteral("N2"));
    w.Command3D16->click();
    QCOMPARE(markOnScreen(w), QStringLiteral("N3"));
    QVERIFY(t.messages.asked.isEmpty());
    for (int press = 0; press < 2; ++press) {
        w.Command3D16->click();
        QCOMPARE(t.messages.lastText(), offTheEnd);
        QCOMPARE(t.messages.asked.last().title, title);
        QCOMPARE(t.messages.asked.last().icon, Msg::Icon::Information);
        QCOMPARE(t.messages.asked.last().buttons, Msg::Buttons::Ok);
        QCOMPARE(markOnScreen(w), QStringLiteral("N3"));
        QCOMPARE(w.Data1.text("RegNum"), QStringLiteral("N3"));
    }

    t.messages.clear();
    w.Command3D17->click();
    w.Command3D17->click();
    QCOMPARE(markOnScreen(w), QStringLiteral("N1"));
    QVERIFY(t.messages.asked.isEmpty());
    w.Command3D17->click();
    QCOMPARE(t.messages.texts(), QStringList{offTheEnd});
    QCOMPARE(t.messages.asked.last().title, title);
    QCOMPARE(markOnScreen(w), QStringLiteral("N1"));
    QCOMPARE(w.Data1.text("RegNum"), QStringLiteral("N1"));
    w.Command3D16->click();
    QCOMPARE(markOnScreen(w), QStringLiteral("N2"));
    QCOMPARE(w.NewFormFlag, 0);
}

void NavigationTest::nextOnEmptyTable()
{
    TestWindow t(m_engine);
    t.install();
    Form1 &w = t.open();
    setControlText(w.Panel3D1->Combo1[0], QStringLiteral("typed"));
    w.formHandlers().Command3D16_Click();
    w.formHandlers().Command3D17_Click();
    // The typed mark is unsaved work: each step asks first (the script discards it), and
    // with nothing to walk to the typed form stays on screen.
    const QString question = QStringLiteral("Save the changes to the form for typed?");
    QCOMPARE(t.messages.texts(),
             (QStringList{question, "Press OK to continue", question, "Press OK to continue"}));
    QCOMPARE(markOnScreen(w), QStringLiteral("typed"));
}

void NavigationTest::deleteOnlyFormOfMark()
{
    TestWindow t(m_engine);
    Form1 &w = openOnThreeForms(t);
    w.Command3D16->click();  // N2 on screen
    t.messages.script = {Msg::Answer::Yes};
    w.Command3D15->click();

    QCOMPARE(t.messages.asked.size(), 1);
    const Msg::Request &question = t.messages.asked[0];
    QCOMPARE(question.text, QStringLiteral("Are you sure you want to delete this entire form?"));
    QCOMPARE(question.title, QStringLiteral("Delete form on screen"));
    QCOMPARE(question.buttons, Msg::Buttons::YesNo);
    QCOMPARE(question.defaultButton, Msg::Answer::No);
    QCOMPARE(question.icon, Msg::Icon::Critical);

    QCOMPARE(formCount(t), 2);
    QCOMPARE(t.value("Form337.mdb", "SELECT count(*) FROM Form WHERE RegNum = 'N2'").toInt(), 0);
    FormScreen &s = *w.Panel3D1;
    QCOMPARE(markOnScreen(w), QString());
    QCOMPARE(controlText(s.Text2[0]), QString());
    QCOMPARE(controlText(s.Text2[1]), FormTexts::Address);
    QCOMPARE(items(s.Combo1[0]), (QStringList{"N1", "N3"}));
    QCOMPARE(w.NewFormFlag, 1);
    QVERIFY(!w.Command3D15->isEnabled());
    QVERIFY(!w.Command3D13->isEnabled());
}

void NavigationTest::deleteLeavesOtherFormOfMark()
{
    TestWindow t(m_engine);
    t.install();
    insertForm(t, {{"RegNum", "N7"}, {"OwnerName", "Kept owner"}, {"Make", "Piper"}});
    insertForm(t, {{"RegNum", "N7"}, {"OwnerName", "Deleted owner"}});
    Form1 &w = t.open();
    w.NewFormFlag = 0;
    w.Data1.moveLast();
    w.ShowRecord();
    w.formHandlers().Command3D15_Click();  // the scripted default answers Yes

    QCOMPARE(formCount(t), 1);
    QCOMPARE(markOnScreen(w), QStringLiteral("N7"));
    QCOMPARE(controlText(w.Panel3D1->Text2[0]), QStringLiteral("Kept owner"));
    QCOMPARE(controlText(w.Panel3D1->Combo1[1]), QStringLiteral("Piper"));
}

void NavigationTest::deleteAnsweredNo()
{
    TestWindow t(m_engine);
    Form1 &w = openOnThreeForms(t);
    t.messages.script = {Msg::Answer::No};
    w.formHandlers().Command3D15_Click();
    QCOMPARE(t.messages.asked.size(), 1);
    QCOMPARE(formCount(t), 3);
    QCOMPARE(markOnScreen(w), QStringLiteral("N1"));
    QCOMPARE(w.NewFormFlag, 0);
}

void NavigationTest::deleteWhileNewFormDoesNothing()
{
    TestWindow t(m_engine);
    Form1 &w = openOnThreeForms(t);
    w.formHandlers().Command3D19_Click();
    w.formHandlers().Command3D15_Click();
    QVERIFY(t.messages.asked.isEmpty());
    QCOMPARE(formCount(t), 3);
}

void NavigationTest::deleteWithoutCurrentRecord_data()
{
    QTest::addColumn<int>("forms");
    QTest::addColumn<QString>("position");
    QTest::newRow("empty table") << 0 << "first";
    QTest::newRow("past the end") << 2 << "eof";
    QTest::newRow("before the start") << 2 << "bof";
    QTest::newRow("record already deleted") << 2 << "deleted";
}

void NavigationTest::deleteWithoutCurrentRecord()
{
    QFETCH(int, forms);
    QFETCH(QString, position);
    TestWindow t(m_engine);
    t.install();
    for (int i = 0; i < forms; ++i)
        insertForm(t, {{"RegNum", QStringLiteral("N%1").arg(i)}});
    Form1 &w = t.open();
    w.NewFormFlag = 0;
    if (position == "eof") {
        w.Data1.moveLast();
        w.Data1.moveNext();
    } else if (position == "bof") {
        w.Data1.moveFirst();
        w.Data1.movePrevious();
    } else if (position == "deleted") {
        w.Data1.moveFirst();
        w.Data1.deleteCurrent();
    }
    const int before = formCount(t);
    w.formHandlers().Command3D15_Click();

    QCOMPARE(formCount(t), before);
    for (const Msg::Request &asked : t.messages.asked)
        QVERIFY2(asked.buttons != Msg::Buttons::YesNo,
                 "no question without a stored form on screen");
}

class NavigationOnServerTest : public NavigationTest
{
    Q_OBJECT
public:
    NavigationOnServerTest()
        : NavigationTest(TestEngine::Server)
    { }
};

REGISTER_TEST(NavigationTest)
REGISTER_TEST(NavigationOnServerTest)
#include "NavigationTest.moc"
