#pragma once

#include <QList>
#include <QString>

#include <array>

// What 成绩记录 shows of one child: plain figures, read in one go.

// One day on which an exercise was practised: its Julian day number, the
// questions asked and the right answers.
struct DayFigures {
    qint64 day = 0;
    double questions = 0;
    double right = 0;
};

// The days an exercise was practised within the days looked at, oldest first.
struct ExerciseDays {
    QString exercise;
    QList<DayFigures> days;
};

// A run of 识珠 or a set of 心算; for 加减训练, whose questions come one by
// one, the questions of one day.
struct RunLine {
    qint64 day = 0;   // Julian day number
    qint64 when = 0;  // UTC seconds of its end; 0 for a whole day
    QString exercise;
    double questions = 0;
    double right = 0;
    double seconds = 0;
};

struct ProgressReport {
    int daysPractised = 0;
    int runs = 0;  // runs of 识珠 and sets of 心算
    double questions = 0;
    double seconds = 0;
    qint64 lastPractice = 0;  // UTC seconds; 0 when nothing was ever kept
    QList<ExerciseDays> exercises;
    // Wrong answers of 加减训练 per bead-rule group, in the order of BeadRule::Group;
    // a question whose steps used several groups counts in each.
    std::array<int, 4> wrongByGroup{};
    QList<RunLine> recentRuns;  // newest first, a whole day before the runs of that day
};
