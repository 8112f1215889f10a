#include "course/FlashLevel.h"

#include <cstdio>

std::string FlashLevel::Caption() const
{
    // %g writes 8 as "8" and 4.5 as "4.5", as the ladder does.
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%g", this->seconds);
    return std::to_string(digits) + "位" + std::to_string(count) + "笔" + seconds + "秒";
}

const std::vector<FlashLevel>& FlashLevels()
{
    static const std::vector<FlashLevel> levels = {
        {1, 4, 8},     {2, 6, 9},     {2, 7, 10},    {3, 6, 5},     {3, 8, 6},     {3, 10, 7},   {3, 12, 8},
        {3, 15, 8},    {3, 15, 6},    {3, 15, 4.5},  {3, 15, 3},    {3, 15, 2.8},  {3, 15, 2.6}, {3, 15, 2.4},
        {3, 15, 2.2},  {3, 15, 2},    {3, 15, 1.9},  {3, 15, 1.8},  {3, 15, 1.7},  {3, 15, 1.6}, {3, 15, 1.5},
    };
    return levels;
}
