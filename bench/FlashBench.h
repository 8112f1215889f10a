#pragma once

class ReportTable;

// 闪电心算 as the child sees it: how late each flashed number is painted
// against its planned time, and how long a question lasts against its plan.
namespace FlashBench {
void Run(ReportTable& table);
}  // namespace FlashBench
