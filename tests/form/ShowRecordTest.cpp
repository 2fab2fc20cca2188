#include "FormTestSupport.h"
#include "common/TestRegistry.h"

#include "form/FormHandlers.h"
#include "ui/Dates.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace FormTest;

namespace {

// Opens a window on one stored form (plus any given before it) and shows the last one.
Form1 &showLast(TestWindow &t, const QList<QVariantMap> &forms)
{
    t.install();
    for (const QVariantMap &form : forms)
        insertForm(t, form);
    Form1 &w = t.open();
    w.Data1.moveLast();
    w.ShowRecord();
    return w;
}

}  // namespace

// Run on both engines: the window on data files, and on a server database.
class ShowRecordTest : public QObject
{
    Q_OBJECT
public:
    explicit ShowRecordTest(TestEngine engine = TestEngine::File)
        : m_engine(engine)
    { }

private slots:
    void aircraftOwnerAndAgency();
    void nullFieldsGivePlaceholders();
    void unitKind_data();
    void unitKind();
    void approval_data();
    void approval();
    void nullFieldsLeaveEarlierValues();
    void datesInSystemShortForm();

private:
    TestEngine m_engine;
};

void ShowRecordTest::aircraftOwnerAndAgency()
{
    TestWindow t(m_engine);
    Form1 &w = showLast(t, {{{"RegNum", "N1\"*é"},
                             {"Make", "Piper"},
                             {"Model", "PA-28"},
                             {"Serial", "28-1"},
                             {"Rating1", "Cherokee"},
                             {"OwnerName", "Ann\r\nBob"},
                             {"OwnerAdd1", "1 Main"},
                             {"OwnerAdd2", "Ames"},
                             {"OwnerName2", "50010"},
                             {"AgencyName", "Acme"},
                             {"AgencyAdd1", "2 Rd"},
                             {"AgencyAdd2", "Boone"},
                             {"AgencyAdd3", "50036"},
                             {"AgencyCert", "C-1"},
                             {"AgencyKind", 3},
                             {"Rating3", 1},
                             {"ApprovedBy", 5}}});
    FormScreen &s = *w.Panel3D1;
    QCOMPARE(controlText(s.Combo1[0]), QStringLiteral("N1\"*é"));
    QCOMPARE(s.Combo1[0]->currentIndex(), s.Combo1[0]->findText(QStringLiteral("N1\"*é")));
    QCOMPARE(controlText(s.Combo1[1]), QStringLiteral("Piper"));
    QCOMPARE(controlText(s.Combo1[2]), QStringLiteral("PA-28"));
    QCOMPARE(controlText(s.Text1[0]), QStringLiteral("28-1"));
    QCOMPARE(controlText(s.Text1[1]), QStringLiteral("Cherokee"));
    QCOMPARE(controlText(s.Text2[0]), QStringLiteral("Ann\nBob"));
    QCOMPARE(controlText(s.Text2[3]), QStringLiteral("50010"));
    QCOMPARE(controlText(s.Text7[0]), QStringLiteral("Acme"));
    QCOMPARE(controlText(s.Text7[3]), QStringLiteral("50036"));
    QCOMPARE(controlText(s.Text7[4]), QStringLiteral("C-1"));
    QCOMPARE(FormScreen::selectedIndex(s.Option2), 3);
    QCOMPARE(FormScreen::selectedIndex(s.Option6), 5);
    QVERIFY(s.Check2->isChecked());
    // Showing changes no flag and no button.
    QCOMPARE(w.NewFormFlag, 1);
    QVERIFY(!w.Command3D15->isEnabled());
}

