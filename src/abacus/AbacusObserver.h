#pragma once

#include <string>

class cAbacus;

// One rod's move, told as the rod starts to move.
struct RodStep {
    enum class Kind {
        Digit,  // a digit added or taken by the addition
        Carry,  // one carried in (+1) or borrowed (-1) by the rod on the right
        Set,    // any other change: the rod goes straight to `to`
    };
    Kind kind;
    int place;   // counted from the units rod, 0
    int from;    // the digit before
    int change;  // 1 to 9 added, -1 to -9 taken
    int to;      // the digit the beads show after
};

// A sum a window has played: `before` plus `addend` (negative when taken
// away), and what the rods show once the window is done with it, which may
// differ from the result: a negative one, or one with more digits than rods.
struct AbacusSum {
    double before;
    double addend;
    double shown;
    std::string shownDigits;  // every rod's digit, the leftmost first
};

// Follows what an abacus plays: each rod's move as it starts, the sum once
// the window is done with it, the number it shows, and the end of the window
// that shows it. Each observer takes what it needs; the rest does nothing.
class AbacusObserver {
public:
    virtual void RodStarts(const cAbacus&, const RodStep&) {}
    virtual void SumDone(const cAbacus&, const AbacusSum&) {}
    virtual void Detached(const cAbacus&) {}
    // The number shown may have changed: a rod's move ended, a click or a key
    // changed a rod, or a number was put on the rods; not at every frame.
    virtual void NumberChanged(const cAbacus&) {}

protected:
    ~AbacusObserver() = default;
};
