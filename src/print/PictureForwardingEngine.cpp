#include "print/PictureForwardingEngine.h"

#include <QPainterPath>

PictureForwardingEngine::PictureForwardingEngine()
    : QPaintEngine(AllFeatures)
{ }

PictureForwardingEngine::~PictureForwardingEngine()
{
    if (m_target.isActive())
        m_target.end();
}

bool PictureForwardingEngine::begin(QPaintDevice *)
{
    m_pages.clear();
    beginPage();
    return m_target.isActive();
}

bool PictureForwardingEngine::end()
{
    finishPage();
    return true;
}

void PictureForwardingEngine::beginPage()
{
    m_current = QPicture();
    m_target.begin(&m_current);
}

void PictureForwardingEngine::finishPage()
{
    if (!m_target.isActive())
        return;
    m_target.end();
    m_pages.append(m_current);
}

void PictureForwardingEngine::startNextPage()
{
    finishPage();
    beginPage();
    // The source painter only reports what changes, so the new page takes over all of it.
    copySourceState();
}

void PictureForwardingEngine::copySourceState()
{
    const QPainter *source = painter();
    if (!source)
        return;
    m_target.setPen(source->pen());
    m_target.setBrush(source->brush());
    m_target.setBrushOrigin(source->brushOrigin());
    m_target.setFont(source->font());
    m_target.setBackground(source->background());
    m_target.setBackgroundMode(source->backgroundMode());
    m_target.setTransform(source->combinedTransform());
    m_target.setRenderHints(source->renderHints());
    m_target.setOpacity(source->opacity());
    m_target.setCompositionMode(source->compositionMode());
    if (source->hasClipping())
        m_target.setClipPath(source->clipPath());
}

void PictureForwardingEngine::updateState(const QPaintEngineState &state)
{
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyPen)
        m_target.setPen(state.pen());
    if (dirty & DirtyBrush)
        m_target.setBrush(state.brush());
    if (dirty & DirtyBrushOrigin)
        m_target.setBrushOrigin(state.brushOrigin());
    if (dirty & DirtyFont)
        m_target.setFont(state.font());
    if (dirty & DirtyBackground)
        m_target.setBackground(state.backgroundBrush());
    if (dirty & DirtyBackgroundMode)
        m_target.setBackgroundMode(state.backgroundMode());
    if (dirty & DirtyTransform)
        m_target.setTransform(state.transform());
    if (dirty & DirtyHints) {
        m_target.setRenderHints(QPainter::RenderHints(~0), false);
        m_target.setRenderHints(state.renderHints(), true);
    }
    if (dirty & DirtyCompositionMode)
        m_target.setCompositionMode(state.compositionMode());
    if (dirty & DirtyOpacity)
        m_target.setOpacity(state.opacity());
    if (dirty & DirtyClipPath)
        m_target.setClipPath(state.clipPath(), state.clipOperation());
    if (dirty & DirtyClipRegion)
        m_target.setClipRegion(state.clipRegion(), state.clipOperation());
    if (dirty & DirtyClipEnabled)
        m_target.setClipping(state.isClipEnabled());
}

void PictureForwardingEngine::drawPath(const QPainterPath &path)
{
    m_target.drawPath(path);
}

void PictureForwardingEngine::drawPolygon(const QPointF *points, int pointCount,
                                          PolygonDrawMode mode)
{
    switch (mode) {
    case PolylineMode:
        m_target.drawPolyline(points, pointCount);
        break;
    case WindingMode:
        m_target.drawPolygon(points, pointCount, Qt::WindingFill);
        break;
    default:
        m_target.drawPolygon(points, pointCount, Qt::OddEvenFill);
        break;
    }
}

void PictureForwardingEngine::drawPixmap(const QRectF &target, const QPixmap &pixmap,
                                         const QRectF &source)
{
    m_target.drawPixmap(target, pixmap, source);
}

void PictureForwardingEngine::drawImage(const QRectF &target, const QImage &image,
                                        const QRectF &source, Qt::ImageConversionFlags flags)
{
    m_target.drawImage(target, image, source, flags);
}

void PictureForwardingEngine::drawTextItem(const QPointF &position, const QTextItem &textItem)
{
    m_target.drawTextItem(position, textItem);
}

QList<QPicture> PictureForwardingEngine::takePages()
{
    return std::exchange(m_pages, {});
}