void ShowRecordTest::nullFieldsGivePlaceholders()
{
    TestWindow t(m_engine);
    Form1 &w = showLast(t, {{{"Make", "Piper"}}});
    FormScreen &s = *w.Panel3D1;
    QCOMPARE(controlText(s.Combo1[0]), QString());
    QCOMPARE(s.Combo1[0]->currentIndex(), -1);
    QCOMPARE(controlText(s.Combo1[2]), QString());
    QCOMPARE(controlText(s.Text2[0]), QString());
    QCOMPARE(controlText(s.Text2[1]), FormTexts::Address);
    QCOMPARE(controlText(s.Text2[2]), FormTexts::CityState);
    QCOMPARE(controlText(s.Text2[3]), FormTexts::ZipCountry);
    QCOMPARE(controlText(s.Text7[0]), FormTexts::Name);
    QCOMPARE(controlText(s.Text7[1]), FormTexts::Address);
    QCOMPARE(controlText(s.Text7[2]), FormTexts::CityState);
    QCOMPARE(controlText(s.Text7[3]), FormTexts::ZipCountry);
    QCOMPARE(controlText(s.Text7[4]), QString());
}

void ShowRecordTest::unitKind_data()
{
    QTest::addColumn<QVariantMap>("record");
    QTest::addColumn<int>("typeOfWork");     // Option1 index
    QTest::addColumn<int>("kind");           // List1 row
    QTest::addColumn<QStringList>("boxes");  // Text4(0), Text4(1), Text5, Text6
    QTest::addColumn<bool>("manufacturerShown");
    QTest::addColumn<bool>("boxesEnabled");

    const QString dash = FormTexts::DashLine;
    QTest::newRow("airframe repair")
        << QVariantMap{{"AirType1", -1}, {"AirType2", 0}} << 0 << 0
        << QStringList{dash, "", FormTexts::AsDescribed, dash} << false << false;
    QTest::newRow("powerplant alteration")
        << QVariantMap{{"PowType2", -1},
                       {"PowMake", "Lycoming"},
                       {"PowModel", "O-320"},
                       {"PowSerial", "L-1"}}
        << 1 << 1 << QStringList{"Lycoming", "", "O-320", "L-1"} << false << true;
    QTest::newRow("appliance repair")
        << QVariantMap{{"AppType1", -1},
                       {"AppDesc", "Pump"},
                       {"AppMake", "Acme"},
                       {"AppModel", "P1"},
                       {"AppSerial", "S9"}}
        << 0 << 3 << QStringList{"Pump", "Acme", "P1", "S9"} << true << true;
    QTest::newRow("propeller with Null unit fields")
        << QVariantMap{{"ProType1", -1}} << 0 << 2 << QStringList{"", "", "", ""} << false << true;
    QTest::newRow("repair and alteration of two kinds: the last decides")
        << QVariantMap{{"AirType1", -1},
                       {"ProType2", -1},
                       {"ProMake", "McCauley"},
                       {"ProModel", "1C"},
                       {"ProSerial", "P2"}}
        << 1 << 2 << QStringList{"McCauley", "", "1C", "P2"} << false << true;
}

void ShowRecordTest::unitKind()
{
    QFETCH(QVariantMap, record);
    QFETCH(int, typeOfWork);
    QFETCH(int, kind);
    QFETCH(QStringList, boxes);
    QFETCH(bool, manufacturerShown);
    QFETCH(bool, boxesEnabled);

    TestWindow t(m_engine);
    record.insert("RegNum", "N1");
    // The screen starts on another kind with text in every box, so each layout must apply.
    t.install();
    insertForm(t, record);
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    s.List1->setCurrentRow(kind == 3 ? 1 : 3);
    for (QLineEdit *box : {s.Text4[0], s.Text4[1], s.Text5, s.Text6})
        box->setText(QStringLiteral("old"));
    w.Data1.moveLast();
    w.ShowRecord();

    QCOMPARE(FormScreen::selectedIndex(s.Option1), typeOfWork);
    QCOMPARE(s.List1->currentRow(), kind);
    const QStringList shown{s.Text4[0]->text(), manufacturerShown ? s.Text4[1]->text() : QString(),
                            s.Text5->text(), s.Text6->text()};
    QCOMPARE(shown, boxes);
    QCOMPARE(!s.Text4[1]->isHidden(), manufacturerShown);
    QCOMPARE(!s.Label10->isHidden(), manufacturerShown);
    QCOMPARE(s.Text5->isEnabled(), boxesEnabled);
}

