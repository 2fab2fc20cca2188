#include "print/Emblem.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace Emblem {

namespace {

QPointF polar(const QPointF &centre, double radius, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

// One white stroke: a crescent that starts as a point near the centre and widens as it
// sweeps out to the rim, curving the same way as its two neighbours.
QPainterPath stroke(const QPointF &c, double r, double angle)
{
    QPainterPath path;
    path.moveTo(polar(c, r * 0.06, angle - 40));
    path.cubicTo(polar(c, r * 0.45, angle - 10), polar(c, r * 0.80, angle + 5),
                 polar(c, r * 1.05, angle + 30));
    path.lineTo(polar(c, r * 1.05, angle + 52));
    path.cubicTo(polar(c, r * 0.80, angle + 22), polar(c, r * 0.45, angle + 2),
                 polar(c, r * 0.06, angle - 40));
    path.closeSubpath();
    return path;
}

}  // namespace

void paint(QPainter &p, const QRectF &square)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = square.center();
    const double radius = qMin(square.width(), square.height()) / 2.0;
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    p.fillPath(disc, Qt::black);
    p.setClipPath(disc, Qt::IntersectClip);
    for (double angle : {-90.0, 30.0, 150.0})
        p.fillPath(stroke(centre, radius, angle), Qt::white);
    p.restore();
}

QImage image()
{
    static const QImage emblem = [] {
        constexpr int size = 600;
        QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        paint(p, QRectF(2, 2, size - 4, size - 4));
        return img;
    }();
    return emblem;
}

}  // namespace Emblem
