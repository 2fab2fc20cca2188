#pragma once

#include <QImage>

class QPainter;
class QRectF;

// Our drawing of the Department of Transportation emblem: a black disc divided by three
// curved white strokes, on a transparent ground, large enough to stay crisp on paper.
namespace Emblem {

QImage image();

// Paints the emblem as a disc filling the given square; the application icon uses this too.
void paint(QPainter &painter, const QRectF &square);

}  // namespace Emblem
