#include "print/RecordingSurface.h"

RecordingSurface::RecordingSurface(const FontCheck &fonts, std::shared_ptr<PrintLog> log)
    : PrintSurface(fonts)
    , m_log(std::move(log))
{ }

PrintOp RecordingSurface::op(PrintOp::Kind kind) const
{
    PrintOp o;
    o.kind = kind;
    o.font = font();
    o.drawWidth = drawWidth();
    return o;
}

void RecordingSurface::scaleChanged(std::optional<int> topShift)
{
    PrintOp o = op(PrintOp::Scale);
    o.topShift = topShift;
    m_log->append(o);
}

void RecordingSurface::drawLine(const QLineF &line)
{
    PrintOp o = op(PrintOp::Line);
    o.area = QRectF(line.p1(), line.p2());
    m_log->append(o);
}

void RecordingSurface::drawBox(const QRectF &box)
{
    PrintOp o = op(PrintOp::Box);
    o.area = box;
    m_log->append(o);
}

void RecordingSurface::drawPicture(const QImage &, const QRectF &target)
{
    PrintOp o = op(PrintOp::Picture);
    o.area = target;
    m_log->append(o);
}

void RecordingSurface::drawText(const QPointF &topLeft, const QString &text, bool lineFeed)
{
    PrintOp o = op(PrintOp::Text);
    o.at = topLeft;
    o.text = text;
    o.lineFeed = lineFeed;
    m_log->append(o);
}

void RecordingSurface::startNewPage()
{
    m_log->append(op(PrintOp::NewPage));
}

void RecordingSurface::finishDocument()
{
    m_log->append(op(PrintOp::EndDoc));
}
