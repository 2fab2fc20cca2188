#include "FrontPageTest.h"
#include "common/TestRegistry.h"

#include "PrintTestSupport.h"

#include "form/FormSnapshot.h"
#include "print/FrontPage.h"

#include <QPolygonF>
#include <QtTest>

// The print tests read and write US English short dates ("3/17/2011"): the locale is set
// before the test application starts.
static const bool usEnglishDates = qputenv("LC_ALL", "en_US.UTF-8");

namespace {

const FontsWithout &systemFonts()
{
    static const FontsWithout fonts;
    return fonts;
}

PrintLog drawFront(const FormSnapshot &form)
{
    RecordingSurface surface(systemFonts());
    surface.setScale(0);
    FrontPage::draw(surface, form);
    return surface.ops();
}

// Text operations at (x, y) with the given text.
QList<PrintOp> textsAt(const PrintLog &log, double x, double y)
{
    QList<PrintOp> out;
    for (const PrintOp &op : textOps(log)) {
        if (op.at == QPointF(x, y))
            out << op;
    }
    return out;
}

QPolygonF markPositions(const PrintLog &log)
{
    QPolygonF out;
    for (const PrintOp &op : textOps(log)) {
        if (op.text == "X")
            out << op.at;
    }
    return out;
}

FormSnapshot completeForm()
{
    FormSnapshot f;
    f.registrationMark = "N4721K";
    f.make = "Cessna";
    f.model = "172S";
    f.serialNumber = "172S10485";
    f.series = "Skyhawk";
    f.ownerName = "Blue Ridge Flying Club";
    f.ownerAddress = "1450 Airport Road";
    f.ownerCityState = "Roanoke, VA 24012";
    f.ownerZipCountry = "USA";
    f.agencyName = "Valley Aircraft";
    f.agencyAddress = "2201 Hangar Lane";
    f.agencyCityState = "Roanoke, VA";
    f.agencyZipCountry = "USA 24012";
    f.agencyCertificate = "VQ4R123K";
    f.conformitySigner = "Robert Lancaster";
    f.conformityDate = "3/17/2011";
    f.otherApprover = "Other approver";
    f.approverCertificate = "DMIR-2207";
    f.approvalSigner = "Helen Carter";
    f.approvalDate = "not dated";
    return f;
}

struct Rule
{
    char kind;  // 'L' line, 'B' box
    int width, x1, y1, x2, y2;
};

// The front page's rules and boxes in drawing order, as the official layout gives them.
const Rule frontRules[] = {
    {'B', 8, 500, 10, 11000, 14150},
    {'L', 3, 7600, 500, 11000, 500},
    {'L', 3, 7600, 710, 11000, 710},
    {'L', 5, 8900, 10, 8900, 500},
    {'L', 5, 7600, 10, 7600, 1210},
    {'L', 5, 500, 1210, 11000, 1210},
    {'L', 5, 500, 1800, 11000, 1800},
    {'L', 3, 1690, 2285, 11000, 2285},
    {'L', 5, 1690, 1800, 1690, 3580},
    {'L', 5, 6070, 1800, 6070, 3580},
    {'L', 5, 8535, 2285, 8535, 2770},
    {'L', 5, 500, 2770, 11000, 2770},
    {'L', 5, 500, 3580, 11000, 3580},
    {'L', 3, 500, 3830, 11000, 3830},
    {'L', 5, 500, 5020, 11000, 5020},
    {'L', 3, 500, 5270, 11000, 5270},
    {'L', 3, 1300, 5270, 1300, 8900},
    {'L', 5, 2200, 5020, 2200, 8900},
    {'L', 5, 500, 5760, 11000, 5760},
    {'L', 5, 3400, 5270, 3400, 8900},
    {'L', 5, 6000, 5270, 6000, 8900},
    {'L', 5, 8800, 5270, 8800, 8900},
    {'L', 5, 500, 6480, 11000, 6480},
    {'B', 5, 800, 6020, 1050, 6220},
    {'B', 5, 1550, 6020, 1800, 6220},
    {'L', 5, 500, 7200, 11000, 7200},
    {'B', 5, 800, 6740, 1050, 6940},
    {'B', 5, 1550, 6740, 1800, 6940},
    {'L', 5, 500, 7920, 11000, 7920},
    {'B', 5, 800, 7460, 1050, 7660},
    {'B', 5, 1550, 7460, 1800, 7660},
    {'L', 5, 3400, 8410, 6000, 8410},
    {'L', 5, 500, 8900, 11000, 8900},
    {'B', 3, 800, 8310, 1050, 8510},
    {'B', 3, 1550, 8310, 1800, 8510},
    {'L', 3, 500, 9130, 11000, 9130},
    {'L', 3, 500, 9360, 11000, 9360},
    {'L', 3, 500, 10320, 11000, 10320},
    {'L', 3, 500, 9360, 11000, 9360},
    {'L', 3, 500, 10320, 11000, 10320},
    {'L', 3, 5000, 9600, 11000, 9600},
    {'L', 3, 5000, 9840, 11000, 9840},
    {'L', 3, 5000, 10080, 8560, 10080},
    {'L', 3, 5000, 9130, 5000, 10320},
    {'L', 3, 5390, 9360, 5390, 10320},
    {'L', 3, 8950, 9360, 8950, 9600},
    {'L', 3, 8560, 9360, 8560, 10320},
    {'L', 3, 500, 11040, 11000, 11040},
    {'B', 3, 2300, 11440, 2500, 11640},
    {'L', 3, 3100, 11040, 3100, 11770},
    {'L', 5, 500, 11770, 11000, 11770},
    {'L', 3, 500, 12000, 11000, 12000},
    {'L', 3, 940, 12455, 11000, 12455},
    {'L', 3, 940, 12940, 11000, 12940},
    {'L', 3, 940, 12455, 940, 13425},
    {'L', 3, 1310, 12455, 1310, 13425},
    {'L', 3, 2730, 12455, 2730, 13425},
    {'L', 3, 4640, 12455, 4640, 13425},
    {'L', 3, 5000, 12455, 5000, 13425},
    {'L', 3, 7380, 12455, 7380, 13425},
    {'L', 3, 3100, 12455, 3100, 14150},
    {'L', 3, 7780, 12455, 7780, 12940},
    {'L', 5, 500, 13425, 11000, 13425},
    // the Approved and Rejected boxes of item 7, drawn among the texts
    {'B', 3, 5440, 12240, 5600, 12425},
    {'B', 3, 7120, 12240, 7280, 12425},
};

}  // namespace

