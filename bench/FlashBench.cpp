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
#include <QTimer>

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
        QString shown;
        bool beads;  // the abacus picture, not the stage around it
    };

    PaintLog(FlashStage& stage, QTimer& timer)
        : m_stage(stage)
        , m_timer(timer)
    {
        stage.installEventFilter(this);
        stage.Picture()->installEventFilter(this);
        timer.installEventFilter(this);
    }

    std::vector<Paint> paints;
    // When the player's timer woke the program, before it drew anything.
    std::vector<double> wakes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_timer && event->type() == QEvent::Timer)
            wakes.push_back(Measure::WallMilliseconds());
        else if (event->type() == QEvent::Paint)
            paints.push_back({Measure::WallMilliseconds(), m_stage.accessibleName(), watched == m_stage.Picture()});
        return false;
    }

private:
    FlashStage& m_stage;
    QTimer& m_timer;
};

struct Figures {
    std::vector<double> lateness;
    // Each number's lateness split: the timer's wake-up against the plan,
    // then the drawing from the wake-up to the paint. A late wake-up is the
    // machine's doing: the program was waiting.
    std::vector<double> waking;
    std::vector<double> drawing;
    // Questions whose numbers were not each painted once, in order.
    int wrongQuestions = 0;
    std::vector<double> durationError;
};

void split(const std::vector<double>& wakes, double paint, double planned, Figures& figures)
{
    const auto after = std::upper_bound(wakes.begin(), wakes.end(), paint);
    if (after == wakes.begin())
        return;
    figures.waking.push_back(*(after - 1) - planned);
    figures.drawing.push_back(paint - *(after - 1));
}

// Lateness of each number's first paint (in bead images, of the abacus
// itself); the question's duration from the first number's paint to the
// paint that took the last one away.
void analyse(const std::vector<PaintLog::Paint>& paints, const std::vector<double>& wakes,
             const std::vector<FlashSchedule::Event>& events, const std::vector<std::int64_t>& numbers, double seconds,
             bool beads, Figures& figures)
{
    std::size_t next = 0;
    double firstShown = 0;
    for (const FlashSchedule::Event& event : events) {
        if (event.showing < 0 && event.showing != FlashSchedule::Over)
            continue;
        const QString expected =
            event.showing >= 0 ? NumberText(static_cast<double>(numbers.at(event.showing))) : QString();
        const bool picture = beads && event.showing >= 0;
        while (next < paints.size() && (paints[next].shown != expected || paints[next].beads != picture))
            ++next;
        if (next == paints.size())
            break;
        const double late = paints[next].ms - static_cast<double>(event.at);
        if (event.showing == 0)
            firstShown = paints[next].ms;
        if (event.showing >= 0) {
            figures.lateness.push_back(late);
            split(wakes, paints[next].ms, static_cast<double>(event.at), figures);
        } else {
            figures.durationError.push_back(paints[next].ms - firstShown - seconds * 1000);
        }
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
        PaintLog log(*window.Stage(), *window.Player()->findChild<QTimer*>(QStringLiteral("timFlash")));
        const std::vector<FlashSchedule::Event> events = window.Player()->Schedule()->Events();
        const std::vector<std::int64_t> numbers = window.Set()->Question().numbers;
        const double seconds = window.Set()->Settings().seconds;
        presented.exec();
        const bool beads = window.Set()->Settings().presentation == "珠像";
        analyse(log.paints, log.wakes, events, numbers, seconds, beads, figures);
        canvas->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        canvas->findChild<QPushButton*>(QStringLiteral("cmdNext"))->click();
    }
    window.Unload();
    return figures;
}

// For comparison: a bare precise timer aimed at the same kind of times, with
// nothing to paint. What it misses by, the machine took, not the drawing.
std::vector<double> bareTimerLateness(double periodMs, int events)
{
    std::vector<double> lateness;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    const double start = Measure::WallMilliseconds();
    int next = 1;
    const auto aim = [&] {
        timer.start(static_cast<int>(std::max(0.0, start + next * periodMs - Measure::WallMilliseconds())));
    };
    QObject::connect(&timer, &QTimer::timeout, [&] {
        lateness.push_back(Measure::WallMilliseconds() - start - next * periodMs);
        if (++next > events)
            loop.quit();
        else
            aim();
    });
    aim();
    loop.exec();
    return lateness;
}

std::string worstAndMedian(const std::vector<double>& samples)
{
    if (samples.empty())
        return "-";
    return ReportTable::Fixed(*std::max_element(samples.begin(), samples.end()), 2) + " / "
        + ReportTable::Fixed(Measure::Summarise(samples).median, 2);
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
        const auto [shortest, longest] =
            std::minmax_element(figures.durationError.begin(), figures.durationError.end());
        const std::string what = std::string(which.caption) + " " + which.look + ", " + std::to_string(which.questions)
            + " questions";
        table.Row(what + ": worst lateness (ms)", ReportTable::Fixed(worst, 2),
                  "<= " + ReportTable::Fixed(FrameMs, 0), ReportTable::AtMost(worst, FrameMs));
        table.Row("  median / 95th percentile (ms)",
                  ReportTable::Fixed(spread.median, 2) + " / " + ReportTable::Fixed(spread.p95, 2));
        table.Row("  of which the timer's wake-up, worst / median (ms)", worstAndMedian(figures.waking));
        table.Row("  and the drawing to the paint, worst / median (ms)", worstAndMedian(figures.drawing));
        table.Row("  questions with a number skipped or doubled", std::to_string(figures.wrongQuestions), "0",
                  figures.wrongQuestions == 0 ? "ok" : "MISSED");
        table.Row("  duration minus plan, first to last paint (ms)",
                  ReportTable::Fixed(*shortest, 2) + " to " + ReportTable::Fixed(*longest, 2));
    }
    const std::vector<double> bare = bareTimerLateness(1500 / 14.7, 120);
    table.Row("for comparison, a bare precise timer every 102 ms: worst (ms)",
              ReportTable::Fixed(*std::max_element(bare.begin(), bare.end()), 2));
    const Measure::Spread bareSpread = Measure::Summarise(bare);
    table.Row("  median / 95th percentile (ms)",
              ReportTable::Fixed(bareSpread.median, 2) + " / " + ReportTable::Fixed(bareSpread.p95, 2));
    table.Note("lateness includes up to 1 ms of the schedule's start being taken in whole milliseconds");
    Platform::SetMessages(before);
}

}  // namespace FlashBench
