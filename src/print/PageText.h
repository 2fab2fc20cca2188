#pragma once

#include "print/PrintSurface.h"

#include <initializer_list>

// Small helpers shared by the page layouts: set a whole font at once, print at a place.
namespace PageText {

struct Font
{
    const char *name;
    double size;
    bool bold = false;
    bool italic = false;
};

inline constexpr const char *Arial = "Arial";
inline constexpr const char *QuickType = "QuickType Condensed";
inline constexpr const char *Britannic = "Britannic Bold";

// The font name is set first: a printer that lacks it fails before anything else changes.
inline void use(PrintSurface &s, const Font &f)
{
    s.setFontName(QString::fromLatin1(f.name));
    s.setFontSize(f.size);
    s.setFontBold(f.bold);
    s.setFontItalic(f.italic);
}

// Prints with a line feed, as the form's texts are printed.
inline void at(PrintSurface &s, const Font &f, double x, double y, const QString &text)
{
    use(s, f);
    s.moveTo(x, y);
    s.print(text);
}

// A fixed text of the form at its place.
struct Label
{
    const Font &font;
    double x;
    double y;
    const char *text;  // UTF-8
};

// Prints fixed texts in the order given, each with a line feed.
inline void labels(PrintSurface &s, std::initializer_list<Label> texts)
{
    for (const Label &label : texts)
        at(s, label.font, label.x, label.y, QString::fromUtf8(label.text));
}

}  // namespace PageText
