#pragma once

#include "AbacusGeometry.h"

#include <QImage>
#include <QString>

// Reads the number an abacus shows from a screenshot, the way a child reads
// it: which beads sit against the beam. A rod whose beads are between their
// places (in motion, or no abacus there at all) has no digit.
class AbacusReader {
public:
    AbacusReader(const QImage& screen, const AbacusGeometry& geometry);

    // The digit on a rod, -1 when its beads make none.
    int Digit(int rod) const;
    // The number shown, -1 when a rod cannot be read.
    double Number() const;
    // The digits as read, '?' for a rod without one: for failure messages.
    QString Describe() const;

private:
    bool beadAt(int rod, double y) const;
    bool litAt(double x, double y) const;

    const QImage& m_screen;
    AbacusGeometry m_geometry;
};
