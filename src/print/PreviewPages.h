#pragma once

#include <QImage>
#include <QList>
#include <QPicture>
#include <QSizeF>

#include <optional>

class FontCheck;
class PageProgress;
struct FormSnapshot;

// The pages of the form for the screen: drawn through the printer surface onto pictures,
// so they are the printed pages, and painted at any size from there.
class PreviewPages
{
public:
    // The paper the pages are drawn on: US Letter.
    static constexpr double PaperWidthInches = 8.5;
    static constexpr double PaperHeightInches = 11.0;

    // Front, back and continuation sheets. Throws PrintError (380 for a missing font, 18
    // when progress was told to stop).
    static QList<QPicture> render(const FormSnapshot &form, std::optional<int> topShift,
                                  const FontCheck &fonts, PageProgress *progress = nullptr);

    // Paints a page onto a painter whose unit is one pixel at `dpi`, white paper first.
    static void paint(QPainter &painter, const QPicture &page, double dpi);

    // A page as an image of the whole sheet at the given resolution.
    static QImage rasterize(const QPicture &page, double dpi);

    // The resolution the pictures are recorded at (their unit is one pixel at this dpi).
    static int recordingDpi();
};
