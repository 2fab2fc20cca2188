#include "print/PrintSurface.h"

#include "print/FontCheck.h"
#include "print/PageProgress.h"
#include "print/PrintError.h"

#include <QtMath>

PrintSurface::PrintSurface(const FontCheck &fonts)
    : m_fonts(fonts)
{ }

void PrintSurface::setScale(std::optional<int> topShift)
{
    // A shift that leaves the page no height would put everything at one line.
    if (topShift && *topShift >= PageBottom)
        throw PrintError(
            PrintError::PrinterError,
            QStringLiteral("The print shift of %1 leaves no room on the page.").arg(*topShift));
    m_scaleTop = topShift.value_or(0);
    m_x = 0;
    m_y = m_scaleTop;
    fontChanged();
    scaleChanged(topShift);
}

void PrintSurface::setFontName(const QString &name)
{
    if (!m_fonts.isInstalled(name))
        throw PrintError(PrintError::InvalidPropertyValue,
                         QStringLiteral("The font \"%1\" is not installed.").arg(name));
    m_font.name = name;
    fontChanged();
}

void PrintSurface::setFontSize(double points)
{
    m_font.size = points;
    fontChanged();
}

void PrintSurface::setFontBold(bool bold)
{
    m_font.bold = bold;
    fontChanged();
}

void PrintSurface::setFontItalic(bool italic)
{
    m_font.italic = italic;
    fontChanged();
}

void PrintSurface::line(double x1, double y1, double x2, double y2)
{
    drawLine(QLineF(x1, y1, x2, y2));
    m_x = x2;
    m_y = y2;
}

void PrintSurface::box(double x1, double y1, double x2, double y2)
{
    drawBox(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
    m_x = x2;
    m_y = y2;
}

void PrintSurface::paintPicture(const QImage &picture, double x, double y, double width,
                                double height)
{
    drawPicture(picture, QRectF(x, y, width, height));
}

void PrintSurface::print(const QString &text)
{
    drawAndAdvance(text, true);
}

void PrintSurface::printSameLine(const QString &text)
{
    drawAndAdvance(text, false);
}

void PrintSurface::drawAndAdvance(const QString &text, bool lineFeed)
{
    drawText(QPointF(m_x, m_y), text, lineFeed);
    if (lineFeed) {
        m_x = 0;
        m_y += textHeight();
    } else {
        m_x += textWidth(text);
    }
}

QFont PrintSurface::pageFont() const
{
    const QString installed = m_fonts.installedFamily(m_font.name);
    QFont font(installed.isEmpty() ? m_font.name : installed);
    font.setPixelSize(qMax(1, qRound(m_font.size * 20)));
    font.setBold(m_font.bold);
    font.setItalic(m_font.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    // Only a substitute that needs narrowing gets a stretch: asking for 100 would make Qt
    // look for a normal-width face and lose a narrow family's own width.
    const int stretch = FontCheck::substituteStretch(m_font.name);
    if (stretch != 100 && !installed.isEmpty()
        && installed.compare(m_font.name, Qt::CaseInsensitive) != 0)
        font.setStretch(stretch);
    return font;
}

const QFontMetricsF &PrintSurface::metrics() const
{
    if (!m_metrics)
        m_metrics.emplace(pageFont());
    return *m_metrics;
}

double PrintSurface::textWidth(const QString &text) const
{
    // The scale is 1440 units to the inch across, so a twip-sized font measures in units.
    return metrics().horizontalAdvance(text);
}

double PrintSurface::textHeight() const
{
    // Down the page a unit is a twip only while the scale top is 0.
    return metrics().height() * scaleHeight() / PageBottom;
}

void PrintSurface::newPage()
{
    ++m_pagesDone;
    if (m_progress && !m_progress->pageDone(m_pagesDone, qMax(m_pagesExpected, m_pagesDone + 1)))
        throw PrintError(PrintError::Cancelled, QStringLiteral("Stopped by the user."));
    startNewPage();
    m_x = 0;
    m_y = m_scaleTop;
}

void PrintSurface::endDoc()
{
    finishDocument();
    // The document is complete: nothing is left to stop.
    ++m_pagesDone;
    if (m_progress)
        m_progress->pageDone(m_pagesDone, qMax(m_pagesExpected, m_pagesDone));
    m_x = 0;
    m_y = m_scaleTop;
}
