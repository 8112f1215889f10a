#pragma once

#include <string>
#include <vector>

// Small measuring tools: spreads of timings, processor time, resident memory.
namespace Measure {

struct Spread {
    double median;
    double p95;
    double p99;
};
Spread Summarise(std::vector<double> samples);

// Processor time of the whole process (every thread) and monotonic wall
// time, both in seconds, read together.
struct Sample {
    double cpu;
    double wall;
};
Sample Now();
// Processor seconds per wall second between two samples, in percent of one core.
double CoreShare(const Sample& from, const Sample& to);

double WallMilliseconds();
// Processor time of the calling thread alone: what a step costs, whatever else the machine runs.
double ThreadCpuMilliseconds();

// From /proc/self/status, in MB (2^20 bytes): VmHWM and VmRSS.
double PeakResidentMegabytes();
double ResidentMegabytes();

// The machine's 1, 5 and 15 minute load averages, as /proc/loadavg gives them.
std::string LoadAverage();

// Runs the application's event loop for the given time, as the program idles.
void RunEventLoop(int milliseconds);

}  // namespace Measure
