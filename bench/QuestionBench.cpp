#include "QuestionBench.h"

#include "Measure.h"
#include "ReportTable.h"

#include "abacus/ProgramWide.h"
#include "course/DrillQuestions.h"
#include "platform/Platform.h"
#include "training/frmTrain02.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QMdiArea>
#include <QPushButton>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int Presses = 200;
constexpr double LimitMs = 5;

const char* const StyleKeys[] = {"any group", "direct", "five", "ten"};
const char* const RangeKeys[] = {"no range (92)", "4", "44", "9", "92", "444", "999"};

// The one choice without questions says so in a box that must not wait for a click.
class NoBoxes final : public MessageBoxes {
public:
    void Information(const QString&) override {}
    void Plain(const QString&) override {}
};

struct Choice {
    int style;  // -1 for none, as the list's current index
    int range;
};

struct Press {
    double wall;
    double cpu;
};

struct Timings {
    Press first;
    double wallP95;
    double worstCpu;  // of every press, the first included
};

Press timedPress(QPushButton& button)
{
    const double wall = Measure::WallMilliseconds();
    const double cpu = Measure::ThreadCpuMilliseconds();
    button.click();
    return {Measure::WallMilliseconds() - wall, Measure::ThreadCpuMilliseconds() - cpu};
}

// A freshly opened window, the choice made, then its first press and further presses.
Timings pressInFreshWindow(QMdiArea& area, const Choice& choice)
{
    frmTrain02 window{[] {}};
    window.Show(area);
    QCoreApplication::processEvents();
    window.Canvas()->findChild<QComboBox*>(QStringLiteral("comStyle"))->setCurrentIndex(choice.style);
    window.Canvas()->findChild<QComboBox*>(QStringLiteral("comDig"))->setCurrentIndex(choice.range);
    auto* cmdQ = window.Canvas()->findChild<QPushButton*>(QStringLiteral("cmdQ"));
    const Press first = timedPress(*cmdQ);
    std::vector<double> wall;
    double worstCpu = first.cpu;
    for (int i = 0; i < Presses; ++i) {
        const Press press = timedPress(*cmdQ);
        wall.push_back(press.wall);
        worstCpu = std::max(worstCpu, press.cpu);
    }
    window.Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {first, Measure::Summarise(wall).p95, worstCpu};
}

// The question alone, without the window: what the course layer costs per press.
double questionAloneMs(const Choice& choice)
{
    const std::optional<QuestionStyle> style
        = choice.style < 0 ? std::nullopt : std::optional(Course::QuestionStyles.at(choice.style));
    const OperandRange& range = choice.range < 0 ? Course::UnchosenRange() : Course::OperandRanges().at(choice.range);
    std::vector<double> samples;
    std::optional<DrillQuestion> previous;
    for (int i = 0; i < Presses; ++i) {
        const double start = Measure::ThreadCpuMilliseconds();
        previous = DrillQuestions(style, range).Make(ProgramWide::Random(), previous);
        samples.push_back(Measure::ThreadCpuMilliseconds() - start);
    }
    return *std::max_element(samples.begin(), samples.end());
}

std::string questionAlone(const Choice& choice)
{
    if (choice.style < 0 && choice.range < 0)
        return std::string();
    return "; question alone " + ReportTable::Fixed(questionAloneMs(choice), 3);
}

std::string label(const Choice& choice)
{
    if (choice.style < 0 && choice.range < 0)
        return "nothing chosen (two-digit addition)";
    return std::string(StyleKeys[choice.style + 1]) + " within " + RangeKeys[choice.range + 1];
}

}  // namespace

namespace QuestionBench {

void Run(ReportTable& table)
{
    table.Section("5. 出题 in 加减训练 for each choice of 出题类型 and 位数 (one click, ms)");
    MessageBoxes& messages = Platform::Messages();
    NoBoxes noBoxes;
    Platform::SetMessages(noBoxes);
    QMdiArea area;
    area.resize(1366, 768);
    area.show();
    // The slowest choice to look up, first of all: nothing of the course has run yet.
    const Timings veryFirst = pressInFreshWindow(area, {2, 4});
    table.Row("first press of the run, ten within 444: wall, processor",
              ReportTable::Fixed(veryFirst.first.wall, 2) + ", " + ReportTable::Fixed(veryFirst.first.cpu, 2),
              "<= " + ReportTable::Fixed(LimitMs, 0), ReportTable::AtMost(veryFirst.first.cpu, LimitMs));
    double worstCpu = veryFirst.worstCpu;
    double worstP95 = veryFirst.wallP95;
    for (int style = -1; style < 3; ++style) {
        for (int range = -1; range < 6; ++range) {
            const Timings timings = pressInFreshWindow(area, {style, range});
            worstCpu = std::max(worstCpu, timings.worstCpu);
            worstP95 = std::max(worstP95, timings.wallP95);
            table.Row(label({style, range}),
                      "first " + ReportTable::Fixed(timings.first.wall, 2) + "/"
                          + ReportTable::Fixed(timings.first.cpu, 2) + ", p95 " + ReportTable::Fixed(timings.wallP95, 2)
                          + ", max cpu " + ReportTable::Fixed(timings.worstCpu, 2) + questionAlone({style, range}),
                      "<= " + ReportTable::Fixed(LimitMs, 0), ReportTable::AtMost(timings.worstCpu, LimitMs));
        }
    }
    table.Row("slowest press of all, processor time", ReportTable::Fixed(worstCpu, 2),
              "<= " + ReportTable::Fixed(LimitMs, 0), ReportTable::AtMost(worstCpu, LimitMs));
    table.Row("highest p95 of the wall times", ReportTable::Fixed(worstP95, 2), "<= " + ReportTable::Fixed(LimitMs, 0),
              ReportTable::AtMost(worstP95, LimitMs));
    table.Note("each choice in a freshly opened window: its first press (wall/processor), then " + std::to_string(Presses)
               + " more (p95 of their wall times, the most processor time of any press); a press also clears and "
                 "redraws the abacus. \"question alone\": the slowest of " + std::to_string(Presses)
               + " DrillQuestions made and asked, processor time. ten within 4 has no question and only says so.");
    Platform::SetMessages(messages);
}

}  // namespace QuestionBench
