#pragma once

#include "abacus/Waiter.h"

#include <functional>
#include <vector>

// A wait that returns at once, records what was asked, and can run a test's
// action inside a chosen wait, as a click during an animation would.
class InstantWaiter final : public Waiter {
public:
    bool Delay(int milliseconds) override
    {
        waits.push_back(milliseconds);
        if (duringWait)
            duringWait(static_cast<int>(waits.size()));
        return !programEnding;
    }

    int framesOf(int milliseconds) const
    {
        int n = 0;
        for (int w : waits)
            n += (w == milliseconds);
        return n;
    }

    std::vector<int> waits;
    // Called with the number of the wait (1 for the first).
    std::function<void(int)> duringWait;
    bool programEnding = false;
};
