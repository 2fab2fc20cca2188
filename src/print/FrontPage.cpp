#include "print/FrontPage.h"

#include "form/FormFields.h"
#include "form/FormSnapshot.h"
#include "print/Emblem.h"
#include "print/LineBreaking.h"
#include "print/PageText.h"
#include "print/PrintSurface.h"
#include "ui/Dates.h"

#include <QPointF>

using PageText::Arial;
using PageText::at;
using PageText::Britannic;
using PageText::Font;
using PageText::QuickType;

namespace {

const Font A6r{Arial, 6};
const Font A6b{Arial, 6, true};
const Font A7r{Arial, 7};
const Font A7b{Arial, 7, true};
const Font A8r{Arial, 8};
const Font A8i{Arial, 8, false, true};
const Font A9b{Arial, 9, true};
const Font A10b{Arial, 10, true};
const Font Q9b{QuickType, 9, true};
const Font B15bi{Britannic, 15, true, true};

const Font &Mark = A9b;

struct Rule
{
    enum Kind { Width, Line, Box };
    Kind kind;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // for Width: x1 is the DrawWidth
};

constexpr Rule width(int w)
{
    return {Rule::Width, w};
}
constexpr Rule line(int x1, int y1, int x2, int y2)
{
    return {Rule::Line, x1, y1, x2, y2};
}
constexpr Rule box(int x1, int y1, int x2, int y2)
{
    return {Rule::Box, x1, y1, x2, y2};
}

// The border, rules and check boxes, in drawing order.
const Rule rules[] = {
    width(8),
    box(500, 10, 11000, 14150),
    // header
    width(3),
    line(7600, 500, 11000, 500),
    line(7600, 710, 11000, 710),
    width(5),
    line(8900, 10, 8900, 500),
    line(7600, 10, 7600, 1210),
    line(500, 1210, 11000, 1210),
    line(500, 1800, 11000, 1800),
    // items 1 and 2
    width(3),
    line(1690, 2285, 11000, 2285),
    width(5),
    line(1690, 1800, 1690, 3580),
    line(6070, 1800, 6070, 3580),
    line(8535, 2285, 8535, 2770),
    line(500, 2770, 11000, 2770),
    line(500, 3580, 11000, 3580),
    // item 3
    width(3),
    line(500, 3830, 11000, 3830),
    width(5),
    line(500, 5020, 11000, 5020),
    // items 4 and 5
    width(3),
    line(500, 5270, 11000, 5270),
    width(3),
    line(1300, 5270, 1300, 8900),
    width(5),
    line(2200, 5020, 2200, 8900),
    line(500, 5760, 11000, 5760),
    line(3400, 5270, 3400, 8900),
    line(6000, 5270, 6000, 8900),
    line(8800, 5270, 8800, 8900),
    line(500, 6480, 11000, 6480),
    width(5),
    box(800, 6020, 1050, 6220),
    box(1550, 6020, 1800, 6220),
    width(5),
    line(500, 7200, 11000, 7200),
    width(5),
    box(800, 6740, 1050, 6940),
    box(1550, 6740, 1800, 6940),
    width(5),
    line(500, 7920, 11000, 7920),
    width(5),
    box(800, 7460, 1050, 7660),
    box(1550, 7460, 1800, 7660),
    width(5),
    line(3400, 8410, 6000, 8410),
    width(5),
    line(500, 8900, 11000, 8900),
    width(3),
    box(800, 8310, 1050, 8510),
    box(1550, 8310, 1800, 8510),
    // item 6 (the rules at 9360 and 10320 are drawn twice, which darkens them a little)
    width(3),
    line(500, 9130, 11000, 9130),
    line(500, 9360, 11000, 9360),
    line(500, 10320, 11000, 10320),
    line(500, 9360, 11000, 9360),
    line(500, 10320, 11000, 10320),
    line(5000, 9600, 11000, 9600),
    line(5000, 9840, 11000, 9840),
    line(5000, 10080, 8560, 10080),
    line(5000, 9130, 5000, 10320),
    line(5390, 9360, 5390, 10320),
    line(8950, 9360, 8950, 9600),
    line(8560, 9360, 8560, 10320),
    line(500, 11040, 11000, 11040),
    width(3),
    box(2300, 11440, 2500, 11640),
    line(3100, 11040, 3100, 11770),
    width(5),
    line(500, 11770, 11000, 11770),
    // item 7
    width(3),
    line(500, 12000, 11000, 12000),
    line(940, 12455, 11000, 12455),
    line(940, 12940, 11000, 12940),
    line(940, 12455, 940, 13425),
    line(1310, 12455, 1310, 13425),
    line(2730, 12455, 2730, 13425),
    line(4640, 12455, 4640, 13425),
    line(5000, 12455, 5000, 13425),
    line(7380, 12455, 7380, 13425),
    line(3100, 12455, 3100, 14150),
    line(7780, 12455, 7780, 12940),
    width(5),
    line(500, 13425, 11000, 13425),
};

void mark(PrintSurface &s, bool condition, double x, double y)
{
    if (condition)
        at(s, Mark, x, y, QStringLiteral("X"));
}

// The mark of the selected option of a group, at that option's place.
template<std::size_t N>
void marks(PrintSurface &s, int selected, const QPointF (&places)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        mark(s, int(i) == selected, places[i].x(), places[i].y());
}

// The single-line texts of the boxes from `first` to `last` in the form's field table,
// each at the place the table gives it, in the table's order. An empty box prints nothing.
void entries(PrintSurface &s, const FormSnapshot &form, const char *first, const char *last)
{
    const std::span<const FormFields::Field> fields = FormFields::all();
    const FormFields::Field *from = FormFields::byControl(QString::fromLatin1(first));
    const FormFields::Field *to = FormFields::byControl(QString::fromLatin1(last));
    Q_ASSERT(from && to && from <= to);
    for (const FormFields::Field *field = from;
         field <= to && field < fields.data() + fields.size(); ++field) {
        if (!field->printed)
            continue;
        const FormFields::PrintPlace &place = *field->printed;
        const QString text
            = place.asDate ? FrontPage::printedDate(form.*field->value) : form.*field->value;
        if (!text.isEmpty())
            at(s, Font{Arial, place.pointSize, place.bold}, place.x, place.y, text);
    }
}

}  // namespace

