#pragma once

#include <QImage>
#include <QLineF>
#include <QRect>

#include <optional>

// Aliased straight lines of a whole number of pixels' width, written straight
// into an RGB32 image. QPainter strokes any pen wider than one pixel through
// its general path stroker, which costs about ten times more for the
// thousands of short bead lines of one abacus drawing.
namespace AliasedLine {
// Lines in image pixels, of a width of 1 or more, drawn as a square brush of
// that side moved along them. Every pixel follows from the brush's top-left
// corner at each end: none for a line that is drawn nowhere (not a number,
// or far beyond any image).
std::optional<QLine> Ends(const QLineF& line, int width);
// The pixels the brush covers between those corners.
QRect Covered(const QLine& ends, int width);
// Changes only pixels inside clip, which lies within the image; a null clip
// is the whole image.
void Draw(QImage& image, const QLine& ends, int width, QRgb colour, const QRect& clip = QRect());
void Draw(QImage& image, const QLineF& line, int width, QRgb colour);
}
