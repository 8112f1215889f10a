#include "InkMatch.h"

#include <algorithm>

namespace InkMatch {

namespace {

bool inkedAt(const QImage& image, int x, int y, ScreenSearch::ColourTest ink)
{
    return image.rect().contains(x, y) && ink(image.pixel(x, y));
}

double shiftedSimilarity(const QImage& a, const QImage& b, ScreenSearch::ColourTest ink, int dx, int dy)
{
    int both = 0;
    int either = 0;
    const QRect area = a.rect() | b.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const bool inA = inkedAt(a, x, y, ink);
            const bool inB = inkedAt(b, x + dx, y + dy, ink);
            both += inA && inB ? 1 : 0;
            either += inA || inB ? 1 : 0;
        }
    }
    return either == 0 ? 1.0 : static_cast<double>(both) / either;
}

}  // namespace

double Similarity(const QImage& a, const QImage& b, ScreenSearch::ColourTest ink, int maxShift)
{
    double best = 0;
    for (int dy = -maxShift; dy <= maxShift; ++dy) {
        for (int dx = -maxShift; dx <= maxShift; ++dx)
            best = std::max(best, shiftedSimilarity(a, b, ink, dx, dy));
    }
    return best;
}

}  // namespace InkMatch
