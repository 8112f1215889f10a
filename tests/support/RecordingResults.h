#pragma once

#include "course/ResultSink.h"

#include <vector>

// Keeps what the exercises hand over while it lives.
class RecordingResults final : public ResultSink {
public:
    RecordingResults() { Course::SetResults(*this); }
    ~RecordingResults() override { Course::SetResults(Course::NoResults()); }

    void Keep(const BeadRunResult& result) override { beadRuns.push_back(result); }
    void Keep(const ColumnAnswerResult& result) override { columnAnswers.push_back(result); }
    void Keep(const MentalQuestionResult& result) override { mentalQuestions.push_back(result); }
    void Keep(const MentalSetResult& result) override { mentalSets.push_back(result); }

    std::vector<BeadRunResult> beadRuns;
    std::vector<ColumnAnswerResult> columnAnswers;
    std::vector<MentalQuestionResult> mentalQuestions;
    std::vector<MentalSetResult> mentalSets;
};
