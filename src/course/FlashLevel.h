#pragma once

#include <string>
#include <vector>

// A rung of the flash ladder: how many numbers of how many digits flash in
// how many seconds.
struct FlashLevel {
    int digits = 1;
    int count = 4;
    double seconds = 8;

    // "3位15笔4.5秒"
    std::string Caption() const;
};

// From easy to hard, after the published flash-anzan grading ladder, whose
// lowest rung has no time of its own: 8 s is ours.
const std::vector<FlashLevel>& FlashLevels();
