#include "common/TestRegistry.h"

#include "form/FormFields.h"
#include "form/FormSnapshot.h"
#include "form/FormTexts.h"
#include "form/SaveCheck.h"

#include <QTest>

namespace {

FormSnapshot savableEntries()
{
    FormSnapshot e;
    e.registrationMark = "N123AB";
    e.make = "Cessna";
    e.model = "172";
    e.serialNumber = "17255";
    e.series = "S";
    e.ownerName = "John Smith";
    e.ownerAddress = "1 Main St";
    e.ownerCityState = "Wichita, KS";
    e.ownerZipCountry = "67201 USA";
    e.typeOfWork = 0;
    e.unitKind = FormSnapshot::Airframe;
    e.unitMake = FormTexts::DashLine;
    e.unitModel = FormTexts::AsDescribed;
    e.unitSerialNumber = FormTexts::DashLine;
    e.agencyName = "Acme Repair";
    e.agencyAddress = "2 Field Rd";
    e.agencyCityState = "Ames, IA";
    e.agencyZipCountry = "50010 USA";
    e.agencyCertificate = "RS-77";
    e.agencyKind = 2;
    e.conformitySigner = "Jane Doe";
    e.verdict = 1;
    e.approvedBy = 4;
    return e;
}

// Changes one entry, named after its control; option groups and List1 take an index.
void setEntry(FormSnapshot &e, const QString &control, const QString &value)
{
    if (const FormFields::Field *field = FormFields::byControl(control)) {
        e.*field->value = value;
        return;
    }
    if (control == "Option1")
        e.typeOfWork = value.toInt();
    else if (control == "Option2")
        e.agencyKind = value.toInt();
    else if (control == "Option5")
        e.verdict = value.toInt();
    else if (control == "Option6")
        e.approvedBy = value.toInt();
    else if (control == "List1")
        e.unitKind = value.toInt();
    else
        QFAIL(qPrintable("unknown control " + control));
}

}  // namespace

class SaveCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void firstFailedCheck_data();
    void firstFailedCheck();
    void checksComeInOrder();
    void confirmableCheckLetsTheLaterChecksRun();
};

