#pragma once

#include <optional>

class PrintSurface;
struct FormSnapshot;
class QString;

// The whole form as one document: the front page, then the back page and its
// continuation sheets, drawn by the same page layouts as the printed copy. Each side
// starts as the printer starts a document of its own: the scale from the print shift
// and the printer's default font, so the pages come out as PrintForm prints them.
class FormDocument
{
public:
    // Draws and ends the document. Throws PrintError (380 for a missing font).
    static void draw(PrintSurface &surface, const FormSnapshot &form, std::optional<int> topShift);

    // "Front", "Back", "Continuation sheet 1", ... for page index 0, 1, 2, ...
    static QString pageName(int index);
};
