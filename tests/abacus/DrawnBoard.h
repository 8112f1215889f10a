#pragma once

#include "RecordingSurface.h"

#include <cstdint>
#include <vector>

// Reads a recorded board drawing back as beads: every bead is a run of 90
// lines at width 2, and its first line starts at the left corner (X - 8.5, yc)
// and ends at the top corner (X, yc + 4.8).
class DrawnBoard {
public:
    struct Bead {
        float x;
        float y;
        std::int32_t colour;
    };

    static constexpr int LinesPerBead = 90;
    static constexpr std::int32_t MovingBlue = 0xFF0000;

    explicit DrawnBoard(const std::vector<RecordingSurface::Call>& calls);

    // Where a bead's centre stands on a rod showing `digit`.
    static float Height(int digit, int slot);

    // False when the width-2 lines do not split into whole beads of one colour each.
    bool wellFormed() const { return m_wellFormed; }
    int beadCount() const { return static_cast<int>(m_beads.size()); }
    // Slots as on the rod: 1 to 4 the lower beads from the beam down, 5 the upper bead.
    const Bead& bead(int rod, int slot) const { return m_beads.at(rod * 5 + slot - 1); }
    // The digit the drawn heights show, a moving bead counting on the side it is nearer.
    int digit(int rod) const;
    // Rods with a bead drawn in the moving colour.
    std::vector<int> movingRods() const;

private:
    std::vector<Bead> m_beads;
    bool m_wellFormed = true;
};
