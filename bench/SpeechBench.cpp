#include "SpeechBench.h"

#include "Measure.h"
#include "ReportTable.h"

#include "course/SpokenQuestion.h"
#include "mental/frmListen.h"
#include "platform/EspeakVoice.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int Repeats = 20;
constexpr double SynthesisLimitPercent = 10;  // of the spoken length
constexpr double FirstSamplesLimitMs = 300;
// QAudioSink on PulseAudio pulls a period of 20 ms of samples from its source on a timer.
constexpr int SinkPeriodMs = 20;

struct QuestionSize {
    int count;
    int digits;
    SpeechPace pace;
    const char* paceName;
};

// As 听心算 asks them: the first number added, each later one added or taken
// away, the running total never below zero.
std::vector<std::int64_t> question(const QuestionSize& size, std::mt19937& random)
{
    std::int64_t low = 1;
    for (int digit = 1; digit < size.digits; ++digit)
        low *= 10;
    std::uniform_int_distribution<std::int64_t> number(size.digits == 1 ? 1 : low, low * 10 - 1);
    std::vector<std::int64_t> numbers;
    std::int64_t total = 0;
    for (int i = 0; i < size.count; ++i) {
        const std::int64_t next = number(random);
        numbers.push_back(i > 0 && next <= total && random() % 2 == 0 ? -next : next);
        total += numbers.back();
    }
    return numbers;
}

std::string describe(const QuestionSize& size)
{
    return std::to_string(size.count) + " numbers of " + std::to_string(size.digits) + " digits at " + size.paceName;
}

// Stands where the sound device would be: reads a period of samples on each
// tick of a timer, as QAudioSink does, and notes when the first ones came.
class FirstSamplesOutput final : public SoundOutput {
public:
    FirstSamplesOutput()
    {
        m_pull.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_pull, &QTimer::timeout, [this] { pull(); });
    }

    bool Available() override { return true; }

    bool Play(std::unique_ptr<QIODevice> samples, int sampleRate, std::function<void()> heard) override
    {
        m_samples = std::move(samples);
        m_heard = std::move(heard);
        m_sampleRate = sampleRate;
        m_periodBytes = sampleRate * SinkPeriodMs / 1000 * 2;
        m_bytes = 0;
        m_firstMs = -1;
        m_pull.start(SinkPeriodMs);
        return true;
    }

    void Stop() override
    {
        m_pull.stop();
        m_samples.reset();
    }

    // The wall time the first samples were read, waiting for them.
    double FirstSamplesMs()
    {
        while (m_firstMs < 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return m_firstMs;
    }

    // The length of the sound playing, read to its end at once.
    double Seconds()
    {
        m_bytes += m_samples->readAll().size();
        return static_cast<double>(m_bytes) / 2 / m_sampleRate;
    }

private:
    void pull()
    {
        const qint64 read = m_samples->read(m_periodBytes).size();
        if (read > 0 && m_firstMs < 0)
            m_firstMs = Measure::WallMilliseconds();
        m_bytes += read;
        if (m_samples->atEnd()) {
            m_pull.stop();
            m_heard();
        }
    }

    QTimer m_pull;
    std::unique_ptr<QIODevice> m_samples;
    std::function<void()> m_heard;
    int m_sampleRate = 1;
    qint64 m_periodBytes = 0;
    qint64 m_bytes = 0;
    double m_firstMs = -1;
};

// espeak-ng's voice, started only when first asked to speak, noting what it was last given.
class NotingVoice final : public SpeechVoice {
public:
    std::unique_ptr<QIODevice> Say(const std::string& text, SpeechPace pace) override
    {
        said = text;
        return EspeakVoice::Instance().Say(text, pace);
    }
    int SampleRate() const override { return EspeakVoice::Instance().SampleRate(); }

    std::string said;
};

// 听心算 open in a workspace, with a test output in place of the sound device.
class ListenWindow {
public:
    ListenWindow()
        : m_soundBefore(Platform::Sound())
    {
        Platform::SetVoice(voice);
        Platform::SetSound(output);
        m_area.resize(1280, 720);
        m_area.show();
        m_window.Show(m_area);
    }

    ~ListenWindow()
    {
        m_window.Unload();
        Platform::SetSound(m_soundBefore);
        Platform::SetVoice(EspeakVoice::Instance());
    }

    void Choose(const QuestionSize& size)
    {
        QWidget& canvas = *m_window.Canvas();
        canvas.findChild<QLineEdit*>(QStringLiteral("txtDig"))->setText(QString::number(size.digits));
        canvas.findChild<QLineEdit*>(QStringLiteral("txtCount"))->setText(QString::number(size.count));
        canvas.findChild<QComboBox*>(QStringLiteral("comMix"))->setCurrentIndex(1);
        canvas.findChild<QComboBox*>(QStringLiteral("comPace"))->setCurrentText(QString::fromUtf8(size.paceName));
    }

    // From the click on 开始 to the first samples at the output, in ms; the set then goes on.
    double StartToFirstSamples()
    {
        const double start = Measure::WallMilliseconds();
        m_window.Canvas()->findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
        return output.FirstSamplesMs() - start;
    }

