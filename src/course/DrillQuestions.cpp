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
// Draws of one kind before its questions are searched in order from the last
// draw. The rarest questions fit about one draw in fifteen; only a random source
// that keeps repeating itself gets this far.
constexpr int MaxDraws = 2000;
// Questions drawn again while they repeat the previous one; likewise only
// reached with a random source that repeats itself.
constexpr int MaxRedraws = 100;

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
    for (int i = 0; avoidPrevious && question == *previous && i < MaxRedraws; ++i)
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
    // equally likely among all that fit.
    const std::size_t count = m_numbers.size();
    std::size_t index = 0;
    for (int i = 0; i < MaxDraws; ++i) {
        index = drawIndex(random, count) * count + drawIndex(random, count);
        const DrillQuestion question = pair(index, subtracting);
        if (fits(question.first, question.second))
            return question;
    }
    return nextFitting(index, subtracting);
}

DrillQuestion DrillQuestions::nextFitting(std::size_t index, bool subtracting) const
{
    const std::size_t pairs = m_numbers.size() * m_numbers.size();
    for (std::size_t step = 0; step < pairs; ++step) {
        const DrillQuestion question = pair((index + step) % pairs, subtracting);
        if (fits(question.first, question.second))
            return question;
    }
    // Not reached: a kind is drawn only when it has questions.
    return pair(index, subtracting);
}

DrillQuestion DrillQuestions::pair(std::size_t index, bool subtracting) const
{
    const int first = m_numbers[index / m_numbers.size()];
    const int second = m_numbers[index % m_numbers.size()];
    return {first, subtracting ? -second : second};
}
