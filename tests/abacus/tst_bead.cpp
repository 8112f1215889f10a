#include "RecordingSurface.h"
#include "TestEnvironment.h"
#include "abacus/ProgramWide.h"
#include "abacus/cBead.h"

#include <QTest>

#include <cstdint>
#include <string>
#include <vector>

using Kind = RecordingSurface::Kind;

namespace {

// Colour values written out, not taken from the program's own constants.
constexpr std::int32_t RestColour = 12640511;   // RGB (255, 224, 192)
constexpr std::int32_t CountColour = 16776960;  // RGB (0, 255, 255)
constexpr std::int32_t Blue = 0xFF0000;
constexpr std::int32_t Green = 0x00FF00;
constexpr std::int32_t Yellow = 0x00FFFF;
constexpr std::int32_t Magenta = 0xFF00FF;

struct Segment {
    float x1, y1, x2, y2;
};

Segment segmentOf(const RecordingSurface::Call& call)
{
    return {static_cast<float>(call.a), static_cast<float>(call.b), static_cast<float>(call.c),
            static_cast<float>(call.d)};
}

// The 86 fill lines as double arithmetic gives them, the counter growing by
// repeated addition, each end point then narrowed to a float.
std::vector<Segment> expectedFill(float x, float yc)
{
    std::vector<Segment> lines;
    for (double i = 0; i <= 8.5; i += 0.1) {
        const double t = i * 0.577350269;
        lines.push_back({static_cast<float>(x - 8.5 + i), static_cast<float>(yc - t), static_cast<float>(x + i),
                         static_cast<float>(yc + 4.8 - t)});
    }
    return lines;
}

// Lets a test see whether the generator was reseeded before each draw.
class LoggingRandom final : public RandomSource {
public:
    void Randomize() override { log += 'R'; }
    float Rnd() override
    {
        log += 'D';
        return 0;
    }

    std::string log;
};

}  // namespace

class TestBead : public QObject {
    Q_OBJECT

private slots:
    void newBeadHoldsZeros();
    void initPlacesTheBeadWithoutDrawing();
    void drawSetsLineWidthThenDrawsNinetyLines();
    void outline_data();
    void outline();
    void fill_data();
    void fill();
    void fillSweepsTowardTheLowerRightEdge();
    void colour_data();
    void colour();
    void colourFollowsTheProgramWideValues();
    void palette_data();
    void palette();
    void paletteReseedsBeforeEveryBead();
    void noRandomNumbersWithoutColorfulBeads();
    void paletteWinsOverTheMovingColour();
    void drawChangesNoState();
    void setValueMovesTheBead_data();
    void setValueMovesTheBead();
    void hitBand_data();
    void hitBand();
    void hitBandStaysAtTheUnmovedHeight();
};

void TestBead::newBeadHoldsZeros()
{
    const cBead bead;
    QCOMPARE(bead.X(), 0.0f);
    QCOMPARE(bead.Y(), 0.0f);
    QCOMPARE(bead.iColor(), 0.0);
    QCOMPARE(bead.Value(), std::int16_t(0));
}

void TestBead::initPlacesTheBeadWithoutDrawing()
{
    RecordingSurface surface;
    cBead bead;
    bead.setValue(5);
    bead.setMovingScale(1);
    bead.Init(&surface, 60, 95);
    QCOMPARE(bead.X(), 60.0f);
    QCOMPARE(bead.Y(), 95.0f);
    QCOMPARE(bead.Value(), std::int16_t(0));
    QVERIFY(surface.calls.empty());

    // Init cleared the move: the bead is drawn where it stands.
    TestEnvironment env;
    bead.Draw(10);
    QCOMPARE(surface.calls.at(1).b, 95.0);
    QCOMPARE(surface.calls.at(1).value, RestColour);
}

void TestBead::drawSetsLineWidthThenDrawsNinetyLines()
{
    TestEnvironment env;
    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, 30, 45);
    bead.Draw();

    QCOMPARE(surface.calls.size(), std::size_t(91));
    QCOMPARE(surface.calls.front().kind, Kind::LineWidth);
    QCOMPARE(surface.calls.front().value, 2);
    QCOMPARE(surface.count(Kind::Line), 90);
}

void TestBead::outline_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("restY");
    QTest::addColumn<int>("movingScale");
    QTest::addColumn<float>("dDy");
    QTest::addColumn<float>("yc");

    QTest::addRow("at rest") << 30.0f << 45.0f << 0 << 0.0f << 45.0f;
    QTest::addRow("offset ignored when still") << 150.0f << 95.0f << 0 << 13.0f << 95.0f;
    QTest::addRow("moving up, frame 7") << 60.0f << 15.0f << 1 << 7.0f << 22.0f;
    QTest::addRow("moving down, frame 20") << 90.0f << 95.0f << -1 << 20.0f << 75.0f;
    QTest::addRow("moving, default offset") << 30.0f << 45.0f << 1 << 0.0f << 45.0f;
    QTest::addRow("moving down, offset -1") << 30.0f << 35.0f << -1 << -1.0f << 36.0f;
    QTest::addRow("fractional centre") << 30.3f << 44.7f << 1 << 0.5f << 45.2f;
}

