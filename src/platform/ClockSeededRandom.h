#pragma once

#include "abacus/Clock.h"
#include "abacus/RandomSource.h"

#include <cstdint>

// Uniform numbers in [0, 1) with 24 bits, as single-precision values hold
// them. Randomize reseeds from the clock's millisecond count, so two reseeds
// within the same millisecond give the same sequence.
class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(const Clock& clock);

    void Randomize() override;
    float Rnd() override;

private:
    const Clock& m_clock;
    std::uint64_t m_state;
};
