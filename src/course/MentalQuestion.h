#pragma once

#include <cstdint>
#include <vector>

class RandomSource;

// One question of mental arithmetic: the numbers in the order they are
// given, a subtracted number negative.
struct MentalQuestion {
    std::vector<std::int64_t> numbers;

    std::int64_t Answer() const;
};

// Reseeds once, then draws `count` numbers of exactly `digits` digits (no
// leading zero), each differing from the one before. Adding only, or mixed:
// the first number is added, each later one is subtracted with an even
// chance wherever the running total allows it, and at least one is; the
// running total never goes below 0. digits 1 to 5, count 2 to 30.
MentalQuestion MakeMentalQuestion(int digits, int count, bool mixed, RandomSource& random);
