#include "platform/ClockSeededRandom.h"

namespace {

// splitmix64: neighbouring seeds give unrelated sequences.
std::uint64_t nextState(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

ClockSeededRandom::ClockSeededRandom(const Clock& clock, Reseed reseed)
    : m_clock(clock)
    , m_reseed(reseed)
    , m_state(static_cast<std::uint64_t>(clock.MilliTicks()))
{
}

void ClockSeededRandom::Randomize()
{
    const auto ticks = static_cast<std::uint64_t>(m_clock.MilliTicks());
    if (m_reseed == Reseed::Replace) {
        m_state = ticks;
        return;
    }
    std::uint64_t mixed = m_state ^ ticks;
    m_state = nextState(mixed);
}

float ClockSeededRandom::Rnd()
{
    constexpr float TwoToThe24 = 16777216.0f;
    return static_cast<float>(nextState(m_state) >> 40) / TwoToThe24;
}