void TestBead::outline()
{
    QFETCH(float, x);
    QFETCH(float, restY);
    QFETCH(int, movingScale);
    QFETCH(float, dDy);
    QFETCH(float, yc);

    TestEnvironment env;
    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, x, restY);
    bead.setMovingScale(static_cast<std::int16_t>(movingScale));
    bead.Draw(dDy);

    const double X = x;
    const double Yc = yc;
    const float top = static_cast<float>(Yc + 4.8);
    const float bottom = static_cast<float>(Yc - 4.8);
    const float left = static_cast<float>(X - 8.5);
    const float right = static_cast<float>(X + 8.5);
    const Segment expected[4] = {
        {left, yc, x, top}, {left, yc, x, bottom}, {right, yc, x, top}, {right, yc, x, bottom}};
    const std::vector<RecordingSurface::Call> lines = surface.only(Kind::Line);
    for (int i = 0; i < 4; ++i) {
        const Segment actual = segmentOf(lines.at(i));
        QCOMPARE(actual.x1, expected[i].x1);
        QCOMPARE(actual.y1, expected[i].y1);
        QCOMPARE(actual.x2, expected[i].x2);
        QCOMPARE(actual.y2, expected[i].y2);
    }
}

void TestBead::fill_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("restY");
    QTest::addColumn<int>("value");

    QTest::addRow("lower at rest") << 30.0f << 45.0f << 0;
    QTest::addRow("lower at the beam") << 120.0f << 15.0f << 1;
    QTest::addRow("upper at the beam") << 630.0f << 95.0f << 5;
}

void TestBead::fill()
{
    QFETCH(float, x);
    QFETCH(float, restY);
    QFETCH(int, value);

    TestEnvironment env;
    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, x, restY);
    bead.setValue(static_cast<std::int16_t>(value));
    bead.Draw();

    const std::vector<Segment> expected = expectedFill(x, bead.Y());
    QCOMPARE(expected.size(), std::size_t(86));
    const std::vector<RecordingSurface::Call> lines = surface.only(Kind::Line);
    QCOMPARE(lines.size(), std::size_t(4 + 86));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Segment actual = segmentOf(lines.at(4 + i));
        QVERIFY2(actual.x1 == expected[i].x1 && actual.y1 == expected[i].y1 && actual.x2 == expected[i].x2
                     && actual.y2 == expected[i].y2,
                 qPrintable(QStringLiteral("fill line %1").arg(i)));
    }
}

void TestBead::fillSweepsTowardTheLowerRightEdge()
{
    TestEnvironment env;
    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, 30, 45);
    bead.Draw();

    const std::vector<RecordingSurface::Call> lines = surface.only(Kind::Line);
    const Segment upperLeftEdge = segmentOf(lines.at(0));
    const Segment firstFill = segmentOf(lines.at(4));
    QCOMPARE(firstFill.x1, upperLeftEdge.x1);
    QCOMPARE(firstFill.y1, upperLeftEdge.y1);
    QCOMPARE(firstFill.x2, upperLeftEdge.x2);
    QCOMPARE(firstFill.y2, upperLeftEdge.y2);

    // The shift factor is not the edge slope: the last line runs about 0.1 below the edge.
    const Segment lastFill = segmentOf(lines.back());
    QVERIFY(qAbs(lastFill.x1 - 30.0f) < 1e-4f);
    QVERIFY(qAbs(lastFill.y1 - (45.0f - 4.9075f)) < 1e-3f);
    QVERIFY(qAbs(lastFill.x2 - 38.5f) < 1e-4f);
    QVERIFY(qAbs(lastFill.y2 - (45.0f - 0.1075f)) < 1e-3f);
}

