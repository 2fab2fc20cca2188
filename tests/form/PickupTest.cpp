#include "FormTestSupport.h"
#include "common/TestRegistry.h"

#include "form/FormHandlers.h"

#include <QLabel>
#include <QTest>

using namespace FormTest;

namespace {

// Puts work items on the screen that the pick-up must reset.
void fillWorkItems(FormScreen &s)
{
    s.Option1[1]->setChecked(true);
    s.List1->setCurrentRow(3);
    s.Text4[0]->setText(QStringLiteral("Pump"));
    s.Text4[1]->setText(QStringLiteral("Acme"));
    s.Text5->setText(QStringLiteral("P1"));
    s.Text6->setText(QStringLiteral("S9"));
    s.Option5[0]->setChecked(true);
    s.Option6[3]->setChecked(true);
    setControlText(s.Combo3, QStringLiteral("Jane Doe"));
    setControlText(s.Text16, QStringLiteral("March 05, 2001"));
    setControlText(s.Text18, QStringLiteral("Work."));
}

void pickMark(Form1 &w, const QString &mark)
{
    QComboBox *combo = w.Panel3D1->Combo1[0];
    const int index = combo->findText(mark);
    QVERIFY2(index >= 0, qPrintable(mark));
    combo->setCurrentIndex(index);
    emit combo->activated(index);  // as a pick from the list does
}

}  // namespace

// Run on both engines: the window on data files, and on a server database.
class PickupTest : public QObject
{
    Q_OBJECT
public:
    explicit PickupTest(TestEngine engine = TestEngine::File)
        : m_engine(engine)
    { }

private slots:
    void copiesLatestFormOfTheMark_data();
    void copiesLatestFormOfTheMark();
    void resetsWorkItems();
    void noMatch_data();
    void noMatch();
    void modelListFollowsMake_data();
    void modelListFollowsMake();

private:
    TestEngine m_engine;
};

void PickupTest::copiesLatestFormOfTheMark_data()
{
    QTest::addColumn<QString>("mark");
    QTest::newRow("plain") << "N123";
    QTest::newRow("quote, asterisk and non-ASCII") << "N\"1*é";
}

void PickupTest::copiesLatestFormOfTheMark()
{
    QFETCH(QString, mark);
    TestWindow t(m_engine);
    t.install();
    insertForm(t, {{"RegNum", mark}, {"Make", "Old"}, {"OwnerName", "Older owner"}});
    insertForm(t, {{"RegNum", mark},
                   {"Make", "Piper"},
                   {"Model", "PA-28"},
                   {"Serial", "28-1"},
                   {"Rating1", "C"},
                   {"OwnerName", "Ann"},
                   {"OwnerAdd1", "1 Main"},
                   {"OwnerName2", "50010"},
                   {"AgencyName", "Acme"},
                   {"AgencyAdd2", "Boone"},
                   {"AgencyCert", "C-1"},
                   {"AgencyKind", 4}});
    // A later form of a mark that the asterisk would match as a pattern is another aircraft.
    const QString other
        = mark.contains(u'*') ? QString(mark).replace(u'*', QStringLiteral("zz")) : mark + u'X';
    insertForm(t, {{"RegNum", other}, {"OwnerName", "Someone else"}});
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    setControlText(s.Text7[2], QStringLiteral("typed city"));
    pickMark(w, mark);

    QCOMPARE(controlText(s.Combo1[0]), mark);
    QCOMPARE(controlText(s.Combo1[1]), QStringLiteral("Piper"));
    QCOMPARE(controlText(s.Combo1[2]), QStringLiteral("PA-28"));
    QCOMPARE(controlText(s.Text1[0]), QStringLiteral("28-1"));
    QCOMPARE(controlText(s.Text1[1]), QStringLiteral("C"));
    QCOMPARE(controlText(s.Text2[0]), QStringLiteral("Ann"));
    QCOMPARE(controlText(s.Text2[1]), QStringLiteral("1 Main"));
    QCOMPARE(controlText(s.Text2[2]), FormTexts::CityState);  // Null OwnerAdd2
    QCOMPARE(controlText(s.Text2[3]), QStringLiteral("50010"));
    QCOMPARE(controlText(s.Text7[0]), QStringLiteral("Acme"));
    QCOMPARE(controlText(s.Text7[1]), FormTexts::Address);
    QCOMPARE(controlText(s.Text7[2]), QStringLiteral("Boone"));
    QCOMPARE(controlText(s.Text7[3]), FormTexts::ZipCountry);
    QCOMPARE(controlText(s.Text7[4]), QStringLiteral("C-1"));
    QCOMPARE(FormScreen::selectedIndex(s.Option2), 4);
    QCOMPARE(w.Data1.text("OwnerName"), QStringLiteral("Ann"));
    QCOMPARE(w.NewFormFlag, 1);
}

