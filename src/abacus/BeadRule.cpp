#include "abacus/BeadRule.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace {

using BeadRule::Group;

constexpr std::array<std::string_view, 10> DigitWords = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

std::string word(int n) { return std::string(DigitWords.at(static_cast<std::size_t>(n))); }

// Whether n can be put on, or taken off, a rod showing `digit` in one move of
// its own beads: the upper bead for 5, lower beads for the rest.
bool canPutOn(int digit, int n)
{
    const bool upper = digit >= 5;
    const int lower = digit % 5;
    if (n < 5)
        return lower + n <= 4;
    return !upper && lower + n - 5 <= 4;
}

bool canTakeOff(int digit, int n)
{
    const bool upper = digit >= 5;
    const int lower = digit % 5;
    if (n < 5)
        return lower >= n;
    return upper && lower >= n - 5;
}

Group adding(int digit, int a)
{
    if (digit + a <= 9)
        return canPutOn(digit, a) ? Group::Direct : Group::Five;
    return canTakeOff(digit, 10 - a) ? Group::Ten : Group::Mixed;
}

Group taking(int digit, int a)
{
    if (digit >= a)
        return canTakeOff(digit, a) ? Group::Direct : Group::Five;
    return canPutOn(digit, 10 - a) ? Group::Ten : Group::Mixed;
}

// In the rhymes 上 is beads going to the beam and 下 beads leaving it; only
// 满五加 says 下五 for the upper bead coming down to the beam.
std::string additionWords(Group group, int a)
{
    switch (group) {
    case Group::Direct:
        return word(a) + "上" + word(a);
    case Group::Five:
        return word(a) + "下五去" + word(5 - a);
    case Group::Ten:
        return word(a) + "去" + word(10 - a) + "进一";
    case Group::Mixed:
        break;
    }
    return word(a) + "上" + word(a - 5) + "去五进一";
}

std::string subtractionWords(Group group, int a)
{
    switch (group) {
    case Group::Direct:
        return word(a) + "下" + word(a);
    case Group::Five:
        return word(a) + "上" + word(5 - a) + "去五";
    case Group::Ten:
        return word(a) + "退一还" + word(10 - a);
    case Group::Mixed:
        break;
    }
    return word(a) + "退一还五去" + word(a - 5);
}

}  // namespace

namespace BeadRule {

Group GroupOf(int digit, int change)
{
    return change > 0 ? adding(digit, change) : taking(digit, std::abs(change));
}

std::string Words(int digit, int change)
{
    const Group group = GroupOf(digit, change);
    return change > 0 ? additionWords(group, change) : subtractionWords(group, -change);
}

std::string Place(int place)
{
    if (place == 0)
        return "个位";
    // Above 千万 the names start over with 亿, then 亿亿.
    constexpr std::array<std::string_view, 8> WithinYi = {"", "十", "百", "千", "万", "十万", "百万", "千万"};
    std::string name(WithinYi.at(static_cast<std::size_t>(place % 8)));
    for (int i = 0; i < place / 8; ++i)
        name += "亿";
    return name + "位";
}

}  // namespace BeadRule
