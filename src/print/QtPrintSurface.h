#pragma once

#include "print/PrintSurface.h"

#include <QPainter>
#include <QSaveFile>

#include <memory>

class QPagedPaintDevice;

// Paints the form on a paged device (a QPrinter or a QPdfWriter): Letter paper, the page
// units spread over the 8 x 10 inch area inside 0.25 inch side and 0.5 inch top and bottom
// margins, fonts in physical points, line widths as physical rules. One surface is one
// document; a device that fails raises PrintError 482.
class QtPrintSurface : public PrintSurface
{
public:
    // With a file, the device writes into it and the document is committed to it at the
    // end; a document dropped before its end leaves the file as it was.
    QtPrintSurface(std::unique_ptr<QPagedPaintDevice> device, const FontCheck &fonts,
                   std::unique_ptr<QSaveFile> file = nullptr);
    ~QtPrintSurface() override;

    // Where a point in page units lands on the device, in device pixels from the paper's corner.
    QPointF toDevice(const QPointF &page) const;

    // The physical thickness, in points, of a rule of the given DrawWidth.
    static double ruleWidthPoints(int drawWidth);

protected:
    void scaleChanged(std::optional<int> topShift) override;
    void drawLine(const QLineF &line) override;
    void drawBox(const QRectF &box) override;
    void drawPicture(const QImage &picture, const QRectF &target) override;
    void drawText(const QPointF &topLeft, const QString &text, bool lineFeed) override;
    void startNewPage() override;
    void finishDocument() override;

private:
    void ensureActive() const;
    void checkDevice() const;
    QPen rulePen() const;

    std::unique_ptr<QSaveFile> m_file;  // declared first: the device writing into it goes before it
    std::unique_ptr<QPagedPaintDevice> m_device;
    QPainter m_painter;
    double m_dpiX = 1200;
    double m_dpiY = 1200;
};
