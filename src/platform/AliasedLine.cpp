#include "platform/AliasedLine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Far beyond any window: a line reaching this far comes from a broken scale.
constexpr double Limit = 1 << 20;

bool drawable(const QLineF& line)
{
    const auto near = [](double v) { return std::abs(v) <= Limit; };  // false for NaN too
    return near(line.x1()) && near(line.y1()) && near(line.x2()) && near(line.y2());
}

// The first of `width` pixels whose centres lie within width / 2 of position,
// as QPainter covers them for an aliased stroke.
int firstCovered(double position, int width) { return static_cast<int>(std::ceil(position - width / 2.0 - 0.5)); }

// The image's pixels, taken once per line: asking the image for each
// scan line costs a detach check every time.
struct Pixels {
    QRgb* first;
    qsizetype stride;
    int width;
    int height;

    bool holds(int left, int top, int right, int bottom) const
    {
        return left >= 0 && top >= 0 && right <= width && bottom <= height;
    }

    // Only for squares that lie wholly inside the image.
    void fillInside(int left, int top, int side, QRgb colour) const
    {
        QRgb* row = first + top * stride + left;
        for (int y = 0; y < side; ++y, row += stride)
            std::fill(row, row + side, colour);
    }

    void fillSquare(int left, int top, int side, QRgb colour) const
    {
        const int x0 = std::max(left, 0);
        const int x1 = std::min(left + side, width);
        const int y1 = std::min(top + side, height);
        for (int y = std::max(top, 0); y < y1 && x0 < x1; ++y)
            std::fill(first + y * stride + x0, first + y * stride + x1, colour);
    }
};

}  // namespace

namespace AliasedLine {

void Draw(QImage& image, const QLineF& line, int width, QRgb colour)
{
    if (!drawable(line))
        return;
    const Pixels pixels{reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / 4, image.width(),
                        image.height()};
    int x = firstCovered(line.x1(), width);
    int y = firstCovered(line.y1(), width);
    const int xEnd = firstCovered(line.x2(), width);
    const int yEnd = firstCovered(line.y2(), width);
    // Bresenham over the square brush's top-left corner.
    const int dx = std::abs(xEnd - x);
    const int dy = -std::abs(yEnd - y);
    const int stepX = x < xEnd ? 1 : -1;
    const int stepY = y < yEnd ? 1 : -1;
    int error = dx + dy;
    const bool inside = pixels.holds(std::min(x, xEnd), std::min(y, yEnd), std::max(x, xEnd) + width,
                                     std::max(y, yEnd) + width);
    for (;;) {
        if (inside)
            pixels.fillInside(x, y, width, colour);
        else
            pixels.fillSquare(x, y, width, colour);
        if (x == xEnd && y == yEnd)
            return;
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

}  // namespace AliasedLine
