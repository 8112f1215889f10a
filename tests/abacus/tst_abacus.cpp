#include "DrawnBoard.h"
#include "RecordingSurface.h"
#include "TestEnvironment.h"
#include "abacus/ProgramWide.h"
#include "abacus/cAbacus.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <vector>

// Rods point back at their abacus and its surface: copies would draw through the original.
static_assert(!std::is_copy_constructible_v<cAbacus> && !std::is_copy_assignable_v<cAbacus>);
static_assert(!std::is_move_constructible_v<cAbacus> && !std::is_move_assignable_v<cAbacus>);

using Kind = RecordingSurface::Kind;
using Call = RecordingSurface::Call;

namespace {

constexpr std::int32_t Green = 0x00FF00;
constexpr std::int32_t Red = 0x0000FF;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

bool identical(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool sameCall(const Call& actual, const Call& expected)
{
    return actual.kind == expected.kind && actual.a == expected.a && actual.b == expected.b && actual.c == expected.c
        && actual.d == expected.d && actual.value == expected.value;
}

// The frame as a board of lastCol + 1 rods draws it: rods, beam, outline.
std::vector<Call> expectedFrame(int lastCol)
{
    const double right = 30.0 * lastCol + 50;
    std::vector<Call> calls = {{Kind::Clear}, {Kind::LineWidth, 0, 0, 0, 0, 3}};
    for (int i = 0; i <= lastCol; ++i) {
        const double x = 30.0 * (i + 1);
        calls.push_back({Kind::Line, x, 9.5, x, 100.5, Green});
    }
    calls.push_back({Kind::Line, 10, 70, right, 70, Red});
    calls.push_back({Kind::LineWidth, 0, 0, 0, 0, 5});
    calls.push_back({Kind::Rectangle, 10, 9.5, right, 100.5, Red});
    calls.push_back({Kind::LineWidth, 0, 0, 0, 0, 2});
    return calls;
}

}  // namespace

class TestAbacus : public QObject {
    Q_OBJECT

private slots:
    void cols_data();
    void cols();
    void initDefaultsToFiveRods();
    void rodsStandThirtyApart();
    void newRodCountDiscardsTheNumber();
    void drawKuang_data();
    void drawKuang();
    void drawPaintsTheWholeBoard();
    void drawLineCount_data();
    void drawLineCount();
    void drawKeepsOrReplacesTheNumber();
    void clsShowsZero();
    void valueWrite_data();
    void valueWrite();
    void valueWriteDoesNotDraw();
    void inRange_data();
    void inRange();
    void outOfRangeChangesNothing_data();
    void outOfRangeChangesNothing();
    void hover_data();
    void hover();
    void clickChangesTheHoveredRod();
    void mouseUpWithoutHoverOnlyRedraws();
    void failedHoverForgetsEveryMark();
    void clickUsesTheReleaseHeight();
    void clickGoesToTheLastHoveredRodOnly();
    void colourfulBoardReseedsPerBead();
};

void TestAbacus::cols_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("rods");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("right");

    QTest::addRow("1") << 1 << 1 << 121.0 << 70.0;
    QTest::addRow("5") << 5 << 5 << 121.0 << 190.0;
    QTest::addRow("7") << 7 << 7 << 121.0 << 250.0;
    QTest::addRow("8") << 8 << 8 << 128.0 << 280.0;
    QTest::addRow("10") << 10 << 10 << 164.0 << 340.0;
    QTest::addRow("12") << 12 << 12 << 200.0 << 400.0;
    QTest::addRow("13") << 13 << 13 << 182.0 << 430.0;
    QTest::addRow("21") << 21 << 21 << 302.0 << 670.0;
    QTest::addRow("25") << 25 << 21 << 302.0 << 670.0;
    QTest::addRow("0") << 0 << 1 << 121.0 << 70.0;
    QTest::addRow("-4") << -4 << 1 << 121.0 << 70.0;
}

void TestAbacus::cols()
{
    QFETCH(int, asked);
    QFETCH(int, rods);
    QFETCH(double, top);
    QFETCH(double, right);

    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface, static_cast<std::int16_t>(asked));

    QCOMPARE(abacus.Cols(), static_cast<std::int16_t>(rods));
    QCOMPARE(surface.calls.size(), std::size_t(2));
    QVERIFY(sameCall(surface.calls[0], {Kind::BackColor, 0, 0, 0, 0, 0}));
    QVERIFY(sameCall(surface.calls[1], {Kind::Scale, -1, top, right, -1, 0}));
}

void TestAbacus::initDefaultsToFiveRods()
{
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    QCOMPARE(abacus.Cols(), std::int16_t(5));
    QCOMPARE(abacus.Value(), 0.0);
    QVERIFY(sameCall(surface.calls.back(), {Kind::Scale, -1, 121, 190, -1, 0}));
}

