#include "RecordingSurface.h"
#include "TestEnvironment.h"
#include "abacus/ProgramWide.h"
#include "abacus/cAbacus.h"
#include "platform/ClockSeededRandom.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <set>
#include <vector>

namespace {

constexpr int Bins = 10;

std::vector<float> draws(RandomSource& random, int count)
{
    std::vector<float> values;
    for (int i = 0; i < count; ++i)
        values.push_back(random.Rnd());
    return values;
}

int differences(const std::vector<float>& a, const std::vector<float>& b)
{
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        count += a[i] != b[i];
    return count;
}

// Pearson's statistic against equal bins. With 9 degrees of freedom a fair
// source exceeds 40 about once in 200,000 seeds; the seeds here are fixed.
double chiSquare(const std::vector<float>& values)
{
    std::array<int, Bins> counts{};
    for (float v : values)
        ++counts[static_cast<std::size_t>(v * Bins)];
    const double expected = static_cast<double>(values.size()) / Bins;
    double sum = 0;
    for (int n : counts)
        sum += (n - expected) * (n - expected) / expected;
    return sum;
}

}  // namespace

class TestRandom : public QObject {
    Q_OBJECT

private slots:
    void valuesLieInTheUnitInterval_data();
    void valuesLieInTheUnitInterval();
    void sameMillisecondNewSequence_data();
    void sameMillisecondNewSequence();
    void neighbouringMillisecondsDiffer_data();
    void neighbouringMillisecondsDiffer();
    void sequenceIsRoughlyUniform_data();
    void sequenceIsRoughlyUniform();
    void firstValuesAfterReseedsAreRoughlyUniform();
    void beadsDrawnInOneMillisecondShareAColour();
};

void TestRandom::valuesLieInTheUnitInterval_data()
{
    QTest::addColumn<qint64>("milliseconds");
    QTest::addRow("0") << qint64(0);
    QTest::addRow("1000") << qint64(1000);
    QTest::addRow("a day") << qint64(86'400'000);
    QTest::addRow("negative") << qint64(-5);
}

void TestRandom::valuesLieInTheUnitInterval()
{
    QFETCH(qint64, milliseconds);

    FakeClock clock;
    clock.milliTicks = milliseconds;
    ClockSeededRandom random(clock);
    random.Randomize();
    for (float v : draws(random, 20000)) {
        QVERIFY2(v >= 0.0f && v < 1.0f, qPrintable(QString::number(v, 'g', 9)));
        // 24 bits: exactly a multiple of 2^-24.
        const float scaled = v * 16777216.0f;
        QCOMPARE(scaled, std::floor(scaled));
    }
}

void TestRandom::sameMillisecondNewSequence_data()
{
    QTest::addColumn<qint64>("milliseconds");
    QTest::addRow("0") << qint64(0);
    QTest::addRow("1000") << qint64(1000);
    QTest::addRow("large") << qint64(123'456'789'012);
}

void TestRandom::sameMillisecondNewSequence()
{
    QFETCH(qint64, milliseconds);

    FakeClock clock;
    clock.milliTicks = milliseconds;
    ClockSeededRandom random(clock);
    random.Randomize();
    const std::vector<float> first = draws(random, 10);
    random.Randomize();
    QCOMPARE(differences(first, draws(random, 10)), 10);

    // Construction seeds from the clock: the same millisecond, the same start.
    ClockSeededRandom twin(clock), other(clock);
    const std::vector<float> start = draws(twin, 10);
    QCOMPARE(draws(other, 10), start);
    clock.milliTicks += 1;
    ClockSeededRandom later(clock);
    QCOMPARE(differences(draws(later, 10), start), 10);
}

void TestRandom::neighbouringMillisecondsDiffer_data()
{
    QTest::addColumn<qint64>("milliseconds");
    QTest::addRow("0 and 1") << qint64(0);
    QTest::addRow("1000 and 1001") << qint64(1000);
    QTest::addRow("a day and a millisecond") << qint64(86'400'000);
}

void TestRandom::neighbouringMillisecondsDiffer()
{
    QFETCH(qint64, milliseconds);

    FakeClock clock;
    clock.milliTicks = milliseconds;
    ClockSeededRandom random(clock);
    random.Randomize();
    const std::vector<float> before = draws(random, 5);
    clock.milliTicks += 1;
    random.Randomize();
    QCOMPARE(differences(before, draws(random, 5)), 5);
}

void TestRandom::sequenceIsRoughlyUniform_data()
{
    QTest::addColumn<qint64>("milliseconds");
    QTest::addRow("42") << qint64(42);
    QTest::addRow("1000") << qint64(1000);
    QTest::addRow("a day") << qint64(86'400'000);
}

void TestRandom::sequenceIsRoughlyUniform()
{
    QFETCH(qint64, milliseconds);

    FakeClock clock;
    clock.milliTicks = milliseconds;
    ClockSeededRandom random(clock);
    random.Randomize();
    const std::vector<float> values = draws(random, 20000);
    const double statistic = chiSquare(values);
    QVERIFY2(statistic < 40, qPrintable(QString::number(statistic)));
    double sum = 0;
    for (float v : values)
        sum += v;
    const double mean = sum / static_cast<double>(values.size());
    QVERIFY2(qAbs(mean - 0.5) < 0.01, qPrintable(QString::number(mean)));
}

void TestRandom::firstValuesAfterReseedsAreRoughlyUniform()
{
    // The beads reseed before every pick, so the first value after each
    // millisecond's seed is what the palette sees.
    FakeClock clock;
    ClockSeededRandom random(clock, ClockSeededRandom::Reseed::Replace);
    std::vector<float> firsts;
    for (std::int64_t ms = 0; ms < 20000; ++ms) {
        clock.milliTicks = 1'000'000 + ms;
        random.Randomize();
        firsts.push_back(random.Rnd());
    }
    const double statistic = chiSquare(firsts);
    QVERIFY2(statistic < 40, qPrintable(QString::number(statistic)));
}

void TestRandom::beadsDrawnInOneMillisecondShareAColour()
{
    TestEnvironment env;
    ClockSeededRandom colours(env.clock, ClockSeededRandom::Reseed::Replace);
    ProgramWide::SetBeadColours(colours);
    ProgramWide::ColorfulBeads = true;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface, 5);
    std::set<std::int32_t> everyFrame;
    for (int frame = 0; frame < 20; ++frame) {
        env.clock.milliTicks += 500;
        surface.reset();
        abacus.Draw(12345 + frame);
        // The beads are drawn after the frame's rectangle.
        const auto frameDrawn = std::find_if(surface.calls.begin(), surface.calls.end(),
                                             [](const auto& call) { return call.kind == RecordingSurface::Kind::Rectangle; });
        std::set<std::int32_t> beads;
        for (auto call = frameDrawn; call != surface.calls.end(); ++call) {
            if (call->kind == RecordingSurface::Kind::Line)
                beads.insert(call->value);
        }
        QCOMPARE(beads.size(), std::size_t(1));
        everyFrame.insert(*beads.begin());
    }
    QVERIFY(everyFrame.size() > 1);
}

QTEST_APPLESS_MAIN(TestRandom)
#include "tst_random.moc"
