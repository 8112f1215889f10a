#pragma once

#include <vector>

class ReportTable;

// The animation as the demonstration plays it: wall time of one rod's
// 20-frame change (at the designed size, and enlarged by each of `factors`),
// and processor time while an animation runs.
namespace AnimationBench {
void RodChange(ReportTable& table, const std::vector<double>& factors);
void ProcessorLoad(ReportTable& table);
}  // namespace AnimationBench
