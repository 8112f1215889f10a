#include "course/MentalQuestion.h"

#include "abacus/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace {

std::int64_t smallest(int digits)
{
    std::int64_t n = 1;
    for (int i = 1; i < digits; ++i)
        n *= 10;
    return n;
}

// Numbers from `low` to `high` except `excluded`, where any are left.
class Choice {
public:
    Choice(std::int64_t low, std::int64_t high, std::int64_t excluded)
        : m_low(low)
        , m_high(high)
        , m_excluded(excluded)
    {
    }

    std::int64_t Size() const
    {
        if (m_high < m_low)
            return 0;
        const bool skips = m_excluded >= m_low && m_excluded <= m_high;
        return m_high - m_low + 1 - (skips ? 1 : 0);
    }

    std::int64_t Draw(RandomSource& random) const
    {
        const std::int64_t size = Size();
        const auto drawn = static_cast<std::int64_t>(std::floor(static_cast<double>(random.Rnd()) * size));
        const std::int64_t n = m_low + std::min(drawn, size - 1);
        return n >= m_excluded && m_excluded >= m_low ? n + 1 : n;
    }

private:
    std::int64_t m_low;
    std::int64_t m_high;
    std::int64_t m_excluded;
};

class QuestionDraw {
public:
    QuestionDraw(int digits, int count, bool mixed, RandomSource& random)
        : m_low(smallest(digits))
        , m_high(smallest(digits) * 10 - 1)
        , m_count(count)
        , m_mixed(mixed)
        , m_random(random)
    {
    }

    // Empty when a mixed question came to its last number with nothing
    // subtracted and nothing left to subtract: the caller starts again.
    std::optional<MentalQuestion> Draw()
    {
        MentalQuestion question;
        std::int64_t total = 0;
        std::int64_t previous = 0;
        bool subtracted = false;
        for (int k = 0; k < m_count; ++k) {
            const Choice taken(m_low, std::min(m_high, total), previous);
            const bool last = k == m_count - 1;
            const bool mustTake = m_mixed && last && !subtracted;
            if (mustTake && taken.Size() == 0)
                return std::nullopt;
            const bool take = k > 0 && m_mixed && taken.Size() > 0 && (mustTake || m_random.Rnd() < 0.5f);
            const std::int64_t n = take ? taken.Draw(m_random) : Choice(m_low, m_high, previous).Draw(m_random);
            question.numbers.push_back(take ? -n : n);
            total += take ? -n : n;
            subtracted = subtracted || take;
            previous = n;
        }
        return question;
    }

private:
    std::int64_t m_low;
    std::int64_t m_high;
    int m_count;
    bool m_mixed;
    RandomSource& m_random;
};

}  // namespace

std::int64_t MentalQuestion::Answer() const { return std::accumulate(numbers.begin(), numbers.end(), std::int64_t{0}); }

MentalQuestion MakeMentalQuestion(int digits, int count, bool mixed, RandomSource& random)
{
    random.Randomize();
    QuestionDraw draw(digits, count, mixed, random);
    for (;;) {
        if (std::optional<MentalQuestion> question = draw.Draw())
            return *question;
    }
}