void TestAbacus::rodsStandThirtyApart()
{
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface, 21);
    for (int i = 0; i < 21; ++i)
        QCOMPARE(abacus.Column(i).X(), 30.0f * static_cast<float>(i + 1));
}

void TestAbacus::newRodCountDiscardsTheNumber()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    abacus.Draw(1234);
    surface.reset();

    abacus.setCols(6);
    QCOMPARE(abacus.Cols(), std::int16_t(6));
    QCOMPARE(abacus.Value(), 0.0);
    QCOMPARE(surface.count(Kind::Line), 0);
    QVERIFY(sameCall(surface.calls.back(), {Kind::Scale, -1, 121, 220, -1, 0}));
}

void TestAbacus::drawKuang_data()
{
    QTest::addColumn<int>("rods");
    QTest::addRow("1 rod") << 1;
    QTest::addRow("5 rods") << 5;
    QTest::addRow("21 rods") << 21;
}

void TestAbacus::drawKuang()
{
    QFETCH(int, rods);

    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface, static_cast<std::int16_t>(rods));
    surface.reset();
    abacus.DrawKuang();

    const std::vector<Call> expected = expectedFrame(rods - 1);
    QCOMPARE(surface.calls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QVERIFY2(sameCall(surface.calls[i], expected[i]), qPrintable(QStringLiteral("call %1").arg(i)));
}

void TestAbacus::drawPaintsTheWholeBoard()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    surface.reset();
    abacus.Draw(1234);

    // A clear of its own, then the frame, then the beads over it.
    QCOMPARE(surface.calls.at(0).kind, Kind::Clear);
    const std::vector<Call> frame = expectedFrame(4);
    for (std::size_t i = 0; i < frame.size(); ++i)
        QVERIFY2(sameCall(surface.calls.at(i + 1), frame[i]), qPrintable(QStringLiteral("call %1").arg(i + 1)));

    const DrawnBoard drawn(surface.calls);
    QVERIFY(drawn.wellFormed());
    QCOMPARE(drawn.beadCount(), 25);
    for (int rod = 0; rod < 5; ++rod) {
        QCOMPARE(drawn.digit(rod), rod);
        for (int slot = 1; slot <= 5; ++slot)
            QCOMPARE(drawn.bead(rod, slot).x, 30.0f * static_cast<float>(rod + 1));
    }
    QCOMPARE(drawn.bead(4, 4).colour, 16776960);
    QCOMPARE(drawn.bead(4, 5).colour, 12640511);
    QCOMPARE(abacus.Value(), 1234.0);
}

void TestAbacus::drawLineCount_data()
{
    QTest::addColumn<int>("rods");
    QTest::addColumn<int>("lines");

    QTest::addRow("1 rod") << 1 << 5 * 90 + 2;
    QTest::addRow("5 rods") << 5 << 25 * 90 + 6;
    QTest::addRow("10 rods") << 10 << 50 * 90 + 11;
}

void TestAbacus::drawLineCount()
{
    QFETCH(int, rods);
    QFETCH(int, lines);

    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface, static_cast<std::int16_t>(rods));
    surface.reset();
    abacus.Draw();

    QCOMPARE(surface.count(Kind::Line), lines);
    QCOMPARE(surface.count(Kind::Rectangle), 1);
    QCOMPARE(surface.count(Kind::Clear), 2);
}

void TestAbacus::drawKeepsOrReplacesTheNumber()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);

    abacus.Draw(1234);
    abacus.Draw();
    QCOMPARE(abacus.Value(), 1234.0);
    abacus.Draw(-1, -1);
    QCOMPARE(abacus.Value(), 1234.0);
    abacus.Draw(123456);
    QCOMPARE(abacus.Value(), 23456.0);

    surface.reset();
    abacus.Draw(0);
    QCOMPARE(abacus.Value(), 0.0);
    const DrawnBoard drawn(surface.calls);
    QCOMPARE(drawn.beadCount(), 25);
    for (int rod = 0; rod < 5; ++rod)
        QCOMPARE(drawn.digit(rod), 0);
}

void TestAbacus::clsShowsZero()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    abacus.Draw(98765);
    surface.reset();

    abacus.Cls();
    QCOMPARE(abacus.Value(), 0.0);
    const DrawnBoard drawn(surface.calls);
    QCOMPARE(drawn.beadCount(), 25);
    for (int rod = 0; rod < 5; ++rod)
        QCOMPARE(drawn.digit(rod), 0);
    QCOMPARE(surface.calls.back().kind, Kind::Line);
}

