#pragma once

#include <string_view>
#include <vector>

// The numbers that one item of the 位数 list offers for both operands of a
// question (the second without its sign).
struct OperandRange {
    std::string_view name;  // as the list shows it, UTF-8
    int digits;
    int largest;
    // Every digit 0 to 4: numbers a child works with the lower beads alone.
    bool lowerBeadsOnly;

    bool Holds(int n) const;
    // Every number it holds, smallest first.
    std::vector<int> Numbers() const;
};

namespace Course {

// The items of the 位数 list, in its order.
const std::vector<OperandRange>& OperandRanges();
// The range of a question whose 位数 is not chosen: 92以内2位数.
const OperandRange& UnchosenRange();

}  // namespace Course