void TestBead::colour_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("movingScale");
    QTest::addColumn<double>("iColor2");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<double>("kept");

    QTest::addRow("rest") << 0 << 0 << -1.0 << RestColour << double(RestColour);
    QTest::addRow("lower at the beam") << 1 << 0 << -1.0 << CountColour << double(CountColour);
    QTest::addRow("upper at the beam") << 5 << 0 << -1.0 << CountColour << double(CountColour);
    QTest::addRow("odd value counts as rest") << 3 << 0 << -1.0 << RestColour << double(RestColour);
    QTest::addRow("given colour") << 0 << 0 << 255.0 << 255 << 255.0;
    QTest::addRow("given colour over the beam colour") << 1 << 0 << 65280.0 << 65280 << 65280.0;
    QTest::addRow("given black") << 1 << 0 << 0.0 << 0 << 0.0;
    QTest::addRow("half rounds down to even") << 0 << 0 << 254.5 << 254 << 254.5;
    QTest::addRow("half rounds up to even") << 0 << 0 << 255.5 << 256 << 255.5;
    QTest::addRow("nearest") << 0 << 0 << 100.6 << 101 << 100.6;
    QTest::addRow("moving up") << 0 << 1 << -1.0 << Blue << double(Blue);
    QTest::addRow("moving down") << 1 << -1 << -1.0 << Blue << double(Blue);
    QTest::addRow("moving beats a given colour") << 0 << 1 << 255.0 << Blue << double(Blue);
}

void TestBead::colour()
{
    QFETCH(int, value);
    QFETCH(int, movingScale);
    QFETCH(double, iColor2);
    QFETCH(int, drawn);
    QFETCH(double, kept);

    TestEnvironment env;
    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, 30, 45);
    bead.setValue(static_cast<std::int16_t>(value));
    bead.setMovingScale(static_cast<std::int16_t>(movingScale));
    bead.Draw(0, iColor2);

    QCOMPARE(surface.count(Kind::Line), 90);
    for (const RecordingSurface::Call& line : surface.only(Kind::Line))
        QCOMPARE(line.value, drawn);
    QCOMPARE(bead.iColor(), kept);
}

void TestBead::colourFollowsTheProgramWideValues()
{
    TestEnvironment env;
    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, 30, 45);

    ProgramWide::RestColor = 0x102030;
    bead.Draw();
    QCOMPARE(surface.calls.back().value, 0x102030);

    ProgramWide::CountColor = 0x405060;
    bead.setValue(1);
    bead.Draw();
    QCOMPARE(surface.calls.back().value, 0x405060);
    QCOMPARE(bead.iColor(), double(0x405060));
}

void TestBead::palette_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("drawn");

    QTest::addRow("0 -> k 1") << 0.0f << Green;
    QTest::addRow("0.1 -> k 1.4") << 0.1f << Green;
    QTest::addRow("0.12 -> k 1.48") << 0.12f << Green;
    QTest::addRow("0.125 -> k 1.5 even 2") << 0.125f << Blue;
    QTest::addRow("0.2 -> k 1.8") << 0.2f << Blue;
    QTest::addRow("0.375 -> k 2.5 even 2") << 0.375f << Blue;
    QTest::addRow("0.38 -> k 2.52") << 0.38f << Yellow;
    QTest::addRow("0.5 -> k 3") << 0.5f << Yellow;
    QTest::addRow("0.6 -> k 3.4") << 0.6f << Yellow;
    QTest::addRow("0.625 -> k 3.5 even 4") << 0.625f << Magenta;
    QTest::addRow("0.75 -> k 4") << 0.75f << Magenta;
    QTest::addRow("0.875 -> k 4.5 even 4") << 0.875f << Magenta;
    QTest::addRow("0.88 -> k 4.52") << 0.88f << Blue;
    QTest::addRow("0.99 -> k 4.96") << 0.99f << Blue;
}

void TestBead::palette()
{
    QFETCH(float, r);
    QFETCH(int, drawn);

    TestEnvironment env;
    ProgramWide::ColorfulBeads = true;
    env.random.queue({r});
    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, 30, 45);
    bead.setValue(1);
    bead.Draw(0, 255);

    QCOMPARE(surface.count(Kind::Line), 90);
    for (const RecordingSurface::Call& line : surface.only(Kind::Line))
        QCOMPARE(line.value, drawn);
    QCOMPARE(bead.iColor(), static_cast<double>(drawn));
}

void TestBead::paletteReseedsBeforeEveryBead()
{
    TestEnvironment env;
    LoggingRandom random;
    ProgramWide::SetBeadColours(random);
    ProgramWide::ColorfulBeads = true;
    RecordingSurface surface;
    cBead beads[3];
    for (int i = 0; i < 3; ++i) {
        beads[i].Init(&surface, 30, 15.0f + 10.0f * static_cast<float>(i));
        beads[i].Draw();
    }
    QCOMPARE(random.log, std::string("RDRDRD"));
}

void TestBead::noRandomNumbersWithoutColorfulBeads()
{
    TestEnvironment env;
    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, 30, 45);
    bead.Draw();
    bead.Draw(0, 255);
    QCOMPARE(env.random.reseeds, 0);
    QCOMPARE(env.random.draws, 0);
}

void TestBead::paletteWinsOverTheMovingColour()
{
    TestEnvironment env;
    ProgramWide::ColorfulBeads = true;
    env.random.queue({0.0f});
    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, 30, 45);
    bead.setMovingScale(1);
    bead.Draw(5);

    QCOMPARE(surface.calls.back().value, Green);
    // Still drawn at its moved height.
    QCOMPARE(surface.calls.at(1).b, 50.0);
}

