#include "abacus/StepText.h"

#include "abacus/BeadRule.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

const std::string Minus = "\u2212";

// In the fewest digits that read back as the same number, never an exponent.
std::string number(double n)
{
    std::array<char, 400> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::abs(n), std::chars_format::fixed);
    return (n < 0 && n != 0 ? Minus : std::string()) + std::string(buffer.data(), written.ptr);
}

// What the rods show when it is not the result itself.
std::string whatTheRodsShow(const AbacusSum& sum, double result)
{
    const double wholeBoard = std::pow(10.0, static_cast<double>(sum.shownDigits.size()));
    if (result < 0 && sum.shown == 0)
        return "，算盘上显示不出负数";
    if (result < 0 && sum.shown == wholeBoard + result)
        return "，算盘上是它的补数 " + sum.shownDigits;
    if (result >= wholeBoard && sum.shown == std::fmod(result, wholeBoard))
        return "，算盘上只留下 " + sum.shownDigits;
    return "，算盘上是 " + sum.shownDigits;
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
    const double result = sum.before + sum.addend;
    const std::string sign = sum.addend < 0 ? " " + Minus + " " : " + ";
    const std::string arithmetic = number(sum.before) + sign + number(std::abs(sum.addend)) + " = " + number(result);
    return sum.shown == result ? arithmetic : arithmetic + whatTheRodsShow(sum, result);
}
