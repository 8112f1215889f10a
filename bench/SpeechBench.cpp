#include "SpeechBench.h"

#include "Measure.h"
#include "ReportTable.h"

#include "course/SpokenQuestion.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QEventLoop>
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

    bool Play(std::unique_ptr<QIODevice> samples, int sampleRate, std::function<void()>) override
    {
        m_samples = std::move(samples);
        m_periodBytes = sampleRate * SinkPeriodMs / 1000 * 2;
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

private:
    void pull()
    {
        if (!m_samples->read(m_periodBytes).isEmpty() && m_firstMs < 0)
            m_firstMs = Measure::WallMilliseconds();
        if (m_samples->atEnd())
            m_pull.stop();
    }

    QTimer m_pull;
    std::unique_ptr<QIODevice> m_samples;
    qint64 m_periodBytes = 0;
    double m_firstMs = -1;
};

// From the numbers of a question to its first samples at the output, in ms.
double requestToFirstSamples(const std::vector<std::int64_t>& numbers, SpeechPace pace, FirstSamplesOutput& output)
{
    const double start = Measure::WallMilliseconds();
    SpeechVoice& voice = Platform::Voice();
    Platform::Sound().Play(voice.Say(SpokenQuestion(numbers), pace), voice.SampleRate(), {});
    const double first = output.FirstSamplesMs();
    output.Stop();
    return first - start;
}

void firstSamples(ReportTable& table, std::mt19937& random)
{
    table.Section("5b. From the request to the first samples at a test output (pulled every "
                  + std::to_string(SinkPeriodMs) + " ms as QAudioSink does)");
    FirstSamplesOutput output;
    SoundOutput& before = Platform::Sound();
    Platform::SetSound(output);
    const QuestionSize size{10, 3, SpeechPace::Medium, "中"};
    const double cold = requestToFirstSamples(question(size, random), size.pace, output);
    table.Row("first question since the start (espeak-ng loads)", ReportTable::Fixed(cold, 1) + " ms",
              "< " + ReportTable::Fixed(FirstSamplesLimitMs, 0) + " ms", ReportTable::AtMost(cold, FirstSamplesLimitMs));
    for (const QuestionSize& later : {size, QuestionSize{30, 5, SpeechPace::Slow, "慢"}}) {
        std::vector<double> latencies;
        for (int repeat = 0; repeat < Repeats; ++repeat)
            latencies.push_back(requestToFirstSamples(question(later, random), later.pace, output));
        const Measure::Spread spread = Measure::Summarise(latencies);
        table.Row("later, " + describe(later) + ", median / p95",
                  ReportTable::Fixed(spread.median, 1) + " / " + ReportTable::Fixed(spread.p95, 1) + " ms",
                  "< " + ReportTable::Fixed(FirstSamplesLimitMs, 0) + " ms",
                  ReportTable::AtMost(spread.p95, FirstSamplesLimitMs));
    }
    table.Note("with a sound server, opening the stream adds one round trip to it");
    Platform::SetSound(before);
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
    const QuestionSize example{10, 3, SpeechPace::Medium, "中"};
    const std::string text = SpokenQuestion(question(example, random));
    table.Note("one question of " + describe(example) + ", "
               + ReportTable::Fixed(synthesise(text, example.pace).seconds, 1) + " s: " + text);
}

}  // namespace

namespace SpeechBench {

void Run(ReportTable& table)
{
    std::mt19937 random(20);
    // First: the first question since the start includes loading espeak-ng.
    firstSamples(table, random);
    synthesis(table, random);
}

}  // namespace SpeechBench
