#include "ScreenSearch.h"

#include <algorithm>

namespace ScreenSearch {

namespace {

bool blackAt(const QImage& screen, int x, int y) { return IsBlack(screen.pixel(x, y)); }

// The longest run of black pixels in one row, as its first and last column.
std::pair<int, int> longestBlackRun(const QImage& screen, const QRect& within, int y)
{
    std::pair<int, int> best {0, -1};
    int start = -1;
    for (int x = within.left(); x <= within.right() + 1; ++x) {
        const bool black = x <= within.right() && blackAt(screen, x, y);
        if (black && start < 0)
            start = x;
        if (!black && start >= 0) {
            if (x - 1 - start > best.second - best.first)
                best = {start, x - 1};
            start = -1;
        }
    }
    return best;
}

}  // namespace

bool IsBlack(QRgb pixel) { return (pixel & 0xFFFFFF) == 0; }

bool IsPurple(QRgb pixel)
{
    return qRed(pixel) > 90 && qRed(pixel) < 170 && qGreen(pixel) < 50 && qBlue(pixel) > 90 && qBlue(pixel) < 170;
}

bool IsRed(QRgb pixel) { return qRed(pixel) > 160 && qGreen(pixel) < 110 && qBlue(pixel) < 110; }

bool IsInk(QRgb pixel) { return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 110; }

QRect FindBlackPicture(const QImage& screen, const QRect& within, int minimumWidth)
{
    const QRect area = within & screen.rect();
    for (int top = area.top(); top <= area.bottom(); ++top) {
        const auto [left, right] = longestBlackRun(screen, area, top);
        if (right - left + 1 < minimumWidth)
            continue;
        int bottom = top;
        while (bottom < area.bottom() && blackAt(screen, left, bottom + 1) && blackAt(screen, right, bottom + 1))
            ++bottom;
        return QRect(QPoint(left, top), QPoint(right, bottom));
    }
    return {};
}

int Count(const QImage& screen, const QRect& area, ColourTest test)
{
    const QRect inside = area & screen.rect();
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += test(screen.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

}  // namespace ScreenSearch