QString FrontPage::printedDate(const QString &text)
{
    const QDate date = Dates::parse(text);
    return date.isValid() ? Dates::longForm(date) : text;
}

void FrontPage::draw(PrintSurface &s, const FormSnapshot &form)
{
    drawRules(s);
    s.paintPicture(Emblem::image(), 800, 110, 450, 450);
    drawHeader(s);
    drawAircraftAndOwner(s, form);
    drawTypeAndUnit(s, form);
    drawConformity(s, form);
    drawApproval(s, form);
    at(s, A10b, 500, 14140, QStringLiteral("FAA Form 337"));
    at(s, A7r, 2040, 14170, QStringLiteral("(10-06)"));
}

void FrontPage::drawRules(PrintSurface &s)
{
    for (const Rule &r : rules) {
        switch (r.kind) {
        case Rule::Width:
            s.setDrawWidth(r.x1);
            break;
        case Rule::Line:
            s.line(r.x1, r.y1, r.x2, r.y2);
            break;
        case Rule::Box:
            s.box(r.x1, r.y1, r.x2, r.y2);
            break;
        }
    }
}

void FrontPage::drawHeader(PrintSurface &s)
{
    at(s, A6r, 650, 570, QStringLiteral("US Department"));
    s.setCurrentX(650);
    s.print(QStringLiteral("of Transportation"));
    PageText::use(s, A6b);
    s.setCurrentX(650);
    s.print(QStringLiteral("Federal Aviation"));
    s.setCurrentX(650);
    s.print(QStringLiteral("Administration"));
    PageText::labels(s, {
                            {A10b, 2820, 290, "MAJOR  REPAIR  AND  ALTERATION"},
                            {A10b, 2280, 510, "(Airframe, Powerplant, Propeller, or Appliance)"},
                            {A6r, 7610, 50, "Form Approved"},
                            {A6r, 7610, 190, "OMB No. 2120-0020"},
                            {A6r, 7610, 330, "11/30/2007"},
                            {A6r, 8940, 50, "Electronic Tracking Number"},
                            {A6b, 8750, 540, "For FAA Use Only"},
                        });
    at(s, A8r, 620, 1270,
       QStringLiteral("INSTRUCTIONS:   Print or type all entries.  See Title 14 CFR 43.9, Part 43 "
                      "Appendix B, and AC "
                      "43.9-1 (or subsequent revision thereof) for"));
    at(s, A8r, 620, 1450,
       QStringLiteral("instructions and disposition of this form. This form is required by law (49 "
                      "U.S.C. 44701). "
                      "Failure to report can result in a civil penalty for each"));
    at(s, A8r, 620, 1630, QStringLiteral("such violation (49 U.S.C. 46301(a))"));
}

