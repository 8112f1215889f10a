#pragma once

#include "course/QuestionSteps.h"

#include <array>
#include <string_view>

// The items of the 出题类型 list, in its order: the groups of bead rules in
// the order children learn them.
enum class QuestionStyle {
    Direct,  // 直加直减: every step direct
    Five,    // 破5加破5减: direct or five steps, at least one five
    Ten,     // 满10进位加破10退位减: at least one ten or mixed step
};

namespace Course {

constexpr std::array<QuestionStyle, 3> QuestionStyles = {QuestionStyle::Direct, QuestionStyle::Five,
                                                          QuestionStyle::Ten};

// As the list shows it, UTF-8.
std::string_view StyleName(QuestionStyle style);

// Whether a question whose steps use these groups practises the style.
bool Practises(QuestionStyle style, const GroupSet& groups);

}  // namespace Course
