#include "course/QuestionStyle.h"

namespace Course {

using BeadRule::Group;

std::string_view StyleName(QuestionStyle style)
{
    switch (style) {
    case QuestionStyle::Direct:
        return "直加直减";
    case QuestionStyle::Five:
        return "破5加破5减";
    case QuestionStyle::Ten:
        break;
    }
    return "满10进位加破10退位减";
}

bool Practises(QuestionStyle style, const GroupSet& groups)
{
    const bool carries = groups.Has(Group::Ten) || groups.Has(Group::Mixed);
    switch (style) {
    case QuestionStyle::Direct:
        return !carries && !groups.Has(Group::Five);
    case QuestionStyle::Five:
        return !carries && groups.Has(Group::Five);
    case QuestionStyle::Ten:
        break;
    }
    return carries;
}

}  // namespace Course
