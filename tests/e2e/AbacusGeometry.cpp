#include "AbacusGeometry.h"

#include <cmath>

namespace {

constexpr double Left = -1;
constexpr double Bottom = -1;

}  // namespace

AbacusGeometry::AbacusGeometry(const QRect& picture, int rods)
    : m_picture(picture)
    , m_rods(rods)
    , m_right(30.0 * (rods - 1) + 70)
    , m_top(Top(rods))
{
}

double AbacusGeometry::Top(int rods)
{
    const int lastCol = rods - 1;
    if (lastCol <= 6)
        return 121;
    if (lastCol <= 11)
        return 18.0 * lastCol + 2;
    return 15.0 * lastCol + 2;
}

QPoint AbacusGeometry::ToScreen(double x, double y) const
{
    const double column = (x - Left) * m_picture.width() / (m_right - Left);
    const double row = (y - m_top) * m_picture.height() / (Bottom - m_top);
    return m_picture.topLeft() + QPoint(static_cast<int>(std::floor(column)), static_cast<int>(std::floor(row)));
}
