#pragma once

#include <QList>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>

// A paint engine that replays every drawing call on a painter over a QPicture, one
// picture per page. The pictures keep the drawing as vectors, so a preview can show
// a page at any zoom without drawing the form again.
class PictureForwardingEngine : public QPaintEngine
{
public:
    PictureForwardingEngine();
    ~PictureForwardingEngine() override;

    bool begin(QPaintDevice *device) override;
    bool end() override;
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override;
    void drawPath(const QPainterPath &path) override;
    void drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode) override;
    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override;
    void drawImage(const QRectF &target, const QImage &image, const QRectF &source,
                   Qt::ImageConversionFlags flags) override;
    void drawTextItem(const QPointF &position, const QTextItem &textItem) override;

    // Ends the page being drawn and begins a blank one with the same painter settings.
    void startNextPage();

    // The finished pages, handed over once (the engine keeps none).
    QList<QPicture> takePages();

private:
    void beginPage();
    void finishPage();
    void copySourceState();

    QList<QPicture> m_pages;
    QPicture m_current;
    QPainter m_target;
};