void FrontPage::drawAircraftAndOwner(PrintSurface &s, const FormSnapshot &form)
{
    PageText::labels(s, {
                            {Q9b, 560, 2150, "1. Aircraft"},
                            {A8r, 1740, 1850, "Nationality and Registration Mark"},
                            {A8r, 6120, 1850, "Serial No."},
                            {A8r, 1740, 2315, "Make"},
                            {A8r, 6120, 2315, "Model"},
                            {A8r, 8575, 2315, "Series"},
                        });
    entries(s, form, "Combo1(0)", "Text1(1)");

    at(s, Q9b, 560, 3020, QStringLiteral("2. Owner"));
    const QString asShown = QStringLiteral("(As shown on registration certificate)");
    PageText::use(s, A8r);
    s.moveTo(1740, 2800);
    s.printSameLine(QStringLiteral("Name "));
    PageText::use(s, A8i);
    s.print(asShown);
    PageText::use(s, A8r);
    s.moveTo(6120, 2800);
    s.printSameLine(QStringLiteral("Address "));
    PageText::use(s, A8i);
    s.print(asShown);

    if (!form.ownerName.isEmpty()) {
        PageText::use(s, A9b);
        const QStringList lines = LineBreaking::ownerNameLines(
            form.ownerName, [&s](const QString &t) { return s.textWidth(t); });
        for (int k = 0; k < lines.size(); ++k) {
            s.moveTo(2090, 2980 + 200 * k);
            s.printSameLine(lines[k]);
        }
    }
    entries(s, form, "Text2(1)", "Text2(3)");

    at(s, Q9b, 5300, 3595, QStringLiteral("3. For FAA Use Only"));
}

void FrontPage::drawTypeAndUnit(PrintSurface &s, const FormSnapshot &form)
{
    PageText::labels(s, {
                            {Q9b, 560, 5035, "4. Type"},
                            {A8r, 620, 5390, "Repair"},
                            {A8r, 1330, 5390, "Alteration"},
                        });

    PageText::labels(s, {
                            {Q9b, 5300, 5035, "5. Unit Identification"},
                            {A8r, 2600, 5390, "Unit"},
                            {A8r, 4500, 5390, "Make"},
                            {A8r, 7200, 5390, "Model"},
                            {A8r, 9600, 5390, "Serial No."},
                        });

    const int kind = form.unitKind;
    const bool repair = form.typeOfWork == FormSnapshot::Repair;
    const bool alteration = form.typeOfWork == FormSnapshot::Alteration;

    // The airframe row always carries the fillers: the airframe is the aircraft of item 1.
    at(s, A8r, 2260, 6020, QStringLiteral("AIRFRAME"));
    at(s, B15bi, 3600, 6060, QString(13, QLatin1Char('~')));
    at(s, B15bi, 9000, 6060, QString(10, QLatin1Char('~')));
    at(s, A8i, 6200, 6020, QStringLiteral("(As described in item 1 above)"));
    mark(s, kind == 0 && repair, 840, 6040);
    mark(s, kind == 0 && alteration, 1690, 6020);

    struct UnitRow
    {
        int kind;
        const char *label;
        double y;
    };
    for (const UnitRow &row : {UnitRow{1, "POWERPLANT", 6740}, UnitRow{2, "PROPELLER", 7460}}) {
        at(s, A8r, 2260, row.y, QString::fromLatin1(row.label));
        if (kind == row.kind) {
            at(s, A9b, 3560, row.y, form.unitMake);
            at(s, A9b, 6160, row.y, form.unitModel);
            at(s, A9b, 8960, row.y, form.unitSerialNumber);
        }
        mark(s, kind == row.kind && repair, 840, row.y + 20);
        mark(s, kind == row.kind && alteration, 1690, row.y);
    }

    PageText::labels(s, {
                            {A8r, 2260, 8280, "APPLIANCE"},
                            {A7b, 3450, 7950, "Type"},
                            {A7b, 3450, 8440, "Manufacturer"},
                        });
    if (kind == 3) {
        at(s, A9b, 3560, 8100, form.unitMake);
        at(s, A9b, 3560, 8590, form.applianceManufacturer);
        at(s, A9b, 6160, 8180, form.unitModel);
        at(s, A9b, 8960, 8180, form.unitSerialNumber);
    }
    mark(s, kind == 3 && repair, 840, 8330);
    mark(s, kind == 3 && alteration, 1690, 8310);
}

