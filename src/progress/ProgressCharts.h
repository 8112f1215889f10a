#pragma once

#include "records/ProgressReport.h"

class QWidget;

// The charts of 成绩记录, drawn with Qt Charts.
namespace ProgressCharts {

// One exercise over `dayCount` days from `firstDay` (Julian day numbers):
// bars of the questions asked each day, and a line of the share of right
// answers. A day without practice has no bar and breaks the line.
QWidget* Days(const ExerciseDays& exercise, qint64 firstDay, int dayCount);
// 加减训练's wrong answers per bead-rule group.
QWidget* WrongByGroup(const std::array<int, 4>& wrong);

}  // namespace ProgressCharts
