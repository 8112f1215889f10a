#pragma once

#include <cstdint>

// Whole-number conversions as the abacus and its windows make them: to the
// nearest integer, halves to even.

// True when x rounds to a value that a signed 32-bit integer holds.
bool FitsInt32(double x);
// Precondition: FitsInt32(x).
std::int32_t RoundToInt32(double x);
// Rounds and clamps into the 32-bit range; NaN gives 0.
std::int32_t RoundToInt32Clamped(double x);
// Rounds and clamps into the 16-bit range; NaN gives 0.
std::int16_t RoundToInt16Clamped(double x);
// The 32-bit drawing colour of a 0x00BBGGRR value kept as a double.
std::int32_t ColourToInt32(double colour);
