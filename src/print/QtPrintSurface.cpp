#include "print/QtPrintSurface.h"

#include "print/PrintError.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QSaveFile>

namespace {

constexpr double SideMarginInches = 0.25;
constexpr double TopMarginInches = 0.5;
constexpr double AreaHeightInches = 10.0;
constexpr double TwipsPerInch = 1440.0;

}  // namespace

QtPrintSurface::QtPrintSurface(std::unique_ptr<QPagedPaintDevice> device, const FontCheck &fonts,
                               std::unique_ptr<QSaveFile> file)
    : PrintSurface(fonts)
    , m_file(std::move(file))
    , m_device(std::move(device))
{
    // The whole sheet is the paint area; the margins are added when mapping, so the
    // form lands in the same place whatever minimum margins a printer reports.
    QPageLayout layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Inch);
    layout.setMode(QPageLayout::FullPageMode);
    m_device->setPageLayout(layout);
    if (auto *printer = dynamic_cast<QPrinter *>(m_device.get()))
        printer->setFullPage(true);
    if (!m_painter.begin(m_device.get()))
        throw PrintError(PrintError::PrinterError,
                         QStringLiteral("The printer could not start the document."));
    m_dpiX = m_device->logicalDpiX();
    m_dpiY = m_device->logicalDpiY();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QtPrintSurface::~QtPrintSurface()
{
    // A document dropped without endDoc was stopped by a failure: withdraw it from the
    // printer rather than print a part of it.
    if (m_painter.isActive()) {
        if (auto *printer = dynamic_cast<QPrinter *>(m_device.get()))
            printer->abort();
        m_painter.end();
    }
}

QPointF QtPrintSurface::toDevice(const QPointF &page) const
{
    const double xInches = SideMarginInches + page.x() / TwipsPerInch;
    const double yInches
        = TopMarginInches + (page.y() - scaleTop()) * AreaHeightInches / scaleHeight();
    return {xInches * m_dpiX, yInches * m_dpiY};
}

double QtPrintSurface::ruleWidthPoints(int drawWidth)
{
    switch (drawWidth) {
    case 3:
        return 0.5;  // fine
    case 5:
        return 0.8;  // medium
    case 8:
        return 1.4;  // heavy
    default:
        return qMax(1, drawWidth) * 0.16;  // one printer pixel is about 1/6 point at 450 dpi
    }
}

QPen QtPrintSurface::rulePen() const
{
    QPen pen(Qt::black);
    pen.setWidthF(ruleWidthPoints(drawWidth()) * m_dpiX / 72.0);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void QtPrintSurface::ensureActive() const
{
    if (!m_painter.isActive())
        throw PrintError(PrintError::PrinterError,
                         QStringLiteral("The printer is no longer available."));
}

void QtPrintSurface::checkDevice() const
{
    if (auto *printer = dynamic_cast<QPrinter *>(m_device.get())) {
        const auto state = printer->printerState();
        if (state == QPrinter::Error || state == QPrinter::Aborted)
            throw PrintError(PrintError::PrinterError,
                             QStringLiteral("The printer reported an error."));
    }
}

void QtPrintSurface::scaleChanged(std::optional<int>)
{
    ensureActive();
}

void QtPrintSurface::drawLine(const QLineF &line)
{
    ensureActive();
    m_painter.setPen(rulePen());
    m_painter.drawLine(toDevice(line.p1()), toDevice(line.p2()));
}

void QtPrintSurface::drawBox(const QRectF &box)
{
    ensureActive();
    m_painter.setPen(rulePen());
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(toDevice(box.topLeft()), toDevice(box.bottomRight())));
}

void QtPrintSurface::drawPicture(const QImage &picture, const QRectF &target)
{
    ensureActive();
    m_painter.drawImage(QRectF(toDevice(target.topLeft()), toDevice(target.bottomRight())),
                        picture);
}

void QtPrintSurface::drawText(const QPointF &topLeft, const QString &text, bool)
{
    ensureActive();
    if (text.isEmpty())
        return;
    // The font is sized in twips; scaling twips to device pixels keeps it in physical points
    // and keeps the painted width equal to the measured one.
    const QFont font = pageFont();
    const double ascent = QFontMetricsF(font).ascent();
    m_painter.save();
    m_painter.translate(toDevice(topLeft));
    m_painter.scale(m_dpiX / TwipsPerInch, m_dpiY / TwipsPerInch);
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(QPointF(0, ascent), text);
    m_painter.restore();
}

void QtPrintSurface::startNewPage()
{
    ensureActive();
    if (!m_device->newPage())
        throw PrintError(PrintError::PrinterError,
                         QStringLiteral("The printer could not start a new page."));
    checkDevice();
}

void QtPrintSurface::finishDocument()
{
    ensureActive();
    if (!m_painter.end())
        throw PrintError(PrintError::PrinterError,
                         QStringLiteral("The printer could not finish the document."));
    checkDevice();
    if (m_file && !m_file->commit())
        throw PrintError(PrintError::PrinterError,
                         QStringLiteral("The file \"%1\" cannot be written: %2")
                             .arg(m_file->fileName(), m_file->errorString()));
}
