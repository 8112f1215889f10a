#pragma once

#include <QString>

#include <functional>
#include <vector>

class cAbacus;
class InstantWaiter;

// Watches one playback through the test wait: what the abacus showed at each
// wait, from which the rods that moved, and in which order, can be read.
class PlaybackLog {
public:
    PlaybackLog(InstantWaiter& waiter, cAbacus& abacus);

    // The rods that animated, left to right in time: "3 4 | 3 4 3 2" for two
    // rods, the pause between the operands, then four rods. A rod animation
    // that did not last exactly 20 frames shows its count ("3x7"), any other
    // wait its milliseconds ("250ms"). `afterLast` is what the abacus showed
    // once the last animation was over.
    QString rods(double afterLast) const;
    // What the abacus showed at the given wait (1 for the first).
    double shownAt(int wait) const { return m_waits.at(wait - 1).shown; }
    int waits() const { return static_cast<int>(m_waits.size()); }

    // Runs inside the given wait, after it was logged.
    std::function<void(int)> during;

private:
    struct Wait {
        int milliseconds;
        double shown;
    };

    std::vector<Wait> m_waits;
};

// The rod of a 5-rod abacus whose digit differs between two values; -1 when
// none or several do.
int ChangedRod(double before, double after);
