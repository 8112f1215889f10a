#include "DrawBench.h"

#include "Measure.h"
#include "NullSurface.h"
#include "ReportTable.h"

#include "abacus/ProgramWide.h"
#include "abacus/cAbacus.h"
#include "platform/ClockSeededRandom.h"
#include "platform/PictureBox.h"
#include "platform/Platform.h"

#include <QCoreApplication>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int WarmUpDraws = 30;
constexpr int MeasuredDraws = 300;
constexpr int TwipsPerPixel = 15;

struct Board {
    const char* where;
    std::int16_t rods;
    int widthTwips;
    int heightTwips;
    double limitMs;  // 0: no target
    double zoom = 1;
};

// frmShow9's picture as "放大到窗口" enlarges it.
constexpr double EnlargedShow9LimitMs = 1;

const Board Boards[] = {
    {"main window pic2", 5, 7095, 3855, 0},
    {"frmTrain01 pic", 5, 14235, 8250, 0},
    {"frmShow9 pic", 10, 16755, 8970, 0.4},
    {"frmShow9-sized pic", 21, 16755, 8970, 0.8},
};

// Two numbers that differ in every digit, in turn: every bead moves at every
// draw, the most a new number can change. The picture box redraws only what
// changed, so a number changing fewer rods costs less.
double numberFor(int draw) { return draw % 2 ? 1234567890 : 987654321; }

// Wall time of each step, and the processor time this thread spent in it:
// the second shows what other programs on a busy machine added to the first.
struct Timings {
    std::vector<double> wall;
    std::vector<double> cpu;
};

Timings timeEach(int count, const std::function<void(int)>& step)
{
    for (int i = 0; i < WarmUpDraws; ++i)
        step(i);
    Timings timings;
    for (int i = 0; i < count; ++i) {
        const double wallStart = Measure::WallMilliseconds();
        const double cpuStart = Measure::ThreadCpuMilliseconds();
        step(i);
        timings.cpu.push_back(Measure::ThreadCpuMilliseconds() - cpuStart);
        timings.wall.push_back(Measure::WallMilliseconds() - wallStart);
    }
    return timings;
}

std::string spreadText(const Timings& timings)
{
    const Measure::Spread wall = Measure::Summarise(timings.wall);
    return ReportTable::Fixed(wall.median, 3) + " / " + ReportTable::Fixed(wall.p95, 3) + " / "
        + ReportTable::Fixed(Measure::Summarise(timings.cpu).median, 3);
}

void addRow(ReportTable& table, const std::string& what, const Timings& timings, double limitMs)
{
    if (limitMs > 0)
        table.Row(what, spreadText(timings), "<= " + ReportTable::Fixed(limitMs, 1) + " ms",
                  ReportTable::AtMost(Measure::Summarise(timings.wall).median, limitMs));
    else
        table.Row(what, spreadText(timings));
}

QSize pixels(const Board& board)
{
    return QSize(board.widthTwips / TwipsPerPixel, board.heightTwips / TwipsPerPixel) * board.zoom;
}

std::string boardSize(const Board& board)
{
    return std::to_string(board.rods) + " rods, " + std::to_string(pixels(board).width()) + "x"
        + std::to_string(pixels(board).height());
}

std::string boardName(const Board& board)
{
    const std::string zoom = board.zoom == 1 ? "" : " x " + ReportTable::Fixed(board.zoom, 3);
    return boardSize(board) + " (" + board.where + zoom + ")";
}

void showAt(PictureBox& pic, const Board& board)
{
    pic.SetZoom(board.zoom);
    pic.resize(pixels(board));
    pic.show();
    QCoreApplication::processEvents();
}

void measureBoard(ReportTable& table, const Board& board)
{
    PictureBox pic;
    showAt(pic, board);
    cAbacus abacus;
    abacus.Init(&pic, board.rods);

    // The surface brings its image up to date once the program is back in its
    // event loop; asking for the picture makes it do so inside the timing.
    const auto drawOnly = timeEach(MeasuredDraws, [&](int i) {
        abacus.Draw(numberFor(i));
        [[maybe_unused]] const QImage drawn = pic.picture();
    });
    addRow(table, boardName(board) + ": Draw + picture()", drawOnly, board.limitMs);
    const auto withRepaint = timeEach(MeasuredDraws, [&](int i) {
        abacus.Draw(numberFor(i));
        QCoreApplication::processEvents();
    });
    addRow(table, "  same, Draw + processEvents (repaint)", withRepaint, 0);
}

void measureModelAlone(ReportTable& table)
{
    NullSurface surface;
    cAbacus abacus;
    abacus.Init(&surface, 10);
    const auto samples = timeEach(MeasuredDraws, [&](int i) { abacus.Draw(numberFor(i)); });
    addRow(table, "10 rods, model alone (surface draws nothing)", samples, 0);
}

void measureColourfulBeads(ReportTable& table)
{
    static ClockSeededRandom random(Platform::ProgramClock(), ClockSeededRandom::Reseed::Replace);
    ProgramWide::SetBeadColours(random);
    ProgramWide::ColorfulBeads = true;
    const Board& board = Boards[0];
    PictureBox pic;
    showAt(pic, board);
    cAbacus abacus;
    abacus.Init(&pic, board.rods);
    const auto samples = timeEach(MeasuredDraws, [&](int i) {
        abacus.Draw(numberFor(i));
        QCoreApplication::processEvents();
    });
    ProgramWide::ColorfulBeads = false;
    addRow(table, boardSize(board) + ", ColorfulBeads: Draw + repaint", samples, 0);
}

}  // namespace

namespace DrawBench {

void Run(ReportTable& table, const std::vector<double>& show9Factors)
{
    table.Section("1. Full cAbacus::Draw on a shown PictureBox, " + std::to_string(MeasuredDraws) + " draws after "
                  + std::to_string(WarmUpDraws) + " warm-up");
    table.Note("figure: median wall ms / p95 wall ms / median processor ms of this thread");
    // The start-up figure leaves the main window's random bead colours on.
    ProgramWide::ColorfulBeads = false;
    for (const Board& board : Boards)
        measureBoard(table, board);
    for (double factor : show9Factors)
        measureBoard(table, {"frmShow9 pic", 10, 16755, 8970, EnlargedShow9LimitMs, factor});
    measureColourfulBeads(table);
    measureModelAlone(table);
}

}  // namespace DrawBench