void TestBead::drawChangesNoState()
{
    TestEnvironment env;
    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, 30, 45);
    bead.setValue(1);
    bead.setMovingScale(-1);
    bead.Draw(12);
    bead.Draw(3);

    QCOMPARE(bead.Y(), 65.0f);
    QCOMPARE(bead.Value(), std::int16_t(1));
    // The second frame is drawn from Y, not from where the first one left it.
    QCOMPARE(surface.only(Kind::Line).at(90).b, 62.0);
}

void TestBead::setValueMovesTheBead_data()
{
    QTest::addColumn<float>("restY");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("value");
    QTest::addColumn<float>("y");

    QTest::addRow("lower to the beam") << 45.0f << 0 << 1 << 65.0f;
    QTest::addRow("lowest to the beam") << 15.0f << 0 << 1 << 35.0f;
    QTest::addRow("lower back to rest") << 45.0f << 1 << 0 << 45.0f;
    QTest::addRow("upper to the beam") << 95.0f << 0 << 5 << 75.0f;
    QTest::addRow("upper back to rest") << 95.0f << 5 << 0 << 95.0f;
    QTest::addRow("lower again at the beam") << 25.0f << 1 << 1 << 45.0f;
    QTest::addRow("odd value stays at rest") << 45.0f << 1 << 3 << 45.0f;
    QTest::addRow("negative stays at rest") << 95.0f << 5 << -1 << 95.0f;
}

void TestBead::setValueMovesTheBead()
{
    QFETCH(float, restY);
    QFETCH(int, before);
    QFETCH(int, value);
    QFETCH(float, y);

    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, 30, restY);
    bead.setValue(static_cast<std::int16_t>(before));
    bead.setValue(static_cast<std::int16_t>(value));
    QCOMPARE(bead.Y(), y);
    QCOMPARE(bead.Value(), static_cast<std::int16_t>(value));
    QVERIFY(surface.calls.empty());
}

void TestBead::hitBand_data()
{
    QTest::addColumn<float>("restY");
    QTest::addColumn<int>("value");
    QTest::addColumn<float>("y2");
    QTest::addColumn<bool>("hit");

    QTest::addRow("beam: centre") << 45.0f << 1 << 65.0f << true;
    QTest::addRow("beam: lowest edge") << 45.0f << 1 << 60.1f << true;
    QTest::addRow("beam: highest edge") << 45.0f << 1 << 69.9f << true;
    QTest::addRow("beam: the beam itself") << 45.0f << 1 << 70.0f << false;
    QTest::addRow("beam: just below") << 45.0f << 1 << 60.0f << false;
    QTest::addRow("rest: lowest edge") << 45.0f << 0 << 40.1f << true;
    QTest::addRow("rest: highest edge") << 45.0f << 0 << 49.9f << true;
    QTest::addRow("rest: below") << 45.0f << 0 << 40.0f << false;
    QTest::addRow("rest: above") << 45.0f << 0 << 50.0f << false;
    QTest::addRow("lowest bead: lowest edge") << 15.0f << 0 << 10.1f << true;
    QTest::addRow("lowest bead: below") << 15.0f << 0 << 10.0f << false;
    QTest::addRow("upper at the beam: lowest edge") << 95.0f << 5 << 70.1f << true;
    QTest::addRow("upper at the beam: highest edge") << 95.0f << 5 << 79.9f << true;
    QTest::addRow("upper at the beam: above") << 95.0f << 5 << 80.0f << false;
    QTest::addRow("upper at rest: lowest edge") << 95.0f << 0 << 90.1f << true;
    QTest::addRow("upper at rest: below") << 95.0f << 0 << 90.0f << false;
    QTest::addRow("upper at rest: highest edge") << 95.0f << 0 << 99.9f << true;
    QTest::addRow("upper at rest: above") << 95.0f << 0 << 100.0f << false;
}

void TestBead::hitBand()
{
    QFETCH(float, restY);
    QFETCH(int, value);
    QFETCH(float, y2);
    QFETCH(bool, hit);

    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, 30, restY);
    bead.setValue(static_cast<std::int16_t>(value));
    QCOMPARE(bead.IsSelect(y2), hit);
}

void TestBead::hitBandStaysAtTheUnmovedHeight()
{
    TestEnvironment env;
    RecordingSurface surface;
    cBead bead;
    bead.Init(&surface, 30, 45);
    bead.setMovingScale(1);
    bead.Draw(10);
    QVERIFY(bead.IsSelect(45));
    QVERIFY(!bead.IsSelect(55));
}

QTEST_APPLESS_MAIN(TestBead)
#include "tst_bead.moc"