void ShowRecordTest::approval_data()
{
    QTest::addColumn<QVariant>("approved");
    QTest::addColumn<bool>("approvedBefore");
    QTest::addColumn<int>("verdict");
    QTest::newRow("true") << QVariant(-1) << false << 0;
    QTest::newRow("false over an approved screen") << QVariant(0) << true << 1;
    QTest::newRow("Null on a screen with no verdict") << QVariant() << false << 1;
    QTest::newRow("Null keeps an approved screen") << QVariant() << true << 0;
}

void ShowRecordTest::approval()
{
    QFETCH(QVariant, approved);
    QFETCH(bool, approvedBefore);
    QFETCH(int, verdict);
    TestWindow t(m_engine);
    t.install();
    insertForm(t, {{"RegNum", "N1"}, {"Approved", approved}});
    Form1 &w = t.open();
    FormScreen &s = *w.Panel3D1;
    if (approvedBefore)
        s.Option5[0]->setChecked(true);
    w.Data1.moveLast();
    w.ShowRecord();
    QCOMPARE(FormScreen::selectedIndex(s.Option5), verdict);
}

void ShowRecordTest::nullFieldsLeaveEarlierValues()
{
    TestWindow t(m_engine);
    Form1 &w = showLast(t, {{{"RegNum", "N2"}},
                            {{"RegNum", "N1"},
                             {"Back", "Old work."},
                             {"ApproveName", "Jane"},
                             {"ApproveCert", "D-1"},
                             {"Signed", "Joe"},
                             {"FormDate", "2001-03-05"},
                             {"ApproveDate", "2001-03-06"},
                             {"AirType1", -1},
                             {"AgencyKind", 1},
                             {"ApprovedBy", 2},
                             {"Rating3", 1}}});
    FormScreen &s = *w.Panel3D1;
    const QStringList before{controlText(s.Text18), controlText(s.Combo3), controlText(s.Text13),
                             controlText(s.Combo5), controlText(s.Text16), controlText(s.Text17)};
    QCOMPARE(before[0], QStringLiteral("Old work."));
    w.Data1.moveFirst();
    w.ShowRecord();
    QCOMPARE(controlText(s.Combo1[0]), QStringLiteral("N2"));
    const QStringList after{controlText(s.Text18), controlText(s.Combo3), controlText(s.Text13),
                            controlText(s.Combo5), controlText(s.Text16), controlText(s.Text17)};
    QCOMPARE(after, before);
    QCOMPARE(FormScreen::selectedIndex(s.Option1), 0);
    QCOMPARE(s.List1->currentRow(), 0);
    QCOMPARE(FormScreen::selectedIndex(s.Option2), 1);
    QCOMPARE(FormScreen::selectedIndex(s.Option6), 2);
    QVERIFY(s.Check2->isChecked());
}

void ShowRecordTest::datesInSystemShortForm()
{
    TestWindow t(m_engine);
    Form1 &w = showLast(
        t, {{{"RegNum", "N1"}, {"FormDate", "2001-03-05"}, {"ApproveDate", "2011-12-17"}}});
    QCOMPARE(w.Panel3D1->Text16->text(), Dates::shortForm(QDate(2001, 3, 5)));
    QCOMPARE(w.Panel3D1->Text17->text(), Dates::shortForm(QDate(2011, 12, 17)));
    QVERIFY(!w.Panel3D1->Text17->text().isEmpty());
}

class ShowRecordOnServerTest : public ShowRecordTest
{
    Q_OBJECT
public:
    ShowRecordOnServerTest()
        : ShowRecordTest(TestEngine::Server)
    { }
};

REGISTER_TEST(ShowRecordTest)
REGISTER_TEST(ShowRecordOnServerTest)
#include "ShowRecordTest.moc"
