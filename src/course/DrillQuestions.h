#pragma once

#include "course/OperandRange.h"
#include "course/QuestionStyle.h"

#include <optional>
#include <vector>

class RandomSource;

// A question of 加减训练: `second` is negative when it is taken away.
struct DrillQuestion {
    int first = 0;
    int second = 0;
    bool operator==(const DrillQuestion&) const = default;
};

// The questions that one choice of 出题类型 and 位数 allows: both operands in
// the range (the second without its sign), a result that is not negative, and
// steps that practise the style; without a style, steps of any group.
//
// Nothing is listed in advance: 999以内3位数 has over a million questions, too
// many to sort through at a press. Making one draws until one fits, and only
// whether each kind (addition, subtraction) has any questions, and whether
// there is more than one, is looked up when the choice is made.
class DrillQuestions {
public:
    DrillQuestions(std::optional<QuestionStyle> style, const OperandRange& range);

    bool Allows(const DrillQuestion& question) const;
    bool Empty() const { return m_additions == 0 && m_subtractions == 0; }

    // Reseeds once, then takes addition or subtraction with equal chance where
    // both come, and a question of that kind with equal chance among all that
    // fit; never `previous` again while another question fits. Nothing when
    // the choice has no questions. The random source must not repeat itself
    // for ever, as a uniform one does not.
    std::optional<DrillQuestion> Make(RandomSource& random, const std::optional<DrillQuestion>& previous) const;

private:
    bool fits(int first, int second) const;
    // How many questions of the kind there are, counting no further than `enough`.
    int countUpTo(bool subtracting, int enough) const;
    bool takesAway(RandomSource& random) const;
    DrillQuestion draw(RandomSource& random, bool subtracting) const;
    DrillQuestion pair(std::size_t index, bool subtracting) const;

    std::optional<QuestionStyle> m_style;
    std::vector<int> m_numbers;
    int m_additions = 0;
    int m_subtractions = 0;
};
