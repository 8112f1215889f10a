#pragma once

class ReportTable;

// The animation as the demonstration plays it: wall time of one rod's
// 20-frame change, and processor time while an animation runs.
namespace AnimationBench {
void RodChange(ReportTable& table);
void ProcessorLoad(ReportTable& table);
}  // namespace AnimationBench