void FrontPage::drawConformity(PrintSurface &s, const FormSnapshot &form)
{
    PageText::labels(s, {
                            {Q9b, 5250, 8905, "6. Conformity Statement"},
                            {A8r, 560, 9145, "A.   Agency's Name and Address"},
                            {A8r, 5060, 9145, "B. Kind of Agency"},
                            {A8r, 8620, 9630, "C.  Certificate No."},
                            {A7r, 5440, 9390, "U.S. Certificated Mechanic"},
                            {A7r, 5440, 9630, "Foreign Certificated Mechanic"},
                            {A7r, 5440, 9870, "Certificated Repair Station"},
                            {A7r, 5440, 10110, "Certificated Maintenance Organization"},
                            {A7r, 9000, 9390, "Manufacturer"},
                        });
    entries(s, form, "Text7(0)", "Text7(4)");
    marks(s, form.agencyKind,
          {{5145, 9400}, {5145, 9640}, {5145, 9880}, {5145, 10120}, {8705, 9400}});

    at(s, A8r, 620, 10380,
       QStringLiteral("D.   I certify that the repair and/or alteration made to the unit(s) "
                      "identified in item 5 above "
                      "and described on the reverse or attachments hereto"));
    at(s, A8r, 620, 10560,
       QStringLiteral("      have been made in accordance with the requirements of Part 43 of the "
                      "U.S. Federal Aviation "
                      "Regulations and that the information"));
    at(s, A8r, 620, 10740,
       QStringLiteral("      furnished herein is true and correct to the best of my knowledge."));
    PageText::labels(s, {
                            {A8r, 550, 11100, "Extended range fuel"},
                            {A8r, 550, 11280, "per 14 CFR Part 43"},
                            {A8r, 550, 11460, "App. B"},
                        });
    if (form.extendedRangeFuel == 1)  // 2 is the greyed state, which is not a tick
        at(s, A8r, 2350, 11450, QStringLiteral("X"));
    at(s, A8r, 3160, 11070, QStringLiteral("Signature/Date of Authorized Individual"));
    entries(s, form, "Combo3", "Text16");
}

void FrontPage::drawApproval(PrintSurface &s, const FormSnapshot &form)
{
    at(s, Q9b, 5050, 11775, QStringLiteral("7. Approval for Return to Service"));
    at(s, A8r, 650, 12060,
       QStringLiteral("Pursuant to the authority given persons specified below, the unit "
                      "identified in item 5 was "
                      "inspected in the manner prescribed by the"));
    PageText::labels(
        s, {
               {A8r, 650, 12240, "Administrator of the Federal Aviation Administration and is "},
               {A8r, 5680, 12240, "Approved"},
               {A8r, 7380, 12240, "Rejected"},
               {A8r, 560, 12805, "BY"},
           });
    s.setDrawWidth(3);
    s.box(5440, 12240, 5600, 12425);
    s.box(7120, 12240, 7280, 12425);
    s.setDrawWidth(5);
    PageText::labels(s, {
                            {A8r, 1360, 12515, "FAA Flt. Standards"},
                            {A8r, 1360, 12725, "Inspector"},
                            {A8r, 3150, 12595, "Manufacturer"},
                            {A8r, 5050, 12595, "Maintenance Organization"},
                            {A8r, 1360, 13080, "FAA Designee"},
                            {A8r, 3150, 13080, "Repair Station"},
                            {A8r, 5050, 13080, "Inspection Authorization"},
                            {A8r, 7820, 12555, "Person Approved by Canadian"},
                            {A8r, 7820, 12705, "Department of Transport"},
                            {A8r, 7430, 12970, "Other (Specify)"},
                        });
    entries(s, form, "Text3", "Text3");
    mark(s, form.verdict == FormSnapshot::Approved, 5450, 12250);
    mark(s, form.verdict == FormSnapshot::Rejected, 7150, 12250);
    marks(s, form.approvedBy,
          {{1075, 12647.5},
           {2865, 12647.5},
           {4770, 12647.5},
           {7525, 12647.5},
           {1075, 13132.5},
           {2865, 13132.5},
           {4770, 13132.5}});
    PageText::labels(s, {
                            {A8r, 560, 13455, "Certificate or"},
                            {A8r, 560, 13605, "Designation No."},
                            {A8r, 3160, 13455, "Signature/Date of Authorized Individual"},
                        });
    entries(s, form, "Text13", "Text17");
}
