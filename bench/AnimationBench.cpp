#include "AnimationBench.h"

#include "Measure.h"
#include "ReportTable.h"

#include "abacus/ProgramWide.h"
#include "abacus/cAbacus.h"
#include "platform/EventLoopWaiter.h"
#include "platform/PictureBox.h"

#include <QCoreApplication>
#include <QTimer>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int Repeats = 5;
constexpr int Frames = 20;
constexpr double IdealChangeMs = Frames * 50;
constexpr double AllowedDeviationPercent = 1.5;
constexpr int LoadWindowMs = 3000;
constexpr double LoadLimitPercent = 1.5;

// frmShow9's picture at its designed size: 16755 x 8970 twips.
constexpr int ShowWidth = 1117;
constexpr int ShowHeight = 598;

void installRealWait()
{
    static EventLoopWaiter waiter;
    ProgramWide::SetWaiter(waiter);
}

struct ShownBoard {
    PictureBox pic;
    cAbacus abacus;

    explicit ShownBoard(std::int16_t rods, double zoom = 1)
    {
        pic.SetZoom(zoom);
        pic.resize(QSize(ShowWidth, ShowHeight) * zoom);
        pic.show();
        QCoreApplication::processEvents();
        abacus.Init(&pic, rods);
    }
};

struct ChangeTime {
    double wall;
    double cpu;
};

ChangeTime timeUnitsRodZeroToNine(ShownBoard& board)
{
    board.abacus.Draw(0);
    QCoreApplication::processEvents();
    double fromShown = -1;
    double nine = 9;
    const double wallStart = Measure::WallMilliseconds();
    const double cpuStart = Measure::ThreadCpuMilliseconds();
    [[maybe_unused]] const bool finished = board.abacus.AddNum(fromShown, nine);
    return {Measure::WallMilliseconds() - wallStart, Measure::ThreadCpuMilliseconds() - cpuStart};
}

void measureLoad(ReportTable& table, std::int16_t rods)
{
    ShownBoard board(rods);
    double shown = 123456789;
    board.abacus.Draw(shown);
    QCoreApplication::processEvents();
    Measure::Sample from{};
    Measure::Sample to{};
    // The window starts half a second in, so the first frames do not count;
    // detaching the board then ends the animation at its next frame.
    QTimer::singleShot(500, Qt::PreciseTimer, [&] { from = Measure::Now(); });
    QTimer::singleShot(500 + LoadWindowMs, Qt::PreciseTimer, [&] {
        to = Measure::Now();
        board.abacus.Detach();
    });
    double fromShown = -1;
    double add = 123456789;
    [[maybe_unused]] const bool finished = board.abacus.AddNum(fromShown, add);
    const double share = Measure::CoreShare(from, to);
    table.Row(std::to_string(rods) + " rods, AddNum(-1, 123456789), " + std::to_string(LoadWindowMs / 1000)
                  + " s of it",
              ReportTable::Fixed(share, 2) + " % of one core", "< " + ReportTable::Fixed(LoadLimitPercent, 1) + " %",
              share < LoadLimitPercent ? "ok" : "MISSED");
}

void rodChangeAt(ReportTable& table, double factor)
{
    ShownBoard board(10, factor);
    std::vector<double> samples;
    std::vector<double> cpu;
    std::string each;
    for (int i = 0; i < Repeats; ++i) {
        const ChangeTime time = timeUnitsRodZeroToNine(board);
        samples.push_back(time.wall);
        cpu.push_back(time.cpu);
        each += (i ? ", " : "") + ReportTable::Fixed(time.wall, 1);
    }
    const double median = Measure::Summarise(samples).median;
    const double deviation = 100.0 * (median - IdealChangeMs) / IdealChangeMs;
    const QSize size = board.pic.size();
    table.Row("10 rods, " + std::to_string(size.width()) + "x" + std::to_string(size.height()) + " (x "
                  + ReportTable::Fixed(factor, 3) + "): each of " + std::to_string(Repeats) + " runs (ms)",
              each);
    table.Row("  median (ms)", ReportTable::Fixed(median, 1));
    table.Row("  per frame beyond its 50 ms wait (ms)", ReportTable::Fixed((median - IdealChangeMs) / Frames, 2));
    const double cpuPerFrame = Measure::Summarise(cpu).median / Frames;
    table.Row("  of which processor time per frame (ms)", ReportTable::Fixed(cpuPerFrame, 2));
    table.Row("  estimate on an idle machine: 1000 + 20 x that",
              ReportTable::Fixed(IdealChangeMs + Frames * cpuPerFrame, 1) + " ms ("
                  + ReportTable::Fixed(100.0 * Frames * cpuPerFrame / IdealChangeMs, 2) + " %)");
    table.Row("  deviation from the ideal 1000 ms", ReportTable::Fixed(deviation, 2) + " %",
              "within " + ReportTable::Fixed(AllowedDeviationPercent, 1) + " %",
              std::abs(deviation) <= AllowedDeviationPercent ? "ok" : "MISSED");
}

}  // namespace

namespace AnimationBench {

void RodChange(ReportTable& table, const std::vector<double>& factors)
{
    table.Section("2. One rod's 20-frame change, ChangeNum(0, 9) on the units rod (EventLoopWaiter, wall time)");
    installRealWait();
    for (double factor : factors)
        rodChangeAt(table, factor);
}

void ProcessorLoad(ReportTable& table)
{
    table.Section("3a. Processor time while an animation plays (user + system, whole process)");
    installRealWait();
    measureLoad(table, 10);
    measureLoad(table, 21);
}

}  // namespace AnimationBench
