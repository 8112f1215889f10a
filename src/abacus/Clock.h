#pragma once

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds on a monotonic clock: for measuring waits and seeding.
    virtual std::int64_t MilliTicks() const = 0;
    // Wall-clock time in whole seconds.
    virtual std::int64_t WallSeconds() const = 0;
};
