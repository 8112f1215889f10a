#pragma once

#include "course/Results.h"

// Where the exercises hand their results. The program starts with a sink
// that keeps nothing; whoever keeps results puts its own in place.
class ResultSink {
public:
    virtual ~ResultSink() = default;

    virtual void Keep(const BeadRunResult& result) = 0;
    virtual void Keep(const ColumnAnswerResult& result) = 0;
    virtual void Keep(const MentalQuestionResult& result) = 0;
    virtual void Keep(const MentalSetResult& result) = 0;
};

namespace Course {

ResultSink& Results();
// The sink is not owned; NoResults() puts the one that keeps nothing back.
void SetResults(ResultSink& sink);
ResultSink& NoResults();

}  // namespace Course
