#include "abacus/NumberRange.h"

#include <QTest>

#include <cstdint>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Smallest = std::numeric_limits<std::int32_t>::min();

}  // namespace

class TestNumberRange : public QObject {
    Q_OBJECT

private slots:
    void fitsInt32_data();
    void fitsInt32();
    void roundToInt32_data();
    void roundToInt32();
    void roundToInt32Clamped_data();
    void roundToInt32Clamped();
    void roundToInt16Clamped_data();
    void roundToInt16Clamped();
    void colourToInt32_data();
    void colourToInt32();
};

void TestNumberRange::fitsInt32_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("fits");

    QTest::addRow("0") << 0.0 << true;
    QTest::addRow("largest") << 2147483647.0 << true;
    QTest::addRow("rounds down to the largest") << 2147483647.4 << true;
    QTest::addRow("half rounds up past it") << 2147483647.5 << false;
    QTest::addRow("smallest") << -2147483648.0 << true;
    QTest::addRow("half rounds to the even smallest") << -2147483648.5 << true;
    QTest::addRow("rounds below the smallest") << -2147483648.6 << false;
    QTest::addRow("-2^31 - 1") << -2147483649.0 << false;
    QTest::addRow("1e300") << 1e300 << false;
    QTest::addRow("NaN") << NaN << false;
    QTest::addRow("infinity") << Infinity << false;
    QTest::addRow("minus infinity") << -Infinity << false;
}

void TestNumberRange::fitsInt32()
{
    QFETCH(double, x);
    QFETCH(bool, fits);
    QCOMPARE(FitsInt32(x), fits);
}

void TestNumberRange::roundToInt32_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("rounded");

    QTest::addRow("0.49") << 0.49 << 0;
    QTest::addRow("0.5 to even") << 0.5 << 0;
    QTest::addRow("1.5 to even") << 1.5 << 2;
    QTest::addRow("2.5 to even") << 2.5 << 2;
    QTest::addRow("3.5 to even") << 3.5 << 4;
    QTest::addRow("2.51") << 2.51 << 3;
    QTest::addRow("-0.5 to even") << -0.5 << 0;
    QTest::addRow("-2.5 to even") << -2.5 << -2;
    QTest::addRow("-3.5 to even") << -3.5 << -4;
    QTest::addRow("largest") << 2147483647.0 << Largest;
    QTest::addRow("smallest") << -2147483648.0 << Smallest;
}

void TestNumberRange::roundToInt32()
{
    QFETCH(double, x);
    QFETCH(int, rounded);
    QCOMPARE(RoundToInt32(x), rounded);
}

void TestNumberRange::roundToInt32Clamped_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("rounded");

    QTest::addRow("12.5 to even") << 12.5 << 12;
    QTest::addRow("-12.5 to even") << -12.5 << -12;
    QTest::addRow("just past the largest") << 2147483647.5 << Largest;
    QTest::addRow("3e9") << 3e9 << Largest;
    QTest::addRow("-3e9") << -3e9 << Smallest;
    QTest::addRow("infinity") << Infinity << Largest;
    QTest::addRow("minus infinity") << -Infinity << Smallest;
    QTest::addRow("NaN") << NaN << 0;
}

void TestNumberRange::roundToInt32Clamped()
{
    QFETCH(double, x);
    QFETCH(int, rounded);
    QCOMPARE(RoundToInt32Clamped(x), rounded);
}

void TestNumberRange::roundToInt16Clamped_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("rounded");

    QTest::addRow("2.5 to even") << 2.5 << 2;
    QTest::addRow("-1.5 to even") << -1.5 << -2;
    QTest::addRow("largest") << 32767.0 << 32767;
    QTest::addRow("half past the largest") << 32767.5 << 32767;
    QTest::addRow("40000") << 40000.0 << 32767;
    QTest::addRow("smallest") << -32768.0 << -32768;
    QTest::addRow("-40000") << -40000.0 << -32768;
    QTest::addRow("NaN") << NaN << 0;
    QTest::addRow("minus infinity") << -Infinity << -32768;
}

void TestNumberRange::roundToInt16Clamped()
{
    QFETCH(double, x);
    QFETCH(int, rounded);
    QCOMPARE(int(RoundToInt16Clamped(x)), rounded);
}

void TestNumberRange::colourToInt32_data()
{
    QTest::addColumn<double>("colour");
    QTest::addColumn<int>("drawn");

    QTest::addRow("bead at rest") << 12640511.0 << 12640511;
    QTest::addRow("254.5 to even") << 254.5 << 254;
    QTest::addRow("255.5 to even") << 255.5 << 256;
    QTest::addRow("-1") << -1.0 << -1;
    QTest::addRow("too large") << 1e12 << Largest;
    QTest::addRow("NaN") << NaN << 0;
}

void TestNumberRange::colourToInt32()
{
    QFETCH(double, colour);
    QFETCH(int, drawn);
    QCOMPARE(ColourToInt32(colour), drawn);
}

QTEST_APPLESS_MAIN(TestNumberRange)
#include "tst_numberrange.moc"
