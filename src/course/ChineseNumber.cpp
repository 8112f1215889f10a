#include "course/ChineseNumber.h"

#include <array>
#include <stdexcept>

namespace {

constexpr std::int64_t Largest = 99'999'999;
constexpr int WanPlace = 4;

const std::array<std::string, 10> DigitWords = {"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
// The unit of each place within a group of four: ones, 十, 百, 千.
const std::array<std::string, 4> Units = {"", "十", "百", "千"};

std::string digitWord(int digit, int place, bool leading)
{
    // 十二, not 一十二, at the head of a number; 一千零一十 inside one.
    if (leading && digit == 1 && place % 4 == 1)
        return {};
    // A leading 2 before 千 or 万 is 两; every other 2 is 二.
    if (leading && digit == 2 && (place % 4 == 3 || place == WanPlace))
        return "两";
    return DigitWords[static_cast<std::size_t>(digit)];
}

}  // namespace

std::string ChineseNumber(std::int64_t number)
{
    if (number < 0 || number > Largest)
        throw std::out_of_range("ChineseNumber: " + std::to_string(number) + " is outside 0 to 99,999,999");
    if (number == 0)
        return DigitWords[0];

    std::string words;
    bool zeroBetween = false;  // a run of zeros since the last digit said: one 零 before the next
    std::int64_t placeValue = 10'000'000;
    for (int place = 7; place >= 0; --place, placeValue /= 10) {
        const int digit = static_cast<int>(number / placeValue % 10);
        if (digit == 0) {
            zeroBetween = zeroBetween || !words.empty();
        } else {
            if (zeroBetween)
                words += DigitWords[0];
            words += digitWord(digit, place, words.empty()) + Units[static_cast<std::size_t>(place % 4)];
            zeroBetween = false;
        }
        // Zeros that end the 万 group are not said: 十万五千, but 十万零五百.
        if (place == WanPlace && number >= 10'000) {
            words += "万";
            zeroBetween = false;
        }
    }
    return words;
}
