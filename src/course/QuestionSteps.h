#pragma once

#include "abacus/AbacusObserver.h"
#include "abacus/BeadRule.h"

#include <vector>

// How 完成 plays a question on the training abacus, step by step, and which
// bead-rule groups the steps use.
namespace Course {

// The rods of the training abacus.
constexpr int QuestionRods = 5;

// The rod moves that 完成 plays for `second` (negative: taken away) on the
// abacus showing `first`, as cAbacus::AddNum plays them: rods from the left,
// each carry or borrow a step of its own on the rod to the left right after
// the move that caused it. first and first + second lie in 0 to 99999.
std::vector<RodStep> StepsOf(int first, int second);

// The groups a question uses, as a small set.
class GroupSet {
public:
    void Add(BeadRule::Group group) { m_bits |= bit(group); }
    bool Has(BeadRule::Group group) const { return (m_bits & bit(group)) != 0; }
    // Each group in the set once, in the order of BeadRule::Group.
    std::vector<BeadRule::Group> List() const;

private:
    static unsigned bit(BeadRule::Group group) { return 1u << static_cast<unsigned>(group); }
    unsigned m_bits = 0;
};

// The groups of StepsOf(first, second), from the bead rules' own decision.
GroupSet StepGroups(int first, int second);

// The same as a list, each group once in the order of BeadRule::Group: what a
// record of the question keeps.
std::vector<BeadRule::Group> GroupsUsedBy(int first, int second);

}  // namespace Course