void TestAbacus::valueWrite_data()
{
    QTest::addColumn<int>("rods");
    QTest::addColumn<double>("number");
    QTest::addColumn<double>("shown");
    QTest::addColumn<double>("left");

    QTest::addRow("fits") << 5 << 1234.0 << 1234.0 << 0.0;
    QTest::addRow("all nines") << 5 << 99999.0 << 99999.0 << 0.0;
    QTest::addRow("one digit too many") << 5 << 123456.0 << 23456.0 << 1.0;
    QTest::addRow("only the carry digit") << 5 << 100000.0 << 0.0 << 1.0;
    QTest::addRow("three rods") << 3 << 1234567.0 << 567.0 << 1234.0;
    QTest::addRow("largest on 5") << 5 << 2147483647.0 << 83647.0 << 21474.0;
    QTest::addRow("largest on 10") << 10 << 2147483647.0 << 2147483647.0 << 0.0;
    QTest::addRow("wide board") << 21 << 123456.0 << 123456.0 << 0.0;
    QTest::addRow("19.6") << 5 << 19.6 << 10.0 << 0.0;
    QTest::addRow("9.5: units from 10, tens from 0.95") << 5 << 9.5 << 0.0 << 0.0;
    QTest::addRow("0.4") << 5 << 0.4 << 0.0 << 0.0;
    QTest::addRow("0.5 to even 0") << 5 << 0.5 << 0.0 << 0.0;
    QTest::addRow("1.5 to even 2") << 5 << 1.5 << 2.0 << 0.0;
    QTest::addRow("2.5 to even 2") << 5 << 2.5 << 2.0 << 0.0;
    QTest::addRow("3.5 to even 4") << 5 << 3.5 << 4.0 << 0.0;
    QTest::addRow("12.5 to even 12") << 5 << 12.5 << 12.0 << 0.0;
    QTest::addRow("15.5 to even 16") << 5 << 15.5 << 16.0 << 0.0;
    QTest::addRow("99999.5") << 5 << 99999.5 << 99990.0 << 0.0;
    QTest::addRow("-7") << 5 << -7.0 << 0.0 << -1.0;
    QTest::addRow("-10") << 5 << -10.0 << 0.0 << -1.0;
    QTest::addRow("-1234") << 5 << -1234.0 << 0.0 << -1.0;
    QTest::addRow("-0.4") << 5 << -0.4 << 0.0 << -1.0;
    QTest::addRow("smallest") << 5 << -2147483647.0 << 0.0 << -21475.0;
}

void TestAbacus::valueWrite()
{
    QFETCH(int, rods);
    QFETCH(double, number);
    QFETCH(double, shown);
    QFETCH(double, left);

    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface, static_cast<std::int16_t>(rods));
    double previous = 55555;  // every digit of it must go
    abacus.setValue(previous);
    abacus.setValue(number);
    QCOMPARE(abacus.Value(), shown);
    QCOMPARE(number, left);
}

void TestAbacus::valueWriteDoesNotDraw()
{
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    surface.reset();
    double n = 4321;
    abacus.setValue(n);
    QVERIFY(surface.calls.empty());
    QCOMPARE(abacus.Value(), 4321.0);
}

void TestAbacus::inRange_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<bool>("inRange");

    QTest::addRow("0") << 0.0 << true;
    QTest::addRow("largest") << 2147483647.0 << true;
    QTest::addRow("rounds to the largest") << 2147483647.49 << true;
    QTest::addRow("rounds past the largest") << 2147483647.5 << false;
    QTest::addRow("2^31") << 2147483648.0 << false;
    QTest::addRow("smallest") << -2147483647.0 << true;
    QTest::addRow("-2^31") << -2147483648.0 << false;
    QTest::addRow("rounds to -2^31") << -2147483647.5 << false;
    QTest::addRow("NaN") << NaN << false;
    QTest::addRow("infinity") << Infinity << false;
    QTest::addRow("minus infinity") << -Infinity << false;
}

void TestAbacus::inRange()
{
    QFETCH(double, n);
    QFETCH(bool, inRange);
    QCOMPARE(cAbacus::InRange(n), inRange);
}

void TestAbacus::outOfRangeChangesNothing_data()
{
    QTest::addColumn<double>("n");

    QTest::addRow("2147483647.5") << 2147483647.5;
    QTest::addRow("2^31") << 2147483648.0;
    QTest::addRow("-2147483648") << -2147483648.0;
    QTest::addRow("1e300") << 1e300;
    QTest::addRow("NaN") << NaN;
    QTest::addRow("infinity") << Infinity;
    QTest::addRow("minus infinity") << -Infinity;
}

