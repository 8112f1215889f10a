#include "StartupBench.h"

#include "Measure.h"
#include "ReportTable.h"

#include "abacus/cAbacus.h"
#include "platform/PictureBox.h"
#include "platform/modsub.h"
#include "shell/frmMain.h"

#include <QImage>

#include <set>

namespace {

constexpr int SettleMs = 2000;
constexpr int IdleMs = 5000;
constexpr double IdleLimitPercent = 1;
constexpr int ColourFrames = 20;

// The colours of the beads the start-up abacus shows, read off its picture
// a little left of each bead's centre, clear of the rod line.
std::set<QRgb> beadColours(frmMain& mainWindow)
{
    auto* pic = mainWindow.findChild<PictureBox*>(QStringLiteral("pic2"));
    const QImage picture = pic->picture();
    const cAbacus& abacus = mainWindow.Abacus();
    std::set<QRgb> colours;
    for (int rod = 0; rod < abacus.Cols(); ++rod) {
        for (int slot = 1; slot <= 5; ++slot) {
            const cBead& bead = abacus.Column(rod).Bead(slot);
            const QPointF at = pic->toWidget(QPointF(bead.X() - 4, bead.Y())) * picture.devicePixelRatio();
            colours.insert(picture.pixel(at.toPoint()));
        }
    }
    return colours;
}

// Frames of the real number show, drawn with the real clock-seeded generators.
void colourfulBeads(ReportTable& table, frmMain& mainWindow)
{
    table.Section("3c. Colours of the start-up abacus's beads, " + std::to_string(ColourFrames) + " frames");
    std::string perFrame;
    int single = 0;
    for (int frame = 0; frame < ColourFrames; ++frame) {
        mainWindow.timShow_Timer();
        const std::size_t colours = beadColours(mainWindow).size();
        single += colours == 1;
        perFrame += (frame ? " " : "") + std::to_string(colours);
        Measure::RunEventLoop(50);
    }
    table.Row("colours per frame", perFrame);
    table.Row("frames in one colour", std::to_string(single) + " of " + std::to_string(ColourFrames));
}

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
    colourfulBeads(table, *mainWindow);
    // Dropped without closing it: closing the main window ends the program.
    mainWindow.reset();
}

}  // namespace StartupBench
