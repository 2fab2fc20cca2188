#include "print/PagePictureView.h"

#include "print/PreviewPages.h"

#include <QPainter>

PagePictureView::PagePictureView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PagePictureView::setPage(const QPicture &page)
{
    m_page = page;
    m_sheet = QImage();
    update();
}

void PagePictureView::setPixelsPerInch(double pixelsPerInch)
{
    if (qFuzzyCompare(m_pixelsPerInch, pixelsPerInch))
        return;
    m_pixelsPerInch = pixelsPerInch;
    m_sheet = QImage();
    resize(sizeHint());
    updateGeometry();
    update();
}

QSize PagePictureView::paperSize(double pixelsPerInch)
{
    return {qRound(PreviewPages::PaperWidthInches * pixelsPerInch),
            qRound(PreviewPages::PaperHeightInches * pixelsPerInch)};
}

QSize PagePictureView::sizeHint() const
{
    return paperSize(m_pixelsPerInch) + QSize(2 * Margin, 2 * Margin);
}

const QImage &PagePictureView::sheet()
{
    // Scrolling repaints often: the picture is played once per page and size.
    if (m_sheet.isNull()) {
        const double ratio = devicePixelRatioF();
        m_sheet = PreviewPages::rasterize(m_page, m_pixelsPerInch * ratio);
        m_sheet.setDevicePixelRatio(ratio);
    }
    return m_sheet;
}

void PagePictureView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    const QSize paper = paperSize(m_pixelsPerInch);
    // Centred when the view is wider than the sheet.
    const int left = qMax(Margin, (width() - paper.width()) / 2);
    painter.fillRect(QRect(QPoint(left + 4, Margin + 4), paper),
                     QColor(0x50, 0x50, 0x50));  // shadow
    painter.drawImage(QPoint(left, Margin), sheet());
}
