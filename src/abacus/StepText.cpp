#include "abacus/StepText.h"

#include "abacus/BeadRule.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

const std::string Minus = "\u2212";

// The numbers of a sum are made of whole digits, so they are whole.
std::string wholeNumber(double n)
{
    std::array<char, 32> buffer{};
    const auto written
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::abs(n), std::chars_format::fixed, 0);
    return (n < 0 ? Minus : std::string()) + std::string(buffer.data(), written.ptr);
}

std::string changeName(const RodStep& step)
{
    if (step.kind == RodStep::Kind::Carry)
        return step.change > 0 ? "进一" : "退一";
    return (step.change > 0 ? "加" : "减") + std::to_string(std::abs(step.change));
}

}  // namespace

std::string StepLine(const RodStep& step)
{
    const std::string place = BeadRule::Place(step.place) + " ";
    if (step.kind == RodStep::Kind::Set)
        return place + "拨成" + std::to_string(step.to);
    return place + changeName(step) + "：" + BeadRule::Words(step.from, step.change);
}

std::string SumLine(const AbacusSum& sum)
{
    const std::string sign = sum.addend < 0 ? " " + Minus + " " : " + ";
    return wholeNumber(sum.before) + sign + wholeNumber(std::abs(sum.addend)) + " = "
        + wholeNumber(sum.before + sum.addend);
}
