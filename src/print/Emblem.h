#pragma once

#include <QImage>

// Our drawing of the Department of Transportation emblem: a black disc divided by three
// curved white strokes, on a transparent ground, large enough to stay crisp on paper.
namespace Emblem {

QImage image();

}  // namespace Emblem
