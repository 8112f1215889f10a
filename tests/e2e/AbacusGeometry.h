#pragma once

#include <QPoint>
#include <QRect>

// Where a point of an abacus's own scale lies on the screen. An abacus of n
// rods gives its picture the scale left -1, right 30 * (n - 1) + 70, bottom
// -1 and a top that grows with the rods, y upwards, stretched over the
// whole picture; rod i stands at x = 30 * (i + 1).
class AbacusGeometry {
public:
    AbacusGeometry(const QRect& picture, int rods);

    QPoint ToScreen(double x, double y) const;
    int Rods() const { return m_rods; }
    const QRect& Picture() const { return m_picture; }

    static double RodX(int rod) { return 30.0 * (rod + 1); }
    static double Top(int rods);

private:
    QRect m_picture;
    int m_rods;
    double m_right;
    double m_top;
};
