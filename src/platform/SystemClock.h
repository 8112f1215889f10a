#pragma once

#include "abacus/Clock.h"

class SystemClock final : public Clock {
public:
    std::int64_t MilliTicks() const override;
    std::int64_t WallSeconds() const override;
};
