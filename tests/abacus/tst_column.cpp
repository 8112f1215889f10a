#include "DrawnBoard.h"
#include "RecordingSurface.h"
#include "TestEnvironment.h"
#include "abacus/cColumn.h"

#include <QTest>

#include <array>
#include <cstdint>

using Kind = RecordingSurface::Kind;

namespace {

constexpr float RodX = 30;

// Bead centres per digit, slots 1 to 4 (lower, from the beam down) then 5 (upper).
constexpr std::array<std::array<float, 5>, 10> Heights = {{
    {45, 35, 25, 15, 95},
    {65, 35, 25, 15, 95},
    {65, 55, 25, 15, 95},
    {65, 55, 45, 15, 95},
    {65, 55, 45, 35, 95},
    {45, 35, 25, 15, 75},
    {65, 35, 25, 15, 75},
    {65, 55, 25, 15, 75},
    {65, 55, 45, 15, 75},
    {65, 55, 45, 35, 75},
}};

// The digit after a click, per digit before and clicked slot.
constexpr std::array<std::array<int, 5>, 10> Clicks = {{
    {1, 2, 3, 4, 5},
    {0, 2, 3, 4, 6},
    {0, 1, 3, 4, 7},
    {0, 1, 2, 4, 8},
    {0, 1, 2, 3, 9},
    {6, 7, 8, 9, 0},
    {5, 7, 8, 9, 1},
    {5, 6, 8, 9, 2},
    {5, 6, 7, 9, 3},
    {5, 6, 7, 8, 4},
}};

std::int16_t asDigit(int n) { return static_cast<std::int16_t>(n); }

}  // namespace

class TestColumn : public QObject {
    Q_OBJECT

private slots:
    void newRodShowsZero();
    void beadHeights_data();
    void beadHeights();
    void numbersOutsideTheDigitsLeaveEveryBeadAtRest_data();
    void numbersOutsideTheDigitsLeaveEveryBeadAtRest();
    void setBeadsLeavesTheDigitField();
    void drawPaintsTheFiveBeadsInSlotOrder();
    void drawPassesTheColourDown();
    void click_data();
    void click();
    void hoverEdges_data();
    void hoverEdges();
    void hoverOffTheRodForgetsTheMark();
    void gapBetweenHitBands_data();
    void gapBetweenHitBands();
    void mouseUpWithoutMark();
    void mouseUpTakesTheHeightOfTheRelease();
    void markLastsUntilTheNextHover();
    void clickOnARodHoldingNoDigit();
};

void TestColumn::newRodShowsZero()
{
    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 2, 90);
    QCOMPARE(rod.X(), 90.0f);
    QCOMPARE(rod.Value(), asDigit(0));
    for (int slot = 1; slot <= 5; ++slot) {
        QCOMPARE(rod.Bead(slot).X(), 90.0f);
        QCOMPARE(rod.Bead(slot).Y(), Heights[0][slot - 1]);
    }
    QVERIFY(surface.calls.empty());
}

void TestColumn::beadHeights_data()
{
    QTest::addColumn<int>("digit");
    for (int d = 0; d <= 9; ++d)
        QTest::addRow("%d", d) << d;
}

void TestColumn::beadHeights()
{
    QFETCH(int, digit);

    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    rod.setValue(asDigit(digit < 5 ? 9 : 0));  // the heights must not depend on the digit before
    rod.setValue(asDigit(digit));

    for (int slot = 1; slot <= 5; ++slot) {
        QCOMPARE(rod.Bead(slot).Y(), Heights[digit][slot - 1]);
        const int atBeam = slot == 5 ? (digit >= 5 ? 5 : 0) : (slot <= digit % 5 ? 1 : 0);
        QCOMPARE(rod.Bead(slot).Value(), asDigit(atBeam));
    }
    QCOMPARE(rod.Value(), asDigit(digit));
    QVERIFY(surface.calls.empty());
}

void TestColumn::numbersOutsideTheDigitsLeaveEveryBeadAtRest_data()
{
    QTest::addColumn<int>("number");
    QTest::addRow("12") << 12;
    QTest::addRow("10") << 10;
    QTest::addRow("-1") << -1;
    QTest::addRow("-7") << -7;
}

void TestColumn::numbersOutsideTheDigitsLeaveEveryBeadAtRest()
{
    QFETCH(int, number);

    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    rod.setValue(7);
    rod.setValue(asDigit(number));
    for (int slot = 1; slot <= 5; ++slot)
        QCOMPARE(rod.Bead(slot).Y(), Heights[0][slot - 1]);
    QCOMPARE(rod.Value(), asDigit(0));
}

void TestColumn::setBeadsLeavesTheDigitField()
{
    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    rod.setBeads(4);
    for (int slot = 1; slot <= 5; ++slot)
        QCOMPARE(rod.Bead(slot).Y(), Heights[4][slot - 1]);

    // A click works from the digit field, still 0: bead 4 counts as "to the beam".
    QVERIFY(rod.IsSelect(RodX, 35));
    QVERIFY(rod.MouseUp(RodX, 35));
    QCOMPARE(rod.Value(), asDigit(4));
    QCOMPARE(rod.Bead(4).Y(), 35.0f);
}

void TestColumn::drawPaintsTheFiveBeadsInSlotOrder()
{
    TestEnvironment env;
    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 3, 120);
    rod.setValue(8);
    rod.Draw();

    const DrawnBoard drawn(surface.calls);
    QVERIFY(drawn.wellFormed());
    QCOMPARE(drawn.beadCount(), 5);
    for (int slot = 1; slot <= 5; ++slot) {
        QCOMPARE(drawn.bead(0, slot).x, 120.0f);
        QCOMPARE(drawn.bead(0, slot).y, Heights[8][slot - 1]);
    }
    QCOMPARE(drawn.bead(0, 3).colour, 16776960);
    QCOMPARE(drawn.bead(0, 4).colour, 12640511);
}

