#include "FlashBench.h"

#include "Measure.h"
#include "ReportTable.h"

#include "course/FlashSchedule.h"
#include "exercises/NumberText.h"
#include "mental/FlashPlayer.h"
#include "mental/FlashStage.h"
#include "mental/frmFlash.h"
#include "platform/PictureBox.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr double FrameMs = 17;

struct Case {
    int level;  // index into the ladder
    const char* caption;
    const char* look;
    int questions;
};

const Case Cases[] = {
    {20, "3位15笔1.5秒", "数字", 8},
    {20, "3位15笔1.5秒", "珠像", 8},
    {0, "1位4笔8秒", "数字", 2},
    {0, "1位4笔8秒", "珠像", 2},
};

// The summary box must not wait for a click.
class SilentMessages final : public MessageBoxes {
public:
    void Information(const QString&) override {}
    void Plain(const QString&) override {}
};

// Every paint of the stage or its abacus, with what the stage showed then.
class PaintLog : public QObject {
public:
    struct Paint {
        // On the monotonic clock whose whole milliseconds are the program's clock.
        double ms;
        double cpuMs;  // the thread's processor time
        QString shown;
    };

    PaintLog(FlashStage& stage)
        : m_stage(stage)
    {
        stage.installEventFilter(this);
        stage.Picture()->installEventFilter(this);
    }

    std::vector<Paint> paints;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            paints.push_back({Measure::WallMilliseconds(), Measure::ThreadCpuMilliseconds(), m_stage.accessibleName()});
        return false;
    }

private:
    FlashStage& m_stage;
};

struct Figures {
    std::vector<double> lateness;
    // The latest paint, and the processor time the program spent between the
    // paint before it and this one: small when the machine kept it waiting.
    double worst = 0;
    double worstCpu = 0;
    // Questions whose numbers were not each painted once, in order.
    int wrongQuestions = 0;
    std::vector<double> durationError;
};

// Lateness of each number's first paint; the question's duration from the
// first number's paint to the paint that took the last one away.
void analyse(const std::vector<PaintLog::Paint>& paints, const std::vector<FlashSchedule::Event>& events,
             const std::vector<std::int64_t>& numbers, double seconds, Figures& figures)
{
    std::size_t next = 0;
    double firstShown = 0;
    for (const FlashSchedule::Event& event : events) {
        if (event.showing < 0 && event.showing != FlashSchedule::Over)
            continue;
        const QString expected =
            event.showing >= 0 ? NumberText(static_cast<double>(numbers.at(event.showing))) : QString();
        while (next < paints.size() && paints[next].shown != expected)
            ++next;
        if (next == paints.size())
            break;
        const double late = paints[next].ms - static_cast<double>(event.at);
        if (event.showing == 0)
            firstShown = paints[next].ms;
        if (event.showing >= 0 && late > figures.worst && next > 0) {
            figures.worst = late;
            figures.worstCpu = paints[next].cpuMs - paints[next - 1].cpuMs;
        }
        if (event.showing >= 0)
            figures.lateness.push_back(late);
        else
            figures.durationError.push_back(paints[next].ms - firstShown - seconds * 1000);
        while (next < paints.size() && paints[next].shown == expected)
            ++next;
    }
    // Each number painted in one stretch of its own, in order: nothing skipped, nothing doubled.
    QStringList stretches;
    for (const PaintLog::Paint& paint : paints) {
        if (!paint.shown.isEmpty() && (stretches.isEmpty() || paint.shown != stretches.last()))
            stretches.append(paint.shown);
        else if (paint.shown.isEmpty() && !stretches.isEmpty() && !stretches.last().isEmpty())
            stretches.append(QString());
    }
    stretches.removeAll(QString());
    QStringList expected;
    for (std::int64_t number : numbers)
        expected.append(NumberText(static_cast<double>(number)));
    figures.wrongQuestions += stretches != expected;
}

Figures measure(const Case& which)
{
    QMdiArea area;
    area.resize(1280, 720);
    area.show();
    frmFlash window;
    window.Show(area);
    QWidget* canvas = window.Canvas();
    canvas->findChild<QComboBox*>(QStringLiteral("comLevel"))->setCurrentIndex(which.level);
    canvas->findChild<QComboBox*>(QStringLiteral("comShow"))->setCurrentText(QString::fromUtf8(which.look));
    canvas->findChild<QComboBox*>(QStringLiteral("comMix"))->setCurrentIndex(1);
    canvas->findChild<QLineEdit*>(QStringLiteral("txtQuestions"))->setText(QString::number(which.questions));
    Measure::RunEventLoop(300);
    Figures figures;
    QEventLoop presented;
    QObject::connect(window.Player(), &FlashPlayer::finished, &presented, &QEventLoop::quit);
    canvas->findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    for (int q = 0; q < which.questions; ++q) {
        PaintLog log(*window.Stage());
        const std::vector<FlashSchedule::Event> events = window.Player()->Schedule()->Events();
        const std::vector<std::int64_t> numbers = window.Set()->Question().numbers;
        const double seconds = window.Set()->Settings().seconds;
        presented.exec();
        analyse(log.paints, events, numbers, seconds, figures);
        canvas->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        canvas->findChild<QPushButton*>(QStringLiteral("cmdNext"))->click();
    }
    window.Unload();
    return figures;
}

}  // namespace

namespace FlashBench {

void Run(ReportTable& table)
{
    table.Section("5. 闪电心算: each number's first paint against its planned time (real clock and timers)");
    SilentMessages silent;
    MessageBoxes& before = Platform::Messages();
    Platform::SetMessages(silent);
    for (const Case& which : Cases) {
        const Figures figures = measure(which);
        const double worst = *std::max_element(figures.lateness.begin(), figures.lateness.end());
        const Measure::Spread spread = Measure::Summarise(figures.lateness);
        const auto [shortest, longest] = std::minmax_element(figures.durationError.begin(), figures.durationError.end());
        const std::string what = std::string(which.caption) + " " + which.look + ", " + std::to_string(which.questions)
            + " questions";
        table.Row(what + ": worst lateness (ms)", ReportTable::Fixed(worst, 2),
                  "<= " + ReportTable::Fixed(FrameMs, 0), ReportTable::AtMost(worst, FrameMs));
        table.Row("  median / 95th percentile (ms)",
                  ReportTable::Fixed(spread.median, 2) + " / " + ReportTable::Fixed(spread.p95, 2));
        table.Row("  processor time up to the worst paint from the one before (ms)",
                  ReportTable::Fixed(figures.worstCpu, 2));
        table.Row("  questions with a number skipped or doubled", std::to_string(figures.wrongQuestions), "0",
                  figures.wrongQuestions == 0 ? "ok" : "MISSED");
        table.Row("  duration minus plan, first to last paint (ms)",
                  ReportTable::Fixed(*shortest, 2) + " to " + ReportTable::Fixed(*longest, 2));
    }
    table.Note("lateness includes up to 1 ms of the schedule's start being taken in whole milliseconds");
    Platform::SetMessages(before);
}

}  // namespace FlashBench
