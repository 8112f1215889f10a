#include "course/OperandRange.h"

namespace {

constexpr int LargestLowerDigit = 4;

int smallestOf(int digits)
{
    int smallest = 1;
    for (int i = 1; i < digits; ++i)
        smallest *= 10;
    return smallest;
}

bool onlyLowerDigits(int n)
{
    for (; n > 0; n /= 10) {
        if (n % 10 > LargestLowerDigit)
            return false;
    }
    return true;
}

}  // namespace

bool OperandRange::Holds(int n) const
{
    return n >= smallestOf(digits) && n <= largest && (!lowerBeadsOnly || onlyLowerDigits(n));
}

std::vector<int> OperandRange::Numbers() const
{
    std::vector<int> numbers;
    for (int n = smallestOf(digits); n <= largest; ++n) {
        if (Holds(n))
            numbers.push_back(n);
    }
    return numbers;
}

namespace Course {

const std::vector<OperandRange>& OperandRanges()
{
    static const std::vector<OperandRange> ranges = {
        {"4以内1位数", 1, 4, true},     {"44以内2位数", 2, 44, true},    {"9以内1位数", 1, 9, false},
        {"92以内2位数", 2, 92, false}, {"444以内3位数", 3, 444, true}, {"999以内3位数", 3, 999, false},
    };
    return ranges;
}

const OperandRange& UnchosenRange() { return OperandRanges().at(3); }

}  // namespace Course
