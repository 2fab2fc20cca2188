#include "print/BackPage.h"

#include "form/FormSnapshot.h"
#include "print/LineBreaking.h"
#include "print/PageText.h"
#include "print/PrintSurface.h"

using PageText::Arial;
using PageText::at;
using PageText::Font;

namespace {

const Font A7r{Arial, 7};
const Font A7i{Arial, 7, false, true};
const Font A8b{Arial, 8, true};
const Font A9b{Arial, 9, true};
const Font A9i{Arial, 9, false, true};
const Font A11b{Arial, 11, true};

}  // namespace

QString BackPage::continuationHeading()
{
    return QStringLiteral("Description of Work Accomplished - Continued ..... ");
}

QString BackPage::endLine()
{
    return QStringLiteral("- ").repeated(44) + QStringLiteral("E N D")
           + QStringLiteral(" -").repeated(44);
}

void BackPage::draw(PrintSurface &s, const FormSnapshot &form)
{
    drawFixedContent(s);
    PageText::use(s, A9b);
    if (form.description.isEmpty())
        return;
    drawDescription(s, form);
}

void BackPage::drawFixedContent(PrintSurface &s)
{
    s.setDrawWidth(8);
    s.box(500, 10, 11000, 910);
    s.box(500, 1210, 11000, 14150);
    s.setDrawWidth(5);
    s.box(4640, 13950, 4800, 14110);  // "Additional Sheets Are Attached"
    PageText::labels(s,
                     {
                         {A11b, 5300, 70, "NOTICE"},
                         {A9i, 620, 370,
                          "Weight and balance or operating limitation changes shall be entered in "
                          "the appropriate aircraft record.  "
                          "An alteration must be"},
                         {A9i, 620, 550,
                          "compatible with all previous alterations to assure continued conformity "
                          "with the applicable airworthiness "
                          "requirements."},
                         {A8b, 620, 1260, "8.  Description of Work Accomplished"},
                         {A7i, 620, 1460,
                          "(If more space is required, attach additional sheets. Identify with "
                          "aircraft nationality and registration "
                          "mark and date work completed.)"},
                         {A7r, 4890, 13950, "Additional Sheets Are Attached"},
                         {A7r, 6750, 14170, "U.S. GOVERNMENT PRINTING OFFICE: 1992-769-012/60157"},
                     });
}

void BackPage::drawDescription(PrintSurface &s, const FormSnapshot &form)
{
    const QStringList lines = LineBreaking::descriptionLines(
        form.description, [&s](const QString &t) { return s.textWidth(t); });
    // This page and a continuation sheet for every further 60 lines.
    const int sheets = 1 + (lines.isEmpty() ? 0 : int(lines.size() - 1) / LinesPerPage);
    s.expectPages(s.pagesDone() + sheets);
    int lineNumber = 0;
    int sheet = 1;
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0 && ++lineNumber == LinesPerPage) {
            lineNumber = 0;
            beginContinuationSheet(s, form, ++sheet, sheets);
        }
        s.moveTo(LineX, FirstLineY + LinePitch * lineNumber);
        s.print(lines[i]);
    }
    const double endY = FirstLineY + LinePitch * (lineNumber + 1);
    s.moveTo(LineX, endY);
    if (endY <= 13750)
        s.print(endLine());
}

QString BackPage::sheetIdentification(const FormSnapshot &form)
{
    return QStringLiteral("Registration mark: %1     Date work completed: %2")
        .arg(form.registrationMark.trimmed(), form.conformityDate.trimmed());
}

QString BackPage::sheetNumber(int sheet, int sheets)
{
    return QStringLiteral("Sheet %1 of %2").arg(sheet).arg(sheets);
}

void BackPage::beginContinuationSheet(PrintSurface &s, const FormSnapshot &form, int sheet,
                                      int sheets)
{
    s.moveTo(4660, 13960);
    s.print(QStringLiteral(
        "X"));  // into the "Additional Sheets Are Attached" box of the page being left
    s.newPage();
    s.moveTo(600, 1260);
    s.printSameLine(continuationHeading());
    if (form.conformitySigner != QLatin1String("REGISTRATION MARK"))
        s.print(form.conformitySigner);
    // A loose sheet names its aircraft, its date and its place, as item 8 asks, so it can be
    // matched to its form; the back page counts as sheet 1.
    s.moveTo(LineX, IdentificationY);
    s.print(sheetIdentification(form));
    const QString number = sheetNumber(sheet, sheets);
    s.moveTo(11000 - 100 - s.textWidth(number), IdentificationY);
    s.print(number);
}
