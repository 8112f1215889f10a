#pragma once

class RandomSource;

// A two-digit column addition whose written sum carries in no column: the
// tens digits add up to at most 9, and so do the units digits.
struct ColumnQuestion {
    int first = 0;
    int second = 0;
};

// Reseeds once, then draws the first operand's tens and units digits and the
// second operand's tens and units digits in that order; a digit of the second
// operand that would make its column carry is drawn again, so every digit that
// fits is equally likely.
ColumnQuestion MakeColumnQuestion(RandomSource& random);
