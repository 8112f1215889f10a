#pragma once

class ReportTable;

// "出题" of the training window for every choice of 出题类型 and 位数: the
// first press after the window opens, and the spread of further presses.
namespace QuestionBench {
void Run(ReportTable& table);
}
