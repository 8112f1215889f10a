#pragma once

#include "abacus/Clock.h"

// A clock that moves only when the test moves it.
class FakeClock final : public Clock {
public:
    std::int64_t MilliTicks() const override { return milliTicks; }
    std::int64_t WallSeconds() const override { return wallSeconds; }

    void advanceSeconds(std::int64_t seconds)
    {
        wallSeconds += seconds;
        milliTicks += seconds * 1000;
    }

    std::int64_t milliTicks = 1000;
    std::int64_t wallSeconds = 1'700'000'000;
};
