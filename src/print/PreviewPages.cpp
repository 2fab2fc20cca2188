#include "print/PreviewPages.h"

#include "print/FormDocument.h"
#include "print/PicturePages.h"
#include "print/QtPrintSurface.h"

#include <QPainter>

namespace {

constexpr int RecordingDpi = 1200;

}  // namespace

int PreviewPages::recordingDpi()
{
    return RecordingDpi;
}

QList<QPicture> PreviewPages::render(const FormSnapshot &form, std::optional<int> topShift,
                                     const FontCheck &fonts, PageProgress *progress)
{
    auto device = std::make_unique<PicturePages>();
    device->setResolution(RecordingDpi);
    PicturePages *pages = device.get();
    QtPrintSurface surface(std::move(device), fonts);
    surface.setProgress(progress);
    FormDocument::draw(surface, form, topShift);
    return pages->takePages();
}

void PreviewPages::paint(QPainter &painter, const QPicture &page, double dpi)
{
    painter.save();
    painter.fillRect(QRectF(0, 0, PaperWidthInches * dpi, PaperHeightInches * dpi), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(dpi / RecordingDpi, dpi / RecordingDpi);
    painter.drawPicture(0, 0, page);
    painter.restore();
}

QImage PreviewPages::rasterize(const QPicture &page, double dpi)
{
    QImage image(qRound(PaperWidthInches * dpi), qRound(PaperHeightInches * dpi),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, page, dpi);
    return image;
}
