#include "platform/AliasedLine.h"

#include <algorithm>
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
// as QPainter covers them for an aliased stroke. Rounded up by hand: the
// position is far inside the int range, and std::ceil on the baseline
// instruction set costs a good part of a short line.
int firstCovered(double position, int width)
{
    const double edge = position - width / 2.0 - 0.5;
    const int truncated = static_cast<int>(edge);
    return truncated + (truncated < edge);
}

// Bresenham over the square brush's top-left corner. Each step is worked out
// without branching: on a bead's slanted line the choice of move changes
// from step to step, and a mispredicted branch costs more than the step.
struct Walk {
    int x;
    int y;
    const int xEnd;
    const int yEnd;
    const int dx;
    const int dy;
    const int stepX;
    const int stepY;
    int error;

    Walk(QPoint from, QPoint to)
        : x(from.x()), y(from.y()), xEnd(to.x()), yEnd(to.y()), dx(std::abs(xEnd - x)), dy(-std::abs(yEnd - y)),
          stepX(x < xEnd ? 1 : -1), stepY(y < yEnd ? 1 : -1), error(dx + dy)
    {
    }

    bool done() const { return x == xEnd && y == yEnd; }

    void step()
    {
        const int doubled = 2 * error;
        const bool across = doubled >= dy;
        const bool down = doubled <= dx;
        error += (across ? dy : 0) + (down ? dx : 0);
        x += across ? stepX : 0;
        y += down ? stepY : 0;
    }
};

// The image's pixels that may change, taken once per line: asking the image
// for each scan line costs a detach check every time.
struct Pixels {
    QRgb* first;
    qsizetype stride;
    QRect clip;

    bool holds(const QRect& area) const
    {
        return area.left() >= clip.left() && area.top() >= clip.top() && area.right() <= clip.right()
            && area.bottom() <= clip.bottom();
    }

    // Only for squares that lie wholly inside the clip. A side known when
    // compiling (Side > 0) leaves no loop to count: the thousands of bead
    // lines are 2 to 4 pixels wide, and counting costs more than writing.
    template <int Side>
    void fillInside(int left, int top, int side, QRgb colour) const
    {
        const int n = Side > 0 ? Side : side;
        QRgb* row = first + top * stride + left;
        for (int y = 0; y < n; ++y, row += stride)
            for (int x = 0; x < n; ++x)
                row[x] = colour;
    }

    void fillSquare(int left, int top, int side, QRgb colour) const
    {
        const int x0 = std::max(left, clip.left());
        const int x1 = std::min(left + side, clip.right() + 1);
        const int y1 = std::min(top + side, clip.bottom() + 1);
        for (int y = std::max(top, clip.top()); y < y1 && x0 < x1; ++y)
            std::fill(first + y * stride + x0, first + y * stride + x1, colour);
    }
};

template <int Side>
void stampInside(const Pixels& pixels, Walk walk, int width, QRgb colour)
{
    for (;;) {
        pixels.fillInside<Side>(walk.x, walk.y, width, colour);
        if (walk.done())
            return;
        walk.step();
    }
}

void stampClipped(const Pixels& pixels, Walk walk, int width, QRgb colour)
{
    for (;;) {
        pixels.fillSquare(walk.x, walk.y, width, colour);
        if (walk.done())
            return;
        walk.step();
    }
}

}  // namespace

namespace AliasedLine {

std::optional<QLine> Ends(const QLineF& line, int width)
{
    if (!drawable(line))
        return std::nullopt;
    return QLine(firstCovered(line.x1(), width), firstCovered(line.y1(), width), firstCovered(line.x2(), width),
                 firstCovered(line.y2(), width));
}

QRect Covered(const QLine& ends, int width)
{
    return {QPoint(std::min(ends.x1(), ends.x2()), std::min(ends.y1(), ends.y2())),
            QPoint(std::max(ends.x1(), ends.x2()) + width - 1, std::max(ends.y1(), ends.y2()) + width - 1)};
}

void Draw(QImage& image, const QLine& ends, int width, QRgb colour, const QRect& clip)
{
    const Pixels pixels{reinterpret_cast<QRgb*>(image.bits()), image.bytesPerLine() / 4,
                        clip.isNull() ? image.rect() : clip};
    const Walk walk(ends.p1(), ends.p2());
    if (!pixels.holds(Covered(ends, width)))
        stampClipped(pixels, walk, width, colour);
    else if (width == 2)
        stampInside<2>(pixels, walk, width, colour);
    else if (width == 3)
        stampInside<3>(pixels, walk, width, colour);
    else if (width == 4)
        stampInside<4>(pixels, walk, width, colour);
    else
        stampInside<0>(pixels, walk, width, colour);
}

void Draw(QImage& image, const QLineF& line, int width, QRgb colour)
{
    if (const std::optional<QLine> ends = Ends(line, width))
        Draw(image, *ends, width, colour);
}

}  // namespace AliasedLine
