#include "course/QuestionSteps.h"

#include <array>
#include <cstdlib>

namespace {

using Course::QuestionRods;
using Rods = std::array<int, QuestionRods>;

// The digits of n on the rods, rod 0 the leftmost; a negative n gives negative digits.
Rods digitsOf(int n)
{
    Rods digits{};
    const int sign = n < 0 ? -1 : 1;
    int rest = std::abs(n);
    for (int j = QuestionRods - 1; j >= 0; --j) {
        digits[j] = sign * (rest % 10);
        rest /= 10;
    }
    return digits;
}

// One rod's move as cColumn plays it: a change of 0 moves nothing, and what
// goes past 9 or below 0 carries to, or borrows from, the rod on the left at
// once. The carry out of the leftmost rod is lost, as on the abacus.
template <typename Visit>
void playOnRod(Rods& rods, int j, int change, RodStep::Kind kind, Visit& visit)
{
    if (change == 0)
        return;
    const int from = rods[j];
    const int sum = from + change;
    rods[j] = (sum + 10) % 10;
    visit(RodStep{kind, QuestionRods - 1 - j, from, change, rods[j]});
    if (j > 0 && (sum > 9 || sum < 0))
        playOnRod(rods, j - 1, sum > 9 ? 1 : -1, RodStep::Kind::Carry, visit);
}

template <typename Visit>
void playSteps(int first, int second, Visit visit)
{
    Rods rods = digitsOf(first);
    const Rods changes = digitsOf(second);
    for (int j = 0; j < QuestionRods; ++j)
        playOnRod(rods, j, changes[j], RodStep::Kind::Digit, visit);
}

}  // namespace

namespace Course {

std::vector<RodStep> StepsOf(int first, int second)
{
    std::vector<RodStep> steps;
    playSteps(first, second, [&steps](const RodStep& step) { steps.push_back(step); });
    return steps;
}

std::vector<BeadRule::Group> GroupSet::List() const
{
    std::vector<BeadRule::Group> groups;
    for (const auto group : {BeadRule::Group::Direct, BeadRule::Group::Five, BeadRule::Group::Ten,
                             BeadRule::Group::Mixed}) {
        if (Has(group))
            groups.push_back(group);
    }
    return groups;
}

GroupSet StepGroups(int first, int second)
{
    GroupSet groups;
    playSteps(first, second,
              [&groups](const RodStep& step) { groups.Add(BeadRule::GroupOf(step.from, step.change)); });
    return groups;
}

std::vector<BeadRule::Group> GroupsUsedBy(int first, int second) { return StepGroups(first, second).List(); }

}  // namespace Course
