#include "abacus/BeadRule.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace {

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

// 上 and 下 tell which way the beads go: lower beads go up to the beam to put
// on and down to take off, while the upper bead alone goes down to put on
// five and up to take it off.
std::string putOn(int n) { return (n == 5 ? "下" : "上") + word(n); }
std::string takeOff(int n) { return (n == 5 ? "上" : "下") + word(n); }

std::string adding(int digit, int a)
{
    if (digit + a <= 9) {
        if (canPutOn(digit, a))
            return word(a) + putOn(a);
        return word(a) + "下五去" + word(5 - a);
    }
    const int complement = 10 - a;
    if (canTakeOff(digit, complement))
        return word(a) + "去" + word(complement) + "进一";
    return word(a) + "上" + word(a - 5) + "去五进一";
}

std::string taking(int digit, int a)
{
    if (digit >= a) {
        if (canTakeOff(digit, a))
            return word(a) + takeOff(a);
        return word(a) + "上" + word(5 - a) + "去五";
    }
    const int complement = 10 - a;
    if (canPutOn(digit, complement))
        return word(a) + "退一还" + word(complement);
    return word(a) + "退一还五去" + word(a - 5);
}

}  // namespace

namespace BeadRule {

std::string Words(int digit, int change)
{
    return change > 0 ? adding(digit, change) : taking(digit, std::abs(change));
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