void FrontPageTest::rules_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QChar>("kind");
    QTest::addColumn<int>("width");
    QTest::addColumn<QRectF>("coordinates");
    int i = 0;
    for (const Rule &r : frontRules) {
        QTest::addRow("%d: %c (%d,%d)-(%d,%d)", i, r.kind, r.x1, r.y1, r.x2, r.y2)
            << i << QChar(r.kind) << r.width << QRectF(QPointF(r.x1, r.y1), QPointF(r.x2, r.y2));
        ++i;
    }
}

void FrontPageTest::rules()
{
    QFETCH(int, index);
    QFETCH(QChar, kind);
    QFETCH(int, width);
    QFETCH(QRectF, coordinates);
    QList<PrintOp> drawn;
    for (const PrintOp &op : drawFront(completeForm())) {
        if (op.kind == PrintOp::Line || op.kind == PrintOp::Box)
            drawn << op;
    }
    QCOMPARE(drawn.size(), int(std::size(frontRules)));
    const PrintOp &op = drawn[index];
    QCOMPARE(op.kind, kind == 'L' ? PrintOp::Line : PrintOp::Box);
    QCOMPARE(op.drawWidth, width);
    QCOMPARE(op.from(), coordinates.topLeft());
    QCOMPARE(op.to(), coordinates.bottomRight());
}

void FrontPageTest::emblemAfterRulesBeforeTexts()
{
    const PrintLog log = drawFront(completeForm());
    int picture = -1, lastRule = -1, firstText = -1;
    for (int i = 0; i < log.size(); ++i) {
        if (log[i].kind == PrintOp::Picture)
            picture = i;
        if (log[i].kind == PrintOp::Line && lastRule < i)
            lastRule = i;
        if (log[i].kind == PrintOp::Text && firstText < 0)
            firstText = i;
    }
    QVERIFY(picture > lastRule);
    QVERIFY(picture < firstText);
    QCOMPARE(log[picture].area, QRectF(800, 110, 450, 450));
}

