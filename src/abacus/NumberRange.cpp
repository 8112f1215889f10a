#include "abacus/NumberRange.h"

#include <cmath>
#include <limits>

namespace {

template <typename Int>
Int roundClamped(double x)
{
    if (std::isnan(x))
        return 0;
    const double rounded = std::nearbyint(x);  // default rounding: halves to even
    if (rounded <= std::numeric_limits<Int>::min())
        return std::numeric_limits<Int>::min();
    if (rounded >= std::numeric_limits<Int>::max())
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(rounded);
}

}  // namespace

bool FitsInt32(double x)
{
    const double rounded = std::nearbyint(x);
    return rounded >= std::numeric_limits<std::int32_t>::min()
        && rounded <= std::numeric_limits<std::int32_t>::max();
}

std::int32_t RoundToInt32(double x) { return static_cast<std::int32_t>(std::nearbyint(x)); }

std::int32_t RoundToInt32Clamped(double x) { return roundClamped<std::int32_t>(x); }

std::int16_t RoundToInt16Clamped(double x) { return roundClamped<std::int16_t>(x); }

std::int32_t ColourToInt32(double colour) { return roundClamped<std::int32_t>(colour); }
