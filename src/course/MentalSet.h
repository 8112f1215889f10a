#pragma once

#include "course/MentalQuestion.h"
#include "course/Results.h"

#include <cstdint>
#include <string>

class Clock;
class RandomSource;

// A set of mental-arithmetic questions as every window that gives them runs
// it, whatever shows or says the numbers: the questions, the marking, the
// results handed to Course::Results() and the summary. The window only
// presents each question and tells the set when it has been given.
class MentalSet {
public:
    enum class Stage { Presenting, Answering, Marked };

    // `exercise` is the window's caption, kept with every result.
    MentalSet(std::string exercise, const MentalSettings& settings, const Clock& clock);

    // Draws the next question; it is now being presented.
    const MentalQuestion& NextQuestion(RandomSource& random);
    // The question's last number has gone (flashed) or been said: the time
    // to answer counts from `endedMs` on the clock's milliseconds.
    void Presented(std::int64_t endedMs);
    // Marks the answer as read from the answer box and keeps the question's result.
    bool Mark(double answer);
    // The last question is marked: keeps the set's result and gives the summary.
    std::string Close();

    const MentalQuestion& Question() const { return m_question; }
    const MentalSettings& Settings() const { return m_settings; }
    Stage CurrentStage() const { return m_stage; }
    int Asked() const { return m_asked; }
    int Right() const { return m_right; }
    bool LastQuestion() const { return m_asked >= m_settings.questions; }

    // "本组共10题，答对8题，答错2题。合格！": passed at seven in ten.
    static std::string Summary(int questions, int right);

private:
    std::string m_exercise;
    MentalSettings m_settings;
    const Clock& m_clock;
    std::int64_t m_startedMs;
    std::int64_t m_presentedMs = 0;
    MentalQuestion m_question;
    Stage m_stage = Stage::Presenting;
    int m_asked = 0;
    int m_right = 0;
};