    // Esc, as the child would press it.
    void StopSet()
    {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.Canvas(), &escape);
    }

    NotingVoice voice;
    FirstSamplesOutput output;

private:
    SoundOutput& m_soundBefore;
    QMdiArea m_area;
    frmListen m_window;
};

void firstSamples(ReportTable& table)
{
    table.Section("5b. From 开始 in 听心算 to the first samples at a test output (pulled every "
                  + std::to_string(SinkPeriodMs) + " ms as QAudioSink does)");
    ListenWindow listen;
    const QuestionSize size{10, 3, SpeechPace::Medium, "中"};
    listen.Choose(size);
    const double cold = listen.StartToFirstSamples();
    table.Row("first question since the start (espeak-ng loads)", ReportTable::Fixed(cold, 1) + " ms",
              "< " + ReportTable::Fixed(FirstSamplesLimitMs, 0) + " ms", ReportTable::AtMost(cold, FirstSamplesLimitMs));
    const std::string text = listen.voice.said;
    const double seconds = listen.output.Seconds();
    listen.StopSet();
    for (const QuestionSize& later : {size, QuestionSize{30, 5, SpeechPace::Slow, "慢"}}) {
        listen.Choose(later);
        std::vector<double> latencies;
        for (int repeat = 0; repeat < Repeats; ++repeat) {
            latencies.push_back(listen.StartToFirstSamples());
            listen.StopSet();
        }
        const Measure::Spread spread = Measure::Summarise(latencies);
        table.Row("later, " + describe(later) + ", median / p95",
                  ReportTable::Fixed(spread.median, 1) + " / " + ReportTable::Fixed(spread.p95, 1) + " ms",
                  "< " + ReportTable::Fixed(FirstSamplesLimitMs, 0) + " ms",
                  ReportTable::AtMost(spread.p95, FirstSamplesLimitMs));
    }
    table.Note("with a sound server, opening the stream adds one round trip to it");
    table.Note("the first question, " + ReportTable::Fixed(seconds, 1) + " s of audio: " + text);
}

struct Synthesis {
    double seconds;     // spoken length
    double totalMs;     // the whole question
    double longestMs;   // the longest single call, what the UI thread waits at most
};

// Say, then every sample read in periods as an output reads them.
Synthesis synthesise(const std::string& text, SpeechPace pace)
{
    SpeechVoice& voice = Platform::Voice();
    const qint64 periodBytes = voice.SampleRate() * SinkPeriodMs / 1000 * 2;
    double start = Measure::WallMilliseconds();
    const auto samples = voice.Say(text, pace);
    double now = Measure::WallMilliseconds();
    Synthesis made{0, now - start, now - start};
    qint64 bytes = 0;
    while (!samples->atEnd()) {
        start = now;
        bytes += samples->read(periodBytes).size();
        now = Measure::WallMilliseconds();
        made.totalMs += now - start;
        made.longestMs = std::max(made.longestMs, now - start);
    }
    made.seconds = static_cast<double>(bytes) / 2 / voice.SampleRate();
    return made;
}

void synthesis(ReportTable& table, std::mt19937& random)
{
    table.Section("5a. Synthesising a question against its spoken length, " + std::to_string(Repeats)
                  + " questions each, read in " + std::to_string(SinkPeriodMs) + " ms periods (UI thread)");
    const QuestionSize sizes[] = {{10, 3, SpeechPace::Slow, "慢"},
                                  {10, 3, SpeechPace::Medium, "中"},
                                  {10, 3, SpeechPace::Fast, "快"},
                                  {30, 5, SpeechPace::Slow, "慢"}};
    for (const QuestionSize& size : sizes) {
        std::vector<double> shares;
        std::vector<double> longest;
        double totalMs = 0;
        double seconds = 0;
        for (int repeat = 0; repeat < Repeats; ++repeat) {
            const Synthesis made = synthesise(SpokenQuestion(question(size, random)), size.pace);
            shares.push_back(100 * made.totalMs / 1000 / made.seconds);
            longest.push_back(made.longestMs);
            totalMs += made.totalMs;
            seconds += made.seconds;
        }
        const double share = Measure::Summarise(shares).p95;
        table.Row(describe(size) + ", p95 share", ReportTable::Fixed(share, 2) + " % of its length",
                  "< " + ReportTable::Fixed(SynthesisLimitPercent, 0) + " %",
                  ReportTable::AtMost(share, SynthesisLimitPercent));
        table.Row("  mean synthesis / mean spoken length",
                  ReportTable::Fixed(totalMs / Repeats, 1) + " ms / " + ReportTable::Fixed(seconds / Repeats, 1) + " s");
        table.Row("  longest single call, median / p95", ReportTable::Fixed(Measure::Summarise(longest).median, 1) + " / "
                  + ReportTable::Fixed(Measure::Summarise(longest).p95, 1) + " ms");
    }
}

}  // namespace

namespace SpeechBench {

void Run(ReportTable& table)
{
    std::mt19937 random(20);
    // First: the first question since the start includes loading espeak-ng.
    firstSamples(table);
    synthesis(table, random);
}

}  // namespace SpeechBench