void TestColumn::drawPassesTheColourDown()
{
    TestEnvironment env;
    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    rod.setValue(3);
    rod.Draw(255);

    const DrawnBoard drawn(surface.calls);
    QCOMPARE(drawn.beadCount(), 5);
    for (int slot = 1; slot <= 5; ++slot)
        QCOMPARE(drawn.bead(0, slot).colour, 255);
}

void TestColumn::click_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("after");

    for (int d = 0; d <= 9; ++d) {
        for (int slot = 1; slot <= 5; ++slot)
            QTest::addRow("%d, bead %d", d, slot) << d << slot << Clicks[d][slot - 1];
    }
}

void TestColumn::click()
{
    QFETCH(int, before);
    QFETCH(int, slot);
    QFETCH(int, after);

    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    rod.setValue(asDigit(before));
    const float y = Heights[before][slot - 1];

    QVERIFY(rod.IsSelect(RodX, y));
    QVERIFY(rod.MouseUp(RodX, y));
    QCOMPARE(rod.Value(), asDigit(after));
    for (int s = 1; s <= 5; ++s)
        QCOMPARE(rod.Bead(s).Y(), Heights[after][s - 1]);
    QVERIFY(surface.calls.empty());
}

void TestColumn::hoverEdges_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<bool>("over");

    QTest::addRow("centre") << RodX << true;
    QTest::addRow("X - 8.5") << RodX - 8.5f << true;
    QTest::addRow("X + 8.5") << RodX + 8.5f << true;
    QTest::addRow("X + 8.6") << RodX + 8.6f << false;
    QTest::addRow("X - 8.6") << RodX - 8.6f << false;
    QTest::addRow("next rod") << RodX + 30 << false;
}

void TestColumn::hoverEdges()
{
    QFETCH(float, x);
    QFETCH(bool, over);

    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    QCOMPARE(rod.IsSelect(x, 45), over);
    QCOMPARE(rod.MouseUp(x, 45), over);
    QCOMPARE(rod.Value(), asDigit(over ? 1 : 0));
}

void TestColumn::hoverOffTheRodForgetsTheMark()
{
    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    QVERIFY(rod.IsSelect(RodX, 45));
    QVERIFY(!rod.IsSelect(RodX + 8.6f, 45));
    QVERIFY(!rod.MouseUp(RodX, 45));
    QCOMPARE(rod.Value(), asDigit(0));
}

void TestColumn::gapBetweenHitBands_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<float>("y");

    QTest::addRow("0: bead 1 over bead 2") << 0 << 40.0f;
    QTest::addRow("0: bead 3 over bead 4") << 0 << 20.0f;
    QTest::addRow("0: below bead 4") << 0 << 10.0f;
    QTest::addRow("0: beam") << 0 << 70.0f;
    QTest::addRow("4: bead 1 over bead 2") << 4 << 60.0f;
    QTest::addRow("4: bead 4 over bead rest") << 4 << 30.0f;
    QTest::addRow("5: upper over the beam") << 5 << 70.0f;
    QTest::addRow("9: beam between bead 1 and upper") << 9 << 70.0f;
    QTest::addRow("9: bead 3 over bead 4") << 9 << 40.0f;
}

void TestColumn::gapBetweenHitBands()
{
    QFETCH(int, digit);
    QFETCH(float, y);

    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    rod.setValue(asDigit(digit));
    QVERIFY(!rod.IsSelect(RodX, y));
    QVERIFY(!rod.MouseUp(RodX, y));
    QCOMPARE(rod.Value(), asDigit(digit));
}

void TestColumn::mouseUpWithoutMark()
{
    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    rod.setValue(3);
    QVERIFY(!rod.MouseUp(RodX, 65));
    QCOMPARE(rod.Value(), asDigit(3));
}

void TestColumn::mouseUpTakesTheHeightOfTheRelease()
{
    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    QVERIFY(rod.IsSelect(RodX, 45));
    // Neither the hover height nor x counts any more: bead 2 is where the button went up.
    QVERIFY(rod.MouseUp(500, 35));
    QCOMPARE(rod.Value(), asDigit(2));

    // Released over no bead: the rod takes the click, the digit stays.
    QVERIFY(rod.IsSelect(RodX, 65));
    QVERIFY(rod.MouseUp(RodX, 5));
    QCOMPARE(rod.Value(), asDigit(2));
}

void TestColumn::markLastsUntilTheNextHover()
{
    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    QVERIFY(rod.IsSelect(RodX, 45));
    QVERIFY(rod.MouseUp(RodX, 45));
    QCOMPARE(rod.Value(), asDigit(1));
    // Bead 1 now sits at 65; a second release there takes it back.
    QVERIFY(rod.MouseUp(RodX, 65));
    QCOMPARE(rod.Value(), asDigit(0));
}

void TestColumn::clickOnARodHoldingNoDigit()
{
    RecordingSurface surface;
    cColumn rod;
    rod.Init(nullptr, &surface, 0, RodX);
    rod.setValue(12);
    QCOMPARE(rod.Value(), asDigit(0));

    rod.setValue(12);
    QVERIFY(rod.IsSelect(RodX, 45));
    QVERIFY(rod.MouseUp(RodX, 45));
    QCOMPARE(rod.Value(), asDigit(0));
    QCOMPARE(rod.Bead(1).Y(), 45.0f);
}

QTEST_APPLESS_MAIN(TestColumn)
#include "tst_column.moc"
