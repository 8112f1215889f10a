#include "abacus/ProgramWide.h"

namespace {

// Deterministic until Main installs the clock-seeded generator.
class FixedSequence final : public RandomSource {
public:
    void Randomize() override { m_state = 0; }
    float Rnd() override
    {
        m_state = (m_state * 1140671485u + 12820163u) & 0xFFFFFFu;
        return static_cast<float>(m_state) / 16777216.0f;
    }

private:
    unsigned m_state = 0;
};

class NoWait final : public Waiter {
public:
    bool Delay(int) override { return true; }
};

FixedSequence g_fixedSequence;
FixedSequence g_fixedColours;
NoWait g_noWait;
RandomSource* g_random = &g_fixedSequence;
RandomSource* g_beadColours = &g_fixedColours;
Waiter* g_waiter = &g_noWait;

}  // namespace

namespace ProgramWide {

RandomSource& Random() { return *g_random; }
void SetRandom(RandomSource& source) { g_random = &source; }

RandomSource& BeadColours() { return *g_beadColours; }
void SetBeadColours(RandomSource& source) { g_beadColours = &source; }

Waiter& Wait() { return *g_waiter; }
void SetWaiter(Waiter& waiter) { g_waiter = &waiter; }

void ResetToDefaults()
{
    RestColor = 0;
    CountColor = 0;
    ColorfulBeads = false;
    g_fixedSequence.Randomize();
    g_random = &g_fixedSequence;
    g_fixedColours.Randomize();
    g_beadColours = &g_fixedColours;
    g_waiter = &g_noWait;
}

}  // namespace ProgramWide