void SaveCheckTest::firstFailedCheck_data()
{
    QTest::addColumn<QStringList>("changes");  // control=value pairs
    QTest::addColumn<int>("check");            // 0: passes every check
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");

    const int question = int(Msg::Icon::Question), ok = int(Msg::Buttons::Ok);
    const QString missing = "Missing Information", questionable = "Questionable address.";
    const QString unit = "All Unit information must be completed. Form will not be saved.";
    const QString agency = "Enter the agency name and address. Form will not be saved.";

    QTest::newRow("savable airframe with dash lines") << QStringList{} << 0 << ""
                                                      << "" << 0 << 0;
    QTest::newRow("1 no mark") << QStringList{"Combo1(0)="} << 1
                               << "Enter a REGISTRATION NO. Form will not be saved."
                               << "Registration number not selected." << question << ok;
    QTest::newRow("2 no make") << QStringList{"Combo1(1)="} << 2
                               << "Enter an aircraft MAKE. Form will not be saved."
                               << "Make not selected." << question << ok;
    QTest::newRow("3 no model") << QStringList{"Combo1(2)="} << 3
                                << "Enter an aircraft MODEL. Form will not be saved."
                                << "Model not selected." << question << ok;
    QTest::newRow("4 address placeholder")
        << QStringList{"Text2(1)=Address"} << 4 << "Enter Owner Address. Form will not be saved."
        << questionable << question << ok;
    QTest::newRow("4 address empty")
        << QStringList{"Text2(1)="} << 4 << "Enter Owner Address. Form will not be saved."
        << questionable << question << ok;
    QTest::newRow("4 placeholder compared exactly") << QStringList{"Text2(1)=address"} << 0 << ""
                                                    << "" << 0 << 0;
    QTest::newRow("5 city placeholder")
        << QStringList{"Text2(2)=City & State"} << 5
        << "Enter Owner City & State. Form will not be saved." << questionable << question << ok;
    QTest::newRow("5 city empty") << QStringList{"Text2(2)="} << 5
                                  << "Enter Owner City & State. Form will not be saved."
                                  << questionable << question << ok;
    QTest::newRow("6 zip placeholder")
        << QStringList{"Text2(3)=Zip & Country"} << 6
        << "Enter Zip & Country. Form will not be saved." << questionable << question << ok;
    QTest::newRow("7 no owner, plain box")
        << QStringList{"Text2(0)="} << 7
        << "Enter the owner's name(s)as on the registration certificate. Form will not be saved."
        << "" << 0 << ok;
    QTest::newRow("8 agency name placeholder")
        << QStringList{"Text7(0)=Name"} << 8 << agency << missing << question << ok;
    QTest::newRow("8 agency address placeholder")
        << QStringList{"Text7(1)=Address"} << 8 << agency << missing << question << ok;
    QTest::newRow("8 agency city placeholder")
        << QStringList{"Text7(2)=City & State"} << 8 << agency << missing << question << ok;
    QTest::newRow("8 agency zip placeholder")
        << QStringList{"Text7(3)=Zip & Country"} << 8 << agency << missing << question << ok;
    QTest::newRow("8 agency line empty")
        << QStringList{"Text7(2)="} << 8 << agency << missing << question << ok;
    QTest::newRow("9 mechanic differs from signer by one letter")
        << QStringList{"Option2=0", "Text7(0)=Jane Doe", "Combo3=Jane Dow"} << 9
        << "Agency name and signer do not match. Do you wish to continue Save?"
        << "Mismatched Information" << int(Msg::Icon::Exclamation) << int(Msg::Buttons::YesNo);
    QTest::newRow("9 mechanic who signs for himself")
        << QStringList{"Option2=0", "Text7(0)=Jane Doe"} << 0 << ""
        << "" << 0 << 0;
    QTest::newRow("9 names not compared for a repair station")
        << QStringList{"Combo3=Someone Else"} << 0 << ""
        << "" << 0 << 0;
    QTest::newRow("10 no certificate")
        << QStringList{"Text7(4)="} << 10
        << "Enter the agency certificate number. Form will not be saved." << missing << question
        << ok;
    QTest::newRow("11 no unit model")
        << QStringList{"Text5="} << 11 << unit << missing << question << ok;
    QTest::newRow("11 no unit serial")
        << QStringList{"Text6="} << 11 << unit << missing << question << ok;
    QTest::newRow("11 appliance without manufacturer")
        << QStringList{"List1=3", "Text4(0)=Pump", "Text5=P1", "Text6=7"} << 11 << unit << missing
        << question << ok;
    QTest::newRow("11 appliance with manufacturer")
        << QStringList{"List1=3", "Text4(0)=Pump", "Text4(1)=Acme", "Text5=P1", "Text6=7"} << 0
        << ""
        << "" << 0 << 0;
    QTest::newRow("12 no type of work")
        << QStringList{"Option1=-1"} << 12
        << "Repair or Alteration must be selected. Form will not be saved." << missing << question
        << ok;
    QTest::newRow("13 no verdict")
        << QStringList{"Option5=-1"} << 13
        << "Approved or Rejected must be selected. Form will not be saved." << missing << question
        << ok;
    QTest::newRow("14 no kind of agency")
        << QStringList{"Option2=-1"} << 14
        << "Agency type must be selected. Form will not be saved." << missing << question << ok;
    QTest::newRow("15 no BY") << QStringList{"Option6=-1"} << 15
                              << "Approved BY must be selected. Form will not be saved." << missing
                              << question << ok;
    QTest::newRow("earliest failure wins") << QStringList{"Option6=-1", "Text5=", "Combo1(2)="} << 3
                                           << "Enter an aircraft MODEL. Form will not be saved."
                                           << "Model not selected." << question << ok;
}

void SaveCheckTest::firstFailedCheck()
{
    QFETCH(QStringList, changes);
    QFETCH(int, check);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(int, buttons);

    FormSnapshot e = savableEntries();
    for (const QString &change : changes) {
        const int eq = change.indexOf(u'=');
        setEntry(e, change.left(eq), change.mid(eq + 1));
    }
    const SaveCheck *failed = SaveCheck::firstFailed(e);
    if (check == 0) {
        QVERIFY2(!failed, failed ? qPrintable(failed->message.text) : "");
        return;
    }
    QVERIFY(failed);
    QCOMPARE(failed->number, check);
    QCOMPARE(failed->message.text, text);
    QCOMPARE(failed->message.title, title);
    QCOMPARE(int(failed->message.icon), icon);
    QCOMPARE(int(failed->message.buttons), buttons);
    QCOMPARE(failed->confirmable, check == 9);
}

void SaveCheckTest::checksComeInOrder()
{
    const QList<SaveCheck> &checks = SaveCheck::inOrder();
    QCOMPARE(checks.size(), 15);
    for (int i = 0; i < checks.size(); ++i)
        QCOMPARE(checks[i].number, i + 1);
    // Everything empty: each check after the first still finds its own failure.
    FormSnapshot empty;
    QList<int> failing;
    for (const SaveCheck *c = SaveCheck::firstFailed(empty); c;
         c = SaveCheck::firstFailed(empty, c->number))
        failing << c->number;
    QCOMPARE(failing, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15}));
}

void SaveCheckTest::confirmableCheckLetsTheLaterChecksRun()
{
    FormSnapshot e = savableEntries();
    e.agencyKind = 0;
    e.conformitySigner = "Someone Else";
    e.agencyCertificate.clear();
    const SaveCheck *first = SaveCheck::firstFailed(e);
    QVERIFY(first && first->number == 9);
    const SaveCheck *next = SaveCheck::firstFailed(e, first->number);
    QVERIFY(next);
    QCOMPARE(next->number, 10);
}

REGISTER_TEST(SaveCheckTest)
#include "SaveCheckTest.moc"