void FrontPageTest::labels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QString>("font");  // A, Q or B, size, then b and/or i
    struct Label
    {
        const char *text;
        double x, y;
        const char *font;
    };
    const Label labels[] = {
        {"US Department", 650, 570, "A 6"},
        {"MAJOR  REPAIR  AND  ALTERATION", 2820, 290, "A 10 b"},
        {"(Airframe, Powerplant, Propeller, or Appliance)", 2280, 510, "A 10 b"},
        {"Form Approved", 7610, 50, "A 6"},
        {"OMB No. 2120-0020", 7610, 190, "A 6"},
        {"11/30/2007", 7610, 330, "A 6"},
        {"Electronic Tracking Number", 8940, 50, "A 6"},
        {"For FAA Use Only", 8750, 540, "A 6 b"},
        {"INSTRUCTIONS:   Print or type all entries.  See Title 14 CFR 43.9, Part 43 Appendix B, "
         "and AC 43.9-1 (or "
         "subsequent revision thereof) for",
         620, 1270, "A 8"},
        {"instructions and disposition of this form. This form is required by law (49 U.S.C. "
         "44701). Failure to "
         "report can result in a civil penalty for each",
         620, 1450, "A 8"},
        {"such violation (49 U.S.C. 46301(a))", 620, 1630, "A 8"},
        {"1. Aircraft", 560, 2150, "Q 9 b"},
        {"Nationality and Registration Mark", 1740, 1850, "A 8"},
        {"Serial No.", 6120, 1850, "A 8"},
        {"Make", 1740, 2315, "A 8"},
        {"Model", 6120, 2315, "A 8"},
        {"Series", 8575, 2315, "A 8"},
        {"2. Owner", 560, 3020, "Q 9 b"},
        {"Name ", 1740, 2800, "A 8"},
        {"Address ", 6120, 2800, "A 8"},
        {"3. For FAA Use Only", 5300, 3595, "Q 9 b"},
        {"4. Type", 560, 5035, "Q 9 b"},
        {"Repair", 620, 5390, "A 8"},
        {"Alteration", 1330, 5390, "A 8"},
        {"5. Unit Identification", 5300, 5035, "Q 9 b"},
        {"Unit", 2600, 5390, "A 8"},
        {"Make", 4500, 5390, "A 8"},
        {"Model", 7200, 5390, "A 8"},
        {"Serial No.", 9600, 5390, "A 8"},
        {"AIRFRAME", 2260, 6020, "A 8"},
        {"~~~~~~~~~~~~~", 3600, 6060, "B 15 b i"},
        {"~~~~~~~~~~", 9000, 6060, "B 15 b i"},
        {"(As described in item 1 above)", 6200, 6020, "A 8 i"},
        {"POWERPLANT", 2260, 6740, "A 8"},
        {"PROPELLER", 2260, 7460, "A 8"},
        {"APPLIANCE", 2260, 8280, "A 8"},
        {"Type", 3450, 7950, "A 7 b"},
        {"Manufacturer", 3450, 8440, "A 7 b"},
        {"6. Conformity Statement", 5250, 8905, "Q 9 b"},
        {"A.   Agency's Name and Address", 560, 9145, "A 8"},
        {"B. Kind of Agency", 5060, 9145, "A 8"},
        {"C.  Certificate No.", 8620, 9630, "A 8"},
        {"U.S. Certificated Mechanic", 5440, 9390, "A 7"},
        {"Foreign Certificated Mechanic", 5440, 9630, "A 7"},
        {"Certificated Repair Station", 5440, 9870, "A 7"},
        {"Certificated Maintenance Organization", 5440, 10110, "A 7"},
        {"Manufacturer", 9000, 9390, "A 7"},
        {"D.   I certify that the repair and/or alteration made to the unit(s) identified in item "
         "5 above and "
         "described on the reverse or attachments hereto",
         620, 10380, "A 8"},
        {"      have been made in accordance with the requirements of Part 43 of the U.S. Federal "
         "Aviation "
         "Regulations and that the information",
         620, 10560, "A 8"},
        {"      furnished herein is true and correct to the best of my knowledge.", 620, 10740,
         "A 8"},
        {"Extended range fuel", 550, 11100, "A 8"},
        {"per 14 CFR Part 43", 550, 11280, "A 8"},
        {"App. B", 550, 11460, "A 8"},
        {"Signature/Date of Authorized Individual", 3160, 11070, "A 8"},
        {"7. Approval for Return to Service", 5050, 11775, "Q 9 b"},
        {"Pursuant to the authority given persons specified below, the unit identified in item 5 "
         "was inspected in "
         "the manner prescribed by the",
         650, 12060, "A 8"},
        {"Administrator of the Federal Aviation Administration and is ", 650, 12240, "A 8"},
        {"Approved", 5680, 12240, "A 8"},
        {"Rejected", 7380, 12240, "A 8"},
        {"BY", 560, 12805, "A 8"},
        {"FAA Flt. Standards", 1360, 12515, "A 8"},
        {"Inspector", 1360, 12725, "A 8"},
        {"Manufacturer", 3150, 12595, "A 8"},
        {"Maintenance Organization", 5050, 12595, "A 8"},
        {"FAA Designee", 1360, 13080, "A 8"},
        {"Repair Station", 3150, 13080, "A 8"},
        {"Inspection Authorization", 5050, 13080, "A 8"},
        {"Person Approved by Canadian", 7820, 12555, "A 8"},
        {"Department of Transport", 7820, 12705, "A 8"},
        {"Other (Specify)", 7430, 12970, "A 8"},
        {"Certificate or", 560, 13455, "A 8"},
        {"Designation No.", 560, 13605, "A 8"},
        {"Signature/Date of Authorized Individual", 3160, 13455, "A 8"},
        {"FAA Form 337", 500, 14140, "A 10 b"},
        {"(10-06)", 2040, 14170, "A 7"},
    };
    for (const Label &l : labels)
        QTest::addRow("%s at %g,%g", l.text, l.x, l.y)
            << QString(l.text) << QPointF(l.x, l.y) << QString(l.font);
}

