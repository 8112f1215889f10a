#pragma once

class ReportTable;

// The record store on this machine's disk: writing one result, a file with
// 10,000 runs and 100,000 加减训练 answers (its size, and opening 成绩记录
// on it), and what choosing a child adds to the program's start.
namespace RecordsBench {

void Run(ReportTable& table, const char* program);
// The child process of the start figure: runs the real start once and
// prints its wall time in milliseconds.
int TimeOneStart();

}  // namespace RecordsBench