void TestAbacus::outOfRangeChangesNothing()
{
    QFETCH(double, n);

    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    abacus.Draw(1234);

    double number = n;
    abacus.setValue(number);
    QCOMPARE(abacus.Value(), 1234.0);
    QVERIFY(identical(number, n));

    abacus.Draw(n);
    QCOMPARE(abacus.Value(), 1234.0);

    double from = -1;
    double added = n;
    QVERIFY(abacus.AddNum(from, added));
    QCOMPARE(abacus.Value(), 1234.0);
    QCOMPARE(from, -1.0);
    QVERIFY(identical(added, n));

    double badFrom = n;
    double one = 1;
    QVERIFY(abacus.AddNum(badFrom, one));
    QCOMPARE(abacus.Value(), 1234.0);
    QVERIFY(identical(badFrom, n));
    QCOMPARE(one, 1.0);
    QVERIFY(env.waiter.waits.empty());
}

void TestAbacus::hover_data()
{
    QTest::addColumn<double>("shown");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<bool>("over");

    QTest::addRow("0: bead 1 of rod 1 is at rest") << 0.0 << 60.0f << 65.0f << false;
    QTest::addRow("0: bead 1 of rod 1") << 0.0 << 60.0f << 45.0f << true;
    QTest::addRow("0: between two rods") << 0.0 << 45.0f << 45.0f << false;
    QTest::addRow("0: upper bead of the units rod") << 0.0 << 150.0f << 95.0f << true;
    QTest::addRow("0: beam") << 0.0 << 150.0f << 70.0f << false;
    QTest::addRow("0: right of the last rod") << 0.0 << 158.6f << 45.0f << false;
    QTest::addRow("1000: bead 1 of rod 1 at the beam") << 1000.0 << 60.0f << 65.0f << true;
    QTest::addRow("1000: its rest place") << 1000.0 << 60.0f << 45.0f << false;
    QTest::addRow("5: upper bead at the beam") << 5.0 << 150.0f << 75.0f << true;
}

void TestAbacus::hover()
{
    QFETCH(double, shown);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(bool, over);

    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    abacus.setValue(shown);
    surface.reset();
    QCOMPARE(abacus.IsSelect(x, y), over);
    QVERIFY(surface.calls.empty());
}

void TestAbacus::clickChangesTheHoveredRod()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    abacus.Draw(0);
    QVERIFY(abacus.IsSelect(60, 45));
    surface.reset();

    abacus.MouseUp(60, 45);
    QCOMPARE(abacus.Value(), 1000.0);
    const DrawnBoard drawn(surface.calls);
    QCOMPARE(drawn.beadCount(), 25);
    QCOMPARE(drawn.digit(1), 1);
    QCOMPARE(drawn.bead(1, 1).y, 65.0f);
}

void TestAbacus::mouseUpWithoutHoverOnlyRedraws()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    abacus.Draw(1234);
    surface.reset();

    abacus.MouseUp(60, 55);
    QCOMPARE(abacus.Value(), 1234.0);
    QCOMPARE(surface.count(Kind::Line), 25 * 90 + 6);
    QCOMPARE(DrawnBoard(surface.calls).digit(1), 1);
}

void TestAbacus::failedHoverForgetsEveryMark()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    QVERIFY(abacus.IsSelect(60, 45));
    QVERIFY(!abacus.IsSelect(60, 65));
    abacus.MouseUp(60, 45);
    QCOMPARE(abacus.Value(), 0.0);

    QVERIFY(abacus.IsSelect(120, 45));
    QVERIFY(!abacus.IsSelect(300, 45));
    abacus.MouseUp(120, 45);
    QCOMPARE(abacus.Value(), 0.0);
}

void TestAbacus::clickUsesTheReleaseHeight()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    QVERIFY(abacus.IsSelect(60, 45));
    // The rod is the hovered one whatever x the release has; the bead is taken at its y.
    abacus.MouseUp(150, 35);
    QCOMPARE(abacus.Value(), 2000.0);
}

void TestAbacus::clickGoesToTheLastHoveredRodOnly()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    // Rod 3 keeps its mark: the second hover stops at rod 1 and never asks it.
    QVERIFY(abacus.IsSelect(120, 45));
    QVERIFY(abacus.IsSelect(60, 45));
    abacus.MouseUp(60, 45);
    QCOMPARE(abacus.Value(), 1000.0);
}

void TestAbacus::colourfulBoardReseedsPerBead()
{
    TestEnvironment env;
    ProgramWide::ColorfulBeads = true;
    RecordingSurface surface;
    cAbacus abacus;
    abacus.Init(&surface);
    abacus.Draw(0);
    QCOMPARE(env.random.reseeds, 25);
    QCOMPARE(env.random.draws, 25);
}

QTEST_APPLESS_MAIN(TestAbacus)
#include "tst_abacus.moc"