namespace {

QString fontCode(const FontState &f)
{
    const QString family = f.name == "Arial"                 ? "A"
                           : f.name == "QuickType Condensed" ? "Q"
                           : f.name == "Britannic Bold"      ? "B"
                                                             : f.name;
    QString code = QString("%1 %2").arg(family).arg(f.size);
    if (f.bold)
        code += " b";
    if (f.italic)
        code += " i";
    return code;
}

}  // namespace

void FrontPageTest::labels()
{
    QFETCH(QString, text);
    QFETCH(QPointF, at);
    QFETCH(QString, font);
    const QList<PrintOp> found = textsAt(drawFront(completeForm()), at.x(), at.y());
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].text, text);
    QCOMPARE(fontCode(found[0].font), font);
}

void FrontPageTest::labelsInDrawingOrder()
{
    // Headings and block labels come block by block, top to bottom, and each entry in its
    // place among them: the signer of item 6 after its signature label, the other approver
    // of item 7 before its certificate label.
    const QStringList order = {"US Department",
                               "MAJOR  REPAIR  AND  ALTERATION",
                               "1. Aircraft",
                               "2. Owner",
                               "3. For FAA Use Only",
                               "4. Type",
                               "5. Unit Identification",
                               "6. Conformity Statement",
                               "VQ4R123K",
                               "Signature/Date of Authorized Individual",
                               "Robert Lancaster",
                               "7. Approval for Return to Service",
                               "Other approver",
                               "Certificate or",
                               "Signature/Date of Authorized Individual",
                               "DMIR-2207",
                               "FAA Form 337",
                               "(10-06)"};
    QStringList printed;
    for (const PrintOp &op : textOps(drawFront(completeForm()))) {
        if (order.contains(op.text))
            printed << op.text;
    }
    QCOMPARE(printed, order);
}

