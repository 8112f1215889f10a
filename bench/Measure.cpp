#include "Measure.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <fstream>

namespace Measure {

namespace {

double clockSeconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double statusKilobytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stod(line.substr(field.size() + 1));
    }
    return 0;
}

}  // namespace

Spread Summarise(std::vector<double> samples)
{
    if (samples.empty())
        return {0, 0, 0};
    std::sort(samples.begin(), samples.end());
    const auto at = [&samples](double fraction) {
        const auto index = static_cast<std::size_t>(std::lround(fraction * static_cast<double>(samples.size() - 1)));
        return samples[index];
    };
    return {at(0.5), at(0.95), at(0.99)};
}

Sample Now() { return {clockSeconds(CLOCK_PROCESS_CPUTIME_ID), clockSeconds(CLOCK_MONOTONIC)}; }

double CoreShare(const Sample& from, const Sample& to)
{
    const double wall = to.wall - from.wall;
    return wall > 0 ? 100.0 * (to.cpu - from.cpu) / wall : 0;
}

double WallMilliseconds() { return clockSeconds(CLOCK_MONOTONIC) * 1000.0; }

double ThreadCpuMilliseconds() { return clockSeconds(CLOCK_THREAD_CPUTIME_ID) * 1000.0; }

double PeakResidentMegabytes() { return statusKilobytes("VmHWM") / 1024.0; }

double ResidentMegabytes() { return statusKilobytes("VmRSS") / 1024.0; }

std::string LoadAverage()
{
    std::ifstream loadavg("/proc/loadavg");
    std::string one, five, fifteen;
    loadavg >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

void RunEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace Measure
