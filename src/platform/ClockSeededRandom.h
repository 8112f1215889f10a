#pragma once

#include "abacus/Clock.h"
#include "abacus/RandomSource.h"

#include <cstdint>

// Uniform numbers in [0, 1) with 24 bits, as single-precision values hold
// them, reseeded from the clock's millisecond count in one of two ways.
class ClockSeededRandom final : public RandomSource {
public:
    enum class Reseed {
        // The count is mixed into the state: routines that reseed one after
        // the other within the same millisecond (a question, then its answer
        // buttons) still get unrelated draws, or the answer's button could be
        // told from the number.
        Mix,
        // The count becomes the state, as the classic generator did: beads
        // drawn within the same millisecond get the same colour.
        Replace,
    };

    explicit ClockSeededRandom(const Clock& clock, Reseed reseed = Reseed::Mix);

    void Randomize() override;
    float Rnd() override;

private:
    const Clock& m_clock;
    const Reseed m_reseed;
    std::uint64_t m_state;
};
