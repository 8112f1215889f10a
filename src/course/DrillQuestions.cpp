#include "course/DrillQuestions.h"

#include "abacus/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Enough to tell "none", "one" and "more than one" apart.
constexpr int Enough = 2;
// The largest number the five rods show.
constexpr int LargestShown = 99999;

std::size_t drawIndex(RandomSource& random, std::size_t count)
{
    const auto index = static_cast<std::size_t>(std::floor(static_cast<double>(random.Rnd()) * count));
    return std::min(index, count - 1);
}

}  // namespace

DrillQuestions::DrillQuestions(std::optional<QuestionStyle> style, const OperandRange& range)
    : m_style(style)
    , m_numbers(range.Numbers())
    , m_additions(countUpTo(false, Enough))
    , m_subtractions(countUpTo(true, Enough))
{
}

bool DrillQuestions::Allows(const DrillQuestion& question) const
{
    const auto holds = [this](int n) { return std::binary_search(m_numbers.begin(), m_numbers.end(), n); };
    return holds(question.first) && holds(std::abs(question.second))
        && question.first + question.second <= LargestShown && fits(question.first, question.second);
}

bool DrillQuestions::fits(int first, int second) const
{
    return first + second >= 0 && (!m_style || Course::Practises(*m_style, Course::StepGroups(first, second)));
}

int DrillQuestions::countUpTo(bool subtracting, int enough) const
{
    int count = 0;
    for (std::size_t index = 0; index < m_numbers.size() * m_numbers.size() && count < enough; ++index) {
        const DrillQuestion question = pair(index, subtracting);
        if (fits(question.first, question.second))
            ++count;
    }
    return count;
}

std::optional<DrillQuestion> DrillQuestions::Make(RandomSource& random,
                                                  const std::optional<DrillQuestion>& previous) const
{
    if (Empty())
        return std::nullopt;
    random.Randomize();
    const bool avoidPrevious = previous && m_additions + m_subtractions >= Enough;
    DrillQuestion question = draw(random, takesAway(random));
    while (avoidPrevious && question == *previous)
        question = draw(random, takesAway(random));
    return question;
}

bool DrillQuestions::takesAway(RandomSource& random) const
{
    if (m_additions == 0 || m_subtractions == 0)
        return m_additions == 0;
    return random.Rnd() < 0.5f;
}

DrillQuestion DrillQuestions::draw(RandomSource& random, bool subtracting) const
{
    // Every pair of the range is equally likely, so the first that fits is
    // equally likely among all that fit. The rarest kind, 直加直减 adding
    // within 999以内3位数, fits about one draw in fifteen.
    const std::size_t count = m_numbers.size();
    for (;;) {
        const DrillQuestion question = pair(drawIndex(random, count) * count + drawIndex(random, count), subtracting);
        if (fits(question.first, question.second))
            return question;
    }
}

DrillQuestion DrillQuestions::pair(std::size_t index, bool subtracting) const
{
    const int first = m_numbers[index / m_numbers.size()];
    const int second = m_numbers[index % m_numbers.size()];
    return {first, subtracting ? -second : second};
}
