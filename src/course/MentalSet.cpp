#include "course/MentalSet.h"

#include "abacus/Clock.h"
#include "course/ResultSink.h"

#include <utility>

MentalSet::MentalSet(std::string exercise, const MentalSettings& settings, const Clock& clock)
    : m_exercise(std::move(exercise))
    , m_settings(settings)
    , m_clock(clock)
    , m_startedMs(clock.MilliTicks())
{
}

const MentalQuestion& MentalSet::NextQuestion(RandomSource& random)
{
    m_question = MakeMentalQuestion(m_settings.digits, m_settings.count, m_settings.mixed, random);
    m_stage = Stage::Presenting;
    ++m_asked;
    return m_question;
}

void MentalSet::Presented(std::int64_t endedMs)
{
    m_presentedMs = endedMs;
    m_stage = Stage::Answering;
}

bool MentalSet::Mark(double answer)
{
    const std::int64_t rightAnswer = m_question.Answer();
    const bool right = answer == static_cast<double>(rightAnswer);
    m_right += right ? 1 : 0;
    m_stage = Stage::Marked;
    MentalQuestionResult result;
    result.exercise = m_exercise;
    result.when = m_clock.WallSeconds();
    result.settings = m_settings;
    result.numbers = m_question.numbers;
    result.answer = answer;
    result.rightAnswer = rightAnswer;
    result.right = right;
    result.secondsToAnswer = static_cast<double>(m_clock.MilliTicks() - m_presentedMs) / 1000;
    Course::Results().Keep(result);
    return right;
}

std::string MentalSet::Close()
{
    MentalSetResult result;
    result.exercise = m_exercise;
    result.when = m_clock.WallSeconds();
    result.settings = m_settings;
    result.questions = m_asked;
    result.right = m_right;
    result.durationSeconds = static_cast<double>(m_clock.MilliTicks() - m_startedMs) / 1000;
    Course::Results().Keep(result);
    return Summary(m_asked, m_right);
}

std::string MentalSet::Summary(int questions, int right)
{
    const bool passed = right * 10 >= 7 * questions;
    return "本组共" + std::to_string(questions) + "题，答对" + std::to_string(right) + "题，答错"
        + std::to_string(questions - right) + "题。" + (passed ? "合格！" : "再练练。");
}
