#include "AbacusReader.h"

#include <QColor>

#include <algorithm>
#include <array>

namespace {

// Lower bead places from the beam down: a lower bead at the beam sits 20
// above its resting place, so the four beads fill four of these six places
// and leave two neighbours empty; the gap tells how many are counted.
constexpr std::array<double, 6> LowerPlaces = {65, 55, 45, 35, 25, 15};
constexpr double UpperAtBeam = 75;
constexpr double UpperAtRest = 95;
// Samples are taken beside the rod line, inside the diamond of a bead.
constexpr double BesideRod = 4;
// Anything brighter than this is bead colour; the background is black.
constexpr int DarkLimit = 48;

int lowerCount(const std::array<bool, 6>& occupied)
{
    for (int counted = 0; counted <= 4; ++counted) {
        bool matches = true;
        for (int place = 0; place < 6; ++place) {
            const bool gap = place == counted || place == counted + 1;
            matches = matches && occupied[place] == !gap;
        }
        if (matches)
            return counted;
    }
    return -1;
}

}  // namespace

AbacusReader::AbacusReader(const QImage& screen, const AbacusGeometry& geometry)
    : m_screen(screen)
    , m_geometry(geometry)
{
}

bool AbacusReader::litAt(double x, double y) const
{
    const QPoint pixel = m_geometry.ToScreen(x, y);
    if (!m_screen.rect().contains(pixel))
        return false;
    const QColor colour = m_screen.pixelColor(pixel);
    return std::max({colour.red(), colour.green(), colour.blue()}) > DarkLimit;
}

bool AbacusReader::beadAt(int rod, double y) const
{
    const double x = AbacusGeometry::RodX(rod);
    return litAt(x - BesideRod, y) && litAt(x + BesideRod, y);
}

int AbacusReader::Digit(int rod) const
{
    const bool upperAtBeam = beadAt(rod, UpperAtBeam);
    if (upperAtBeam == beadAt(rod, UpperAtRest))
        return -1;
    std::array<bool, 6> occupied {};
    for (std::size_t place = 0; place < LowerPlaces.size(); ++place)
        occupied[place] = beadAt(rod, LowerPlaces[place]);
    const int lower = lowerCount(occupied);
    if (lower < 0)
        return -1;
    return (upperAtBeam ? 5 : 0) + lower;
}

double AbacusReader::Number() const
{
    double number = 0;
    for (int rod = 0; rod < m_geometry.Rods(); ++rod) {
        const int digit = Digit(rod);
        if (digit < 0)
            return -1;
        number = number * 10 + digit;
    }
    return number;
}

QString AbacusReader::Describe() const
{
    QString digits;
    for (int rod = 0; rod < m_geometry.Rods(); ++rod) {
        const int digit = Digit(rod);
        digits += digit < 0 ? QChar(u'?') : QChar(u'0' + digit);
    }
    return digits;
}
