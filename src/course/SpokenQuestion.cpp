#include "course/SpokenQuestion.h"

#include "course/ChineseNumber.h"

std::string SpokenQuestion(const std::vector<std::int64_t>& numbers)
{
    std::string text = "预备——开始";
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::int64_t number = numbers[i];
        text += "，";
        if (number < 0)
            text += "减";
        else if (i > 0)
            text += "加";
        text += ChineseNumber(number < 0 ? -number : number);
    }
    return text + "，等于";
}
