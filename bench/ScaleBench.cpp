#include "ScaleBench.h"

#include "Measure.h"
#include "ReportTable.h"

#include "demo/frmShow9.h"
#include "exercises/frmTrain01.h"
#include "exercises/frmTrain03.h"
#include "platform/WorkspaceFit.h"
#include "shell/frmMain.h"
#include "training/frmTrain02.h"

#include <QAction>
#include <QCoreApplication>

#include <string>
#include <vector>

namespace {

constexpr int Resizes = 20;
constexpr double LimitMs = 50;
const QSize Projector(1920, 1080);
const QSize Laptop(1366, 768);

struct Window {
    const char* item;
    const char* name;
    ChildWindow& (*of)(frmMain&);
};

const Window Windows[] = {
    {"mnuLearnZhu", "frmTrain01", [](frmMain& w) -> ChildWindow& { return w.Train01(); }},
    {"mnuTrance01", "frmTrain03", [](frmMain& w) -> ChildWindow& { return w.Train03(); }},
    {"mnuTrance02", "frmTrain02", [](frmMain& w) -> ChildWindow& { return w.Train02(); }},
    {"mnuShow01_9Add", "frmShow9", [](frmMain& w) -> ChildWindow& { return w.Show9(); }},
};

// The window takes its size once the main window has laid out its own parts;
// then it is painted.
void resizeAndSettle(frmMain& main, QSize size)
{
    main.resize(size);
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}

}  // namespace

namespace ScaleBench {

double Run(ReportTable& table)
{
    table.Section("5. Re-scaling a designed window as the main window changes between 1366x768 and 1920x1080, "
                  "放大到窗口 on, " + std::to_string(Resizes) + " resizes");
    table.Note("figure: median wall ms / p95 wall ms / median processor ms of this thread, per resize, paint included");
    WorkspaceFit::Choose(true);
    frmMain main;
    main.show();
    resizeAndSettle(main, Projector);
    for (const Window& window : Windows) {
        main.findChild<QAction*>(QString::fromUtf8(window.item))->trigger();
        std::vector<double> wall;
        std::vector<double> cpu;
        for (int i = 0; i < Resizes; ++i) {
            const double wallStart = Measure::WallMilliseconds();
            const double cpuStart = Measure::ThreadCpuMilliseconds();
            resizeAndSettle(main, i % 2 ? Projector : Laptop);
            cpu.push_back(Measure::ThreadCpuMilliseconds() - cpuStart);
            wall.push_back(Measure::WallMilliseconds() - wallStart);
        }
        const Measure::Spread spread = Measure::Summarise(wall);
        table.Row(std::string(window.name) + " (factor " + ReportTable::Fixed(window.of(main).Factor(), 3) + ")",
                  ReportTable::Fixed(spread.median, 2) + " / " + ReportTable::Fixed(spread.p95, 2) + " / "
                      + ReportTable::Fixed(Measure::Summarise(cpu).median, 2),
                  "<= " + ReportTable::Fixed(LimitMs, 0) + " ms", ReportTable::AtMost(spread.median, LimitMs));
    }
    // The last resize of each window is to 1920 x 1080.
    const double show9Factor = main.Show9().Factor();
    WorkspaceFit::Choose(false);
    // Dropped without closing it: closing the main window ends the program.
    return show9Factor;
}

}  // namespace ScaleBench
