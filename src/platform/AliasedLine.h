#pragma once

#include <QImage>
#include <QLineF>
#include <QRect>

// Aliased straight lines of a whole number of pixels' width, written straight
// into an RGB32 image. QPainter strokes any pen wider than one pixel through
// its general path stroker, which costs about ten times more for the
// thousands of short bead lines of one abacus drawing.
namespace AliasedLine {
// Lines in image pixels, of a width of 1 or more.
// The pixels a line may change: empty for a line that draws nothing.
QRect Covered(const QLineF& line, int width);
// Changes only pixels inside clip, which lies within the image; a null clip
// is the whole image.
void Draw(QImage& image, const QLineF& line, int width, QRgb colour, const QRect& clip = QRect());
}
