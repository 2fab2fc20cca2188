#pragma once

class PrintSurface;
struct FormSnapshot;
class QString;

// The back of FAA Form 337 with the description of work, carried over as many
// continuation sheets as it needs, closed by the END line.
class BackPage
{
public:
    static constexpr int LinesPerPage = 60;
    static constexpr double FirstLineY = 1710;
    static constexpr double LinePitch = 200;
    static constexpr double LineX = 600;
    static constexpr double IdentificationY = 1460;  // continuation sheets: mark, date, number

    static void draw(PrintSurface &surface, const FormSnapshot &form);

    static QString continuationHeading();
    static QString endLine();
    // "Registration mark: N4721K     Date work completed: <item 6 date>"
    static QString sheetIdentification(const FormSnapshot &form);
    // "Sheet n of m", the back page being sheet 1
    static QString sheetNumber(int sheet, int sheets);

private:
    static void drawFixedContent(PrintSurface &s);
    static void drawDescription(PrintSurface &s, const FormSnapshot &form);
    static void beginContinuationSheet(PrintSurface &s, const FormSnapshot &form, int sheet,
                                       int sheets);
};