void FrontPageTest::headerLinesFollowEachOther()
{
    const QList<PrintOp> texts = textOps(drawFront(completeForm()));
    QStringList header;
    QList<PrintOp> ops;
    for (const PrintOp &op : texts) {
        if (op.at.x() == 650 && op.at.y() >= 570 && op.at.y() < 1200) {
            header << op.text;
            ops << op;
        }
    }
    QCOMPARE(header, (QStringList{"US Department", "of Transportation", "Federal Aviation",
                                  "Administration"}));
    QCOMPARE(fontCode(ops[1].font), QString("A 6"));
    QCOMPARE(fontCode(ops[2].font), QString("A 6 b"));
    for (int i = 1; i < ops.size(); ++i) {
        const double step = ops[i].at.y() - ops[i - 1].at.y();
        QVERIFY2(step > 100 && step < 180, qPrintable(QString::number(step)));  // one 6-point line
    }
}

void FrontPageTest::entries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QString>("font");
    QTest::newRow("registration mark") << "N4721K" << QPointF(2090, 2020) << "A 9 b";
    QTest::newRow("make") << "Cessna" << QPointF(2090, 2435) << "A 9 b";
    QTest::newRow("serial") << "172S10485" << QPointF(6870, 2020) << "A 9 b";
    QTest::newRow("model") << "172S" << QPointF(6470, 2435) << "A 9 b";
    QTest::newRow("series") << "Skyhawk" << QPointF(8900, 2505) << "A 9 b";
    QTest::newRow("owner") << "Blue Ridge Flying Club" << QPointF(2090, 2980) << "A 9 b";
    QTest::newRow("owner address") << "1450 Airport Road" << QPointF(6170, 2980) << "A 9 b";
    QTest::newRow("owner city") << "Roanoke, VA 24012" << QPointF(6170, 3140) << "A 9 b";
    QTest::newRow("owner zip") << "USA" << QPointF(6170, 3300) << "A 9 b";
    QTest::newRow("agency name") << "Valley Aircraft" << QPointF(660, 9400) << "A 9 b";
    QTest::newRow("agency address") << "2201 Hangar Lane" << QPointF(660, 9580) << "A 9 b";
    QTest::newRow("agency city") << "Roanoke, VA" << QPointF(660, 9760) << "A 9 b";
    QTest::newRow("agency zip") << "USA 24012" << QPointF(660, 9940) << "A 9 b";
    QTest::newRow("agency certificate") << "VQ4R123K" << QPointF(8760, 9900) << "A 9 b";
    QTest::newRow("item 6 signer") << "Robert Lancaster" << QPointF(5500, 11520) << "A 8";
    QTest::newRow("item 6 date as a long date")
        << "March 17, 2011" << QPointF(8800, 11340) << "A 9 b";
    QTest::newRow("other (specify)") << "Other approver" << QPointF(7540, 13120) << "A 9 b";
    QTest::newRow("certificate number") << "DMIR-2207" << QPointF(860, 13900) << "A 8";
    QTest::newRow("item 7 signer") << "Helen Carter" << QPointF(3600, 13900) << "A 9 b";
    QTest::newRow("item 7 date not a date") << "not dated" << QPointF(8800, 13850) << "A 9 b";
}

void FrontPageTest::entries()
{
    QFETCH(QString, text);
    QFETCH(QPointF, at);
    QFETCH(QString, font);
    const QList<PrintOp> found = textsAt(drawFront(completeForm()), at.x(), at.y());
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].text, text);
    QCOMPARE(fontCode(found[0].font), font);
}

void FrontPageTest::emptyAircraftValuesPrintNothing()
{
    FormSnapshot form = completeForm();
    for (QString *box :
         {&form.registrationMark, &form.make, &form.model, &form.serialNumber, &form.series})
        box->clear();
    form.ownerName.clear();
    const PrintLog log = drawFront(form);
    for (QPointF at : {QPointF(2090, 2020), QPointF(2090, 2435), QPointF(6870, 2020),
                       QPointF(6470, 2435), QPointF(8900, 2505), QPointF(2090, 2980)})
        QVERIFY2(textsAt(log, at.x(), at.y()).isEmpty(),
                 qPrintable(QString("%1,%2").arg(at.x()).arg(at.y())));
    QCOMPARE(textsAt(log, 1740, 1850).size(), 1);  // the labels stay
}

