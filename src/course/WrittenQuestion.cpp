#include "course/WrittenQuestion.h"

#include <cstdlib>

namespace {

const std::string Minus = "\u2212";

}  // namespace

std::string WrittenQuestion(const std::vector<std::int64_t>& numbers)
{
    std::string text;
    std::int64_t answer = 0;
    for (const std::int64_t number : numbers) {
        if (!text.empty())
            text += number < 0 ? " " + Minus + " " : " + ";
        else if (number < 0)
            text += Minus;
        text += std::to_string(std::llabs(number));
        answer += number;
    }
    return text + " = " + (answer < 0 ? Minus : "") + std::to_string(std::llabs(answer));
}