void PickupTest::resetsWorkItems()
{
    TestWindow t(m_engine);
    t.install();
    insertForm(t, {{"RegNum", "N1"},
                   {"PowType2", -1},
                   {"PowMake", "Lycoming"},
                   {"Approved", -1},
                   {"ApprovedBy", 2},
                   {"Back", "Stored work."},
                   {"ApproveName", "Stored signer"}});
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    fillWorkItems(s);
    pickMark(w, "N1");

    QCOMPARE(FormScreen::selectedIndex(s.Option1), -1);
    QCOMPARE(s.List1->currentRow(), 0);
    QCOMPARE(s.Text4[0]->text(), FormTexts::DashLine);
    QCOMPARE(s.Text6->text(), FormTexts::DashLine);
    QCOMPARE(s.Text5->text(), FormTexts::AsDescribed);
    QCOMPARE(s.Text4[1]->text(), QString());
    QVERIFY(s.Text4[1]->isHidden());
    QVERIFY(!s.Text5->isEnabled());
    QCOMPARE(FormScreen::selectedIndex(s.Option5), 1);
    QCOMPARE(FormScreen::selectedIndex(s.Option6), -1);
    // Signer, date and description are the inspector's, not the stored form's.
    QCOMPARE(controlText(s.Combo3), QStringLiteral("Jane Doe"));
    QCOMPARE(controlText(s.Text16), QStringLiteral("March 05, 2001"));
    QCOMPARE(controlText(s.Text18), QStringLiteral("Work."));
}

void PickupTest::noMatch_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("markAfter");
    QTest::newRow("pick keeps the mark") << 0 << "N404";
    QTest::newRow("reset after a deletion empties it") << -1 << "";
}

void PickupTest::noMatch()
{
    QFETCH(int, index);
    QFETCH(QString, markAfter);
    TestWindow t(m_engine);
    t.install();
    insertForm(t, {{"RegNum", "N1"}, {"AgencyName", "Acme"}});
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    fillSavableForm(s);
    fillWorkItems(s);
    setControlText(s.Combo1[0], QStringLiteral("N404"));
    w.Combo1_Click(index);

    QCOMPARE(controlText(s.Combo1[0]), markAfter);
    for (QWidget *box :
         {static_cast<QWidget *>(s.Combo1[1]), static_cast<QWidget *>(s.Combo1[2]),
          static_cast<QWidget *>(s.Text1[0]), static_cast<QWidget *>(s.Text1[1]), s.Text2[0]})
        QCOMPARE(controlText(box), QString());
    QCOMPARE(controlText(s.Text2[1]), FormTexts::Address);
    QCOMPARE(controlText(s.Text2[2]), FormTexts::CityState);
    QCOMPARE(controlText(s.Text2[3]), FormTexts::ZipCountry);
    // The agency of item 6 stays as it was.
    QCOMPARE(controlText(s.Text7[0]), QStringLiteral("Acme Repair"));
    QCOMPARE(controlText(s.Text7[4]), QStringLiteral("RS-77"));
    QCOMPARE(FormScreen::selectedIndex(s.Option5), 1);
    QCOMPARE(s.List1->currentRow(), 0);
}

void PickupTest::modelListFollowsMake_data()
{
    QTest::addColumn<QString>("make");
    QTest::addColumn<QStringList>("models");
    QTest::newRow("distinct, non-Null") << "Cessna" << QStringList{"172", "182"};
    QTest::newRow("quote in the make") << "O'Hare" << QStringList{"Q'1"};
    QTest::newRow("no models") << "Mooney" << QStringList{};
}

void PickupTest::modelListFollowsMake()
{
    QFETCH(QString, make);
    QFETCH(QStringList, models);
    TestWindow t(m_engine);
    t.install();
    t.exec("Form337.mdb",
           "INSERT INTO aircraft (Make, Model) VALUES ('Cessna', '172'), ('Cessna', '182'),"
           " ('Cessna', '172'), ('Cessna', NULL), ('Piper', 'PA-28'), (?, ?), ('Mooney', NULL)",
           {QStringLiteral("O'Hare"), QStringLiteral("Q'1")});
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    setControlText(s.Combo1[2], QStringLiteral("typed model"));
    const int index = s.Combo1[1]->findText(make);
    QVERIFY(index >= 0);
    s.Combo1[1]->setCurrentIndex(index);
    emit s.Combo1[1]->activated(index);

    QCOMPARE(items(s.Combo1[2]), models);
    QCOMPARE(controlText(s.Combo1[2]), QStringLiteral("typed model"));
    // Picking a model changes nothing else.
    w.Combo1_Click(2);
    QCOMPARE(items(s.Combo1[2]), models);
}

class PickupOnServerTest : public PickupTest
{
    Q_OBJECT
public:
    PickupOnServerTest()
        : PickupTest(TestEngine::Server)
    { }
};

REGISTER_TEST(PickupTest)
REGISTER_TEST(PickupOnServerTest)
#include "PickupTest.moc"