void FrontPageTest::marks_data()
{
    QTest::addColumn<int>("list1");
    QTest::addColumn<int>("option1");  // -1 none
    QTest::addColumn<int>("option2");
    QTest::addColumn<int>("option5");
    QTest::addColumn<int>("option6");
    QTest::addColumn<int>("check2");
    QTest::addColumn<QPolygonF>("marks");
    QTest::newRow("nothing selected") << -1 << -1 << -1 << -1 << -1 << 0 << QPolygonF();
    QTest::newRow("no unit kind, repair") << -1 << 0 << -1 << -1 << -1 << 0 << QPolygonF();
    QTest::newRow("airframe repair") << 0 << 0 << -1 << -1 << -1 << 0 << QPolygonF({{840, 6040}});
    QTest::newRow("airframe alteration")
        << 0 << 1 << -1 << -1 << -1 << 0 << QPolygonF({{1690, 6020}});
    QTest::newRow("powerplant repair") << 1 << 0 << -1 << -1 << -1 << 0 << QPolygonF({{840, 6760}});
    QTest::newRow("powerplant alteration")
        << 1 << 1 << -1 << -1 << -1 << 0 << QPolygonF({{1690, 6740}});
    QTest::newRow("propeller repair") << 2 << 0 << -1 << -1 << -1 << 0 << QPolygonF({{840, 7480}});
    QTest::newRow("propeller alteration")
        << 2 << 1 << -1 << -1 << -1 << 0 << QPolygonF({{1690, 7460}});
    QTest::newRow("appliance repair") << 3 << 0 << -1 << -1 << -1 << 0 << QPolygonF({{840, 8330}});
    QTest::newRow("appliance alteration")
        << 3 << 1 << -1 << -1 << -1 << 0 << QPolygonF({{1690, 8310}});
    const QPointF agency[]
        = {{5145, 9400}, {5145, 9640}, {5145, 9880}, {5145, 10120}, {8705, 9400}};
    for (int i = 0; i < 5; ++i)
        QTest::addRow("kind of agency %d", i)
            << -1 << -1 << i << -1 << -1 << 0 << QPolygonF({agency[i]});
    QTest::newRow("approved") << -1 << -1 << -1 << 0 << -1 << 0 << QPolygonF({{5450, 12250}});
    QTest::newRow("rejected") << -1 << -1 << -1 << 1 << -1 << 0 << QPolygonF({{7150, 12250}});
    const QPointF by[] = {{1075, 12647.5}, {2865, 12647.5}, {4770, 12647.5}, {7525, 12647.5},
                          {1075, 13132.5}, {2865, 13132.5}, {4770, 13132.5}};
    for (int i = 0; i < 7; ++i)
        QTest::addRow("approved by %d", i) << -1 << -1 << -1 << -1 << i << 0 << QPolygonF({by[i]});
    QTest::newRow("fuel ticked") << -1 << -1 << -1 << -1 << -1 << 1 << QPolygonF({{2350, 11450}});
    QTest::newRow("fuel greyed") << -1 << -1 << -1 << -1 << -1 << 2 << QPolygonF();
    QTest::newRow("together, in drawing order")
        << 1 << 1 << 2 << 0 << 5 << 1
        << QPolygonF({{1690, 6740}, {5145, 9880}, {2350, 11450}, {5450, 12250}, {2865, 13132.5}});
}

void FrontPageTest::marks()
{
    QFETCH(int, list1);
    QFETCH(int, option1);
    QFETCH(int, option2);
    QFETCH(int, option5);
    QFETCH(int, option6);
    QFETCH(int, check2);
    QFETCH(QPolygonF, marks);
    FormSnapshot form = completeForm();
    form.unitKind = list1;
    form.typeOfWork = option1;
    form.agencyKind = option2;
    form.verdict = option5;
    form.approvedBy = option6;
    form.extendedRangeFuel = check2;
    const PrintLog log = drawFront(form);
    QCOMPARE(markPositions(log), marks);
    for (const PrintOp &op : textOps(log)) {
        if (op.text == "X")
            QCOMPARE(fontCode(op.font),
                     op.at == QPointF(2350, 11450) ? QString("A 8") : QString("A 9 b"));
    }
}

