#include "training/ColumnQuestion.h"

#include "abacus/RandomSource.h"

#include <cmath>
#include <cstdint>

namespace {

// floor(count * r) + lowest, with r uniform in [0, 1).
std::int16_t drawDigit(RandomSource& random, int count, int lowest)
{
    const double r = random.Rnd();
    return static_cast<std::int16_t>(std::floor(count * r) + lowest);
}

// A digit from 1 to 8 that keeps its column's sum with `above` at most 9.
std::int16_t drawFittingDigit(RandomSource& random, std::int16_t above)
{
    std::int16_t digit = 0;
    do {
        digit = drawDigit(random, 8, 1);
    } while (above + digit > 9);
    return digit;
}

}  // namespace

ColumnQuestion MakeColumnQuestion(RandomSource& random)
{
    random.Randomize();
    const std::int16_t FirstTens = drawDigit(random, 2, 4);
    const std::int16_t FirstUnits = drawDigit(random, 5, 4);
    const std::int16_t SecondTens = drawFittingDigit(random, FirstTens);
    const std::int16_t SecondUnits = drawFittingDigit(random, FirstUnits);
    return {10 * FirstTens + FirstUnits, 10 * SecondTens + SecondUnits};
}
