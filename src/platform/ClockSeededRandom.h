#pragma once

#include "abacus/Clock.h"
#include "abacus/RandomSource.h"

#include <cstdint>

// Uniform numbers in [0, 1) with 24 bits, as single-precision values hold
// them. Randomize mixes the clock's millisecond count into the state instead
// of replacing it: routines that reseed one after the other within the same
// millisecond (a question, then its answer buttons) must still get unrelated
// draws, or the answer's button could be told from the number.
class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(const Clock& clock);

    void Randomize() override;
    float Rnd() override;

private:
    const Clock& m_clock;
    std::uint64_t m_state;
};
