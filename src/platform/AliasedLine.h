#pragma once

#include <QImage>
#include <QLineF>
#include <QRect>

// Aliased straight lines of a whole number of pixels' width, written straight
// into an RGB32 image. QPainter strokes any pen wider than one pixel through
// its general path stroker, which costs about ten times more for the
// thousands of short bead lines of one abacus drawing.
namespace AliasedLine {
// line in image pixels; width of 1 or more. Returns the image pixels it may
// have changed (empty when none).
QRect Draw(QImage& image, const QLineF& line, int width, QRgb colour);
}
