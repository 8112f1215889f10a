#include "course/MentalSettingsCheck.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace {

std::optional<double> readExactly(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

struct Range {
    MentalSetting setting;
    const char* name;
    double low;
    double high;
    bool whole;

    std::optional<SettingsProblem> Check(const std::string& text, double& value) const
    {
        const std::optional<double> read = readExactly(text);
        if (read && *read >= low && *read <= high && (!whole || std::floor(*read) == *read)) {
            value = *read;
            return std::nullopt;
        }
        return SettingsProblem{setting, std::string(name) + "请输入" + Number(low) + "到" + Number(high) + "之间的"
                                            + (whole ? "整数。" : "数。")};
    }

    static std::string Number(double value)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%g", value);
        return text;
    }
};

const Range Digits{MentalSetting::Digits, "位数", 1, 5, true};
const Range Count{MentalSetting::Count, "笔数", 2, 30, true};
const Range Seconds{MentalSetting::Seconds, "秒数", 0.5, 60, false};
const Range Questions{MentalSetting::Questions, "题数", 1, 100, true};

// The gap left for rounding: 2.97 s for 30 numbers is exactly the limit.
constexpr double Tolerance = 1e-9;

std::optional<SettingsProblem> checkPace(double seconds, int count)
{
    if (seconds / (count - 0.3) >= ShortestFlashSeconds - Tolerance)
        return std::nullopt;
    return SettingsProblem{MentalSetting::Seconds,
                           "秒数太短：每个数至少要" + Range::Number(ShortestFlashSeconds) + "秒，请加大秒数或减少笔数。"};
}

}  // namespace

MentalSettingsCheck CheckMentalSettings(const MentalSettingsEntry& entry)
{
    MentalSettingsCheck check;
    double digits = 0;
    double count = 0;
    double questions = 0;
    double seconds = 0;
    check.problem = Digits.Check(entry.digits, digits);
    if (!check.problem)
        check.problem = Count.Check(entry.count, count);
    if (!check.problem && entry.seconds) {
        check.problem = Seconds.Check(*entry.seconds, seconds);
        if (!check.problem)
            check.problem = checkPace(seconds, static_cast<int>(count));
    }
    if (!check.problem)
        check.problem = Questions.Check(entry.questions, questions);
    check.settings.digits = static_cast<int>(digits);
    check.settings.count = static_cast<int>(count);
    check.settings.questions = static_cast<int>(questions);
    check.settings.seconds = seconds;
    return check;
}
