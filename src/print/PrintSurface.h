#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QRectF>
#include <QString>

#include <optional>

class FontCheck;
class PageProgress;

// The font the printer is set to, as the form names it (not the installed substitute).
struct FontState
{
    QString name = QStringLiteral("Arial");
    double size = 10;  // points
    bool bold = false;
    bool italic = false;

    bool operator==(const FontState &) const = default;
};

// What the form drawing needs of a printer: a user scale, a font, a current position,
// a line width, lines, boxes, a picture, text with or without a line feed, text width,
// new page and end of document. The state and the text measuring live here, so every
// surface breaks lines alike; the concrete surfaces only put the marks somewhere.
//
// Page units: x runs from 0 to 11520 across the 8 inch wide printable area (always a twip);
// y runs from the scale top to 14400 down its 10 inch height. Text y is the top of the line.
class PrintSurface
{
public:
    static constexpr double PageWidth = 11520;
    static constexpr double PageBottom = 14400;

    explicit PrintSurface(const FontCheck &fonts);
    virtual ~PrintSurface() = default;
    PrintSurface(const PrintSurface &) = delete;
    PrintSurface &operator=(const PrintSurface &) = delete;

    // ScaleLeft 0, ScaleWidth 11520, ScaleTop = topShift, ScaleHeight = 14400 - topShift.
    // Without a shift (std::nullopt) y stays in twips from the top edge of the area.
    void setScale(std::optional<int> topShift);
    double scaleTop() const { return m_scaleTop; }
    double scaleHeight() const { return PageBottom - m_scaleTop; }

    // Throws PrintError 380 when the font is not installed (nor its substitute).
    void setFontName(const QString &name);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontItalic(bool italic);
    const FontState &font() const { return m_font; }

    void setCurrentX(double x) { m_x = x; }
    void setCurrentY(double y) { m_y = y; }
    void moveTo(double x, double y)
    {
        m_x = x;
        m_y = y;
    }
    double currentX() const { return m_x; }
    double currentY() const { return m_y; }

    // Line width in printer pixels as the form gives them: 3 thin, 5 medium, 8 thick.
    void setDrawWidth(int width) { m_drawWidth = width; }
    int drawWidth() const { return m_drawWidth; }

    void line(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2);
    void paintPicture(const QImage &picture, double x, double y, double width, double height);

    // Prints at the current position, then moves to the next line (x back to 0).
    void print(const QString &text);
    // Prints at the current position and leaves it right after the text.
    void printSameLine(const QString &text);

    double textWidth(const QString &text) const;
    double textHeight() const;

    void newPage();
    void endDoc();

    // Long runs: every finished page is reported to progress (nullptr: nobody), which
    // may stop the run; newPage then throws PrintError 18 and the document is dropped.
    void setProgress(PageProgress *progress) { m_progress = progress; }
    // The drawing tells how many pages the document takes, once it knows.
    void expectPages(int pages) { m_pagesExpected = pages; }
    int pagesDone() const { return m_pagesDone; }

    // The font to paint and measure with: the installed family, sized in twips
    // (one pixel = one twip), so widths come out in page units directly.
    QFont pageFont() const;

protected:
    const FontCheck &fonts() const { return m_fonts; }

    virtual void scaleChanged(std::optional<int> topShift) = 0;
    virtual void drawLine(const QLineF &line) = 0;
    virtual void drawBox(const QRectF &box) = 0;
    virtual void drawPicture(const QImage &picture, const QRectF &target) = 0;
    virtual void drawText(const QPointF &topLeft, const QString &text, bool lineFeed) = 0;
    virtual void startNewPage() = 0;
    virtual void finishDocument() = 0;

private:
    void drawAndAdvance(const QString &text, bool lineFeed);
    void fontChanged() { m_metrics.reset(); }
    const QFontMetricsF &metrics() const;

    const FontCheck &m_fonts;
    FontState m_font;
    double m_scaleTop = 0;
    double m_x = 0;
    double m_y = 0;
    int m_drawWidth = 1;
    mutable std::optional<QFontMetricsF> m_metrics;
    PageProgress *m_progress = nullptr;
    int m_pagesDone = 0;
    int m_pagesExpected = 0;
};