void FrontPageTest::unitRows_data()
{
    QTest::addColumn<int>("list1");
    QTest::addColumn<QPolygonF>(
        "makeModelSerialManufacturer");  // positions of MK, MD, SN, MF; (0,0) not printed
    QTest::newRow("none") << -1 << QPolygonF({{0, 0}, {0, 0}, {0, 0}, {0, 0}});
    QTest::newRow("airframe") << 0 << QPolygonF({{0, 0}, {0, 0}, {0, 0}, {0, 0}});
    QTest::newRow("powerplant") << 1
                                << QPolygonF({{3560, 6740}, {6160, 6740}, {8960, 6740}, {0, 0}});
    QTest::newRow("propeller") << 2
                               << QPolygonF({{3560, 7460}, {6160, 7460}, {8960, 7460}, {0, 0}});
    QTest::newRow("appliance") << 3
                               << QPolygonF(
                                      {{3560, 8100}, {6160, 8180}, {8960, 8180}, {3560, 8590}});
}

void FrontPageTest::unitRows()
{
    QFETCH(int, list1);
    QFETCH(QPolygonF, makeModelSerialManufacturer);
    FormSnapshot form = completeForm();
    form.unitKind = list1;
    form.unitMake = "MK";
    form.applianceManufacturer = "MF";
    form.unitModel = "MD";
    form.unitSerialNumber = "SN";
    const PrintLog log = drawFront(form);
    const QStringList values = {"MK", "MD", "SN", "MF"};
    for (int i = 0; i < values.size(); ++i) {
        QList<PrintOp> printed;
        for (const PrintOp &op : textOps(log)) {
            if (op.text == values[i])
                printed << op;
        }
        const QPointF expected = makeModelSerialManufacturer[i];
        if (expected.isNull()) {
            QVERIFY2(printed.isEmpty(), qPrintable(values[i]));
        } else {
            QCOMPARE(printed.size(), 1);
            QCOMPARE(printed[0].at, expected);
            QCOMPARE(fontCode(printed[0].font), QString("A 9 b"));
        }
    }
    // The airframe row's fillers are there whatever the kind.
    QCOMPARE(textsAt(log, 3600, 6060).size(), 1);
    QCOMPARE(textsAt(log, 9000, 6060).size(), 1);
    QCOMPARE(textsAt(log, 6200, 6020).size(), 1);
}

void FrontPageTest::ownerName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("one line") << "John Smith" << QStringList{"John Smith"};
    QTest::newRow("two names") << "John Smith\r\nJane Smith"
                               << QStringList{"John Smith", "Jane Smith"};
    QTest::newRow("five lines") << "A\r\nB\r\nC\r\nD\r\nE" << QStringList{"A", "B", "C", "D"};
    QTest::newRow("one overlong word") << QString(130, 'W') << QStringList{QString(120, 'W')};
}

void FrontPageTest::ownerName()
{
    QFETCH(QString, name);
    QFETCH(QStringList, lines);
    FormSnapshot form = completeForm();
    form.ownerName = name;
    const PrintLog log = drawFront(form);
    for (int k = 0; k < 5; ++k) {
        const QList<PrintOp> found = textsAt(log, 2090, 2980 + 200 * k);
        if (k >= lines.size()) {
            QVERIFY(found.isEmpty());
            continue;
        }
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].text, lines[k]);
        QVERIFY(!found[0].lineFeed);
        QCOMPARE(fontCode(found[0].font), QString("A 9 b"));
    }
}

void FrontPageTest::dates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("printed");
    QTest::newRow("short US date") << "3/17/2011"
                                   << "March 17, 2011";
    QTest::newRow("long date keeps its form") << "March 5, 2011"
                                              << "March 05, 2011";
    QTest::newRow("ISO date") << "2011-12-07"
                              << "December 07, 2011";
    QTest::newRow("not a date") << "pending"
                                << "pending";
    QTest::newRow("empty") << ""
                           << "";
}

void FrontPageTest::dates()
{
    QFETCH(QString, typed);
    QFETCH(QString, printed);
    FormSnapshot form = completeForm();
    form.conformityDate = typed;
    form.approvalDate = typed;
    const PrintLog log = drawFront(form);
    QCOMPARE(textsAt(log, 8800, 11340).value(0).text, printed);
    QCOMPARE(textsAt(log, 8800, 13850).value(0).text, printed);
}

REGISTER_TEST(FrontPageTest)
