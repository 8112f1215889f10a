#include "StartupBench.h"

#include "Measure.h"
#include "ReportTable.h"

#include "shell/frmMain.h"
#include "platform/modsub.h"

namespace {

constexpr int SettleMs = 2000;
constexpr int IdleMs = 5000;
constexpr double IdleLimitPercent = 1;

}  // namespace

namespace StartupBench {

void Run(ReportTable& table)
{
    table.Section("4. Memory after the real start, in process (modsub::Main, then " + std::to_string(SettleMs / 1000)
                  + " s of events)");
    const double before = Measure::PeakResidentMegabytes();
    auto mainWindow = modsub::Main();
    Measure::RunEventLoop(SettleMs);
    table.Row("peak resident memory, VmHWM", ReportTable::Fixed(Measure::PeakResidentMegabytes(), 1) + " MB");
    table.Row("  resident now, VmRSS", ReportTable::Fixed(Measure::ResidentMegabytes(), 1) + " MB");
    table.Row("  VmHWM before Main (QApplication only)", ReportTable::Fixed(before, 1) + " MB");

    table.Section("3b. Processor time while the main window's number show idles");
    const double numberBefore = mainWindow->CurrentNum();
    const Measure::Sample from = Measure::Now();
    Measure::RunEventLoop(IdleMs);
    const double share = Measure::CoreShare(from, Measure::Now());
    table.Row("frmMain idle, timShow every 500 ms, " + std::to_string(IdleMs / 1000) + " s",
              ReportTable::Fixed(share, 2) + " % of one core", "< " + ReportTable::Fixed(IdleLimitPercent, 0) + " %",
              share < IdleLimitPercent ? "ok" : "MISSED");
    table.Row("  the show ran (number changed)", mainWindow->CurrentNum() != numberBefore ? "yes" : "NO");
    // Dropped without closing it: closing the main window ends the program.
    mainWindow.reset();
}

}  // namespace StartupBench
