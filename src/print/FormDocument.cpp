#include "print/FormDocument.h"

#include "print/BackPage.h"
#include "print/FrontPage.h"
#include "print/PrintSurface.h"

#include <QString>

namespace {

// A side starts like a new print job: the printer's default font and line width, then the scale.
void startSide(PrintSurface &s, std::optional<int> topShift)
{
    const FontState printerDefault;
    s.setFontName(printerDefault.name);
    s.setFontSize(printerDefault.size);
    s.setFontBold(printerDefault.bold);
    s.setFontItalic(printerDefault.italic);
    s.setDrawWidth(1);
    s.setScale(topShift);
}

}  // namespace

void FormDocument::draw(PrintSurface &s, const FormSnapshot &form, std::optional<int> topShift)
{
    startSide(s, topShift);
    FrontPage::draw(s, form);
    s.newPage();
    startSide(s, topShift);
    BackPage::draw(s, form);
    s.endDoc();
}

QString FormDocument::pageName(int index)
{
    if (index == 0)
        return QStringLiteral("Front");
    if (index == 1)
        return QStringLiteral("Back");
    return QStringLiteral("Continuation sheet %1").arg(index - 1);
}
