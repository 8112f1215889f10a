#pragma once

#include "records/ProgressReport.h"

#include <optional>

class RecordKeeper;

namespace ProgressQuery {

// The name 加减训练's answers are shown under.
inline const QString ColumnExercise = QStringLiteral("加减训练");

// The chosen child's figures, with the days from `firstDay` on (Julian day
// numbers) and the newest `recentRuns` runs; nothing while no child is chosen
// or the file cannot be read.
std::optional<ProgressReport> Read(RecordKeeper& keeper, qint64 firstDay, int recentRuns);

}  // namespace ProgressQuery
