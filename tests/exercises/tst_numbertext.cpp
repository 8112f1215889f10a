#include "exercises/NumberText.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr double Largest = std::numeric_limits<double>::max();
constexpr double Tiniest = std::numeric_limits<double>::denorm_min();
constexpr double TwoTo53 = 9007199254740992.0;

// Bit for bit, so that -0 is told from 0 and no fuzzy comparison hides a
// wrongly rounded last bit.
bool Identical(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

QByteArray Mismatch(double actual, double expected)
{
    return QByteArray::number(actual, 'g', 17) + " instead of " + QByteArray::number(expected, 'g', 17);
}

QString Repeated(QChar c, qsizetype count) { return QString(count, c); }

// The 752 decimal digits of 5^n for n = 1075: 2^-1075, half the smallest
// double, is these digits times 10^-1075.
QString PowerOfFive(int n)
{
    std::vector<int> digits{1};  // lowest first
    for (int i = 0; i < n; ++i) {
        int carry = 0;
        for (int& digit : digits) {
            const int product = digit * 5 + carry;
            digit = product % 10;
            carry = product / 10;
        }
        if (carry != 0)
            digits.push_back(carry);
    }
    QString text;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit)
        text += QChar(u'0' + *digit);
    return text;
}

const QString LargestText = QStringLiteral("17976931348623157") + Repeated(u'0', 292);
const QString TiniestText = QStringLiteral("0.") + Repeated(u'0', 323) + QStringLiteral("494065645841247");

}  // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void readNumberHostile_data();
    void readNumberHostile();
    void readNumberStopsAtTheEndOfTheView();
    void numberText_data();
    void numberText();
    void textRoundTrip_data();
    void textRoundTrip();
    void valueRoundTrip_data();
    void valueRoundTrip();
};

void TestNumberText::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::addRow("whole") << "12" << 12.0;
    QTest::addRow("letters after") << "12abc" << 12.0;
    QTest::addRow("letters only") << "abc" << 0.0;
    QTest::addRow("empty") << "" << 0.0;
    QTest::addRow("leading blank") << " 5" << 5.0;
    QTest::addRow("blank between digits") << "1 2" << 12.0;
    QTest::addRow("blank after minus") << "- 3" << -3.0;
    QTest::addRow("blanks everywhere") << " 3 1 4 . 1 5 e 2 " << 31415.0;
    QTest::addRow("tab and line feed") << "\t7\n1" << 71.0;
    QTest::addRow("ideographic space") << QStringLiteral("\u30008") << 8.0;
    QTest::addRow("carriage return is no blank") << "1\r2" << 1.0;
    QTest::addRow("leading zeros") << "007" << 7.0;
    QTest::addRow("plus") << "+5" << 5.0;
    QTest::addRow("minus") << "-42" << -42.0;
    QTest::addRow("minus zero") << "-0" << 0.0;
    QTest::addRow("minus zero fraction") << "-0.000" << 0.0;
    QTest::addRow("sign after number") << "3-" << 3.0;
    QTest::addRow("two signs") << "--5" << 0.0;
    QTest::addRow("point first") << ".5" << 0.5;
    QTest::addRow("point last") << "5." << 5.0;
    QTest::addRow("minus point first") << "-.5" << -0.5;
    QTest::addRow("fraction") << "2.25" << 2.25;
    QTest::addRow("tenth rounds correctly") << "0.1" << 0.1;
    QTest::addRow("thousands separator") << "1,000" << 1.0;
    QTest::addRow("second point") << "3.5.6" << 3.5;
    QTest::addRow("exponent") << "1e3" << 1000.0;
    QTest::addRow("exponent upper case") << "2E2" << 200.0;
    QTest::addRow("exponent D") << "1d3" << 1000.0;
    QTest::addRow("exponent D negative") << "1D-2" << 0.01;
    QTest::addRow("exponent plus") << "1.5e+1" << 15.0;
    QTest::addRow("exponent without digits") << "1e" << 1.0;
    QTest::addRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::addRow("exponent then letter") << "1e+x" << 1.0;
    QTest::addRow("exponent stops at point") << "1e3.5" << 1000.0;
    QTest::addRow("point then exponent") << "5.e2" << 500.0;
    QTest::addRow("exponent of zero") << "0e999999999" << 0.0;
    QTest::addRow("hex") << "&HFF" << 255.0;
    QTest::addRow("hex lower case") << "&hff" << 255.0;
    QTest::addRow("octal") << "&O17" << 15.0;
    QTest::addRow("octal lower case") << "&o17" << 15.0;
    QTest::addRow("hex 16-bit top") << "&H7FFF" << 32767.0;
    QTest::addRow("hex 16-bit sign") << "&H8000" << -32768.0;
    QTest::addRow("hex 16-bit minus one") << "&HFFFF" << -1.0;
    QTest::addRow("hex past 16 bits") << "&H10000" << 65536.0;
    QTest::addRow("hex 32-bit top") << "&H7FFFFFFF" << 2147483647.0;
    QTest::addRow("hex 32-bit sign") << "&H80000000" << -2147483648.0;
    QTest::addRow("hex 32-bit minus one") << "&HFFFFFFFF" << -1.0;
    QTest::addRow("hex past 32 bits") << "&H100000000" << 0.0;
    QTest::addRow("hex leading zeros do not count") << "&H0000FFFF" << -1.0;
    QTest::addRow("hex long with zeros") << "&H0000000000FF" << 255.0;
    QTest::addRow("hex stops at point") << "&H1.5" << 1.0;
    QTest::addRow("hex with blanks") << "& h 1 f" << 31.0;
    QTest::addRow("octal 16-bit minus one") << "&O177777" << -1.0;
    QTest::addRow("octal past 16 bits") << "&O200000" << 65536.0;
    QTest::addRow("octal 32-bit minus one") << "&O37777777777" << -1.0;
    QTest::addRow("octal past 32 bits") << "&O40000000000" << 0.0;
    QTest::addRow("octal stops at 8") << "&O78" << 7.0;
    QTest::addRow("signed prefix") << "-&H10" << 0.0;
}

void TestNumberText::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);

    const double actual = ReadNumber(text);

    QVERIFY2(Identical(actual, expected), Mismatch(actual, expected).constData());
}

void TestNumberText::readNumberHostile_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::addRow("signs only") << "+-+" << 0.0;
    QTest::addRow("ampersand") << "&" << 0.0;
    QTest::addRow("ampersand digits") << "&17" << 0.0;
    QTest::addRow("hex prefix only") << "&H" << 0.0;
    QTest::addRow("hex no digits") << "&Hxyz" << 0.0;
    QTest::addRow("octal no digits") << "&O8" << 0.0;
    QTest::addRow("exponent only") << "e5" << 0.0;
    QTest::addRow("point only") << "." << 0.0;
    QTest::addRow("minus point") << "-." << 0.0;
    QTest::addRow("point exponent") << ".e5" << 0.0;
    QTest::addRow("underflow") << "1e-400" << 0.0;
    QTest::addRow("negative underflow") << "-1e-400" << 0.0;
    QTest::addRow("deep underflow") << "1e-99999" << 0.0;
    QTest::addRow("smallest double") << "4.9e-324" << Tiniest;
    QTest::addRow("overflow") << "1e400" << Largest;
    QTest::addRow("negative overflow") << "-1e400" << -Largest;
    QTest::addRow("exponent overflow") << "1e999999999999" << Largest;
    QTest::addRow("exponent far below") << "1e-999999999999999999999" << 0.0;
    QTest::addRow("embedded NUL") << QString::fromUtf16(u"12\0" "34", 5) << 12.0;
    QTest::addRow("NUL first") << QString::fromUtf16(u"\0" "5", 2) << 0.0;
    QTest::addRow("emoji first") << QStringLiteral("😀5") << 0.0;
    QTest::addRow("emoji after") << QStringLiteral("5😀") << 5.0;
    QTest::addRow("full-width digits") << QStringLiteral("１２") << 0.0;
    QTest::addRow("full-width after digit") << QStringLiteral("1２") << 1.0;
    QTest::addRow("full-width hex letter") << QStringLiteral("&Ｈ1") << 0.0;
    QTest::addRow("unicode minus") << QStringLiteral("−5") << 0.0;
    QTest::addRow("arabic-indic digit") << QStringLiteral("٣") << 0.0;
    QTest::addRow("only blanks") << Repeated(u' ', 100000) << 0.0;
    QTest::addRow("blanks then digit") << Repeated(u' ', 100000) + "7" << 7.0;
    QTest::addRow("million nines") << Repeated(u'9', 1000000) << Largest;
    QTest::addRow("million nines negative") << "-" + Repeated(u'9', 1000000) << -Largest;
    QTest::addRow("million zeros then one") << Repeated(u'0', 1000000) + "1" << 1.0;
    QTest::addRow("million fraction zeros") << "0." + Repeated(u'0', 1000000) + "1" << 0.0;
    QTest::addRow("300 fraction zeros") << "0." + Repeated(u'0', 300) + "1" << 1e-301;
    QTest::addRow("million digits scaled back") << "1" + Repeated(u'0', 999999) + "e-999999" << 1.0;
    QTest::addRow("million hex zeros") << "&H" + Repeated(u'0', 1000000) + "A" << 10.0;
    QTest::addRow("million hex digits") << "&H" + Repeated(u'F', 1000000) << 0.0;
    // 2^53 + 1 lies halfway between two doubles; a non-zero digit far past
    // the kept digits must still tip it upward instead of to the even one.
    QTest::addRow("halfway goes to even") << "9007199254740993" << TwoTo53;
    QTest::addRow("far digit tips whole part") << "9007199254740993" + Repeated(u'0', 1000) + "1e-1001" << TwoTo53 + 2;
    QTest::addRow("far digit tips fraction") << "9007199254740993." + Repeated(u'0', 1000) + "1" << TwoTo53 + 2;
    QTest::addRow("far zeros do not tip") << "9007199254740993." + Repeated(u'0', 1000) << TwoTo53;
    // Here the digit that decides lies 753 digits down, past any short cut.
    QTest::addRow("half the smallest goes to even") << PowerOfFive(1075) + "e-1075" << 0.0;
    QTest::addRow("just over half the smallest") << PowerOfFive(1075) + "1e-1076" << Tiniest;
}

void TestNumberText::readNumberHostile() { readNumber(); }

void TestNumberText::readNumberStopsAtTheEndOfTheView()
{
    const QString text = QStringLiteral("123456");

    QCOMPARE(ReadNumber(QStringView(text).left(3)), 123.0);
}

void TestNumberText::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::addRow("zero") << 0.0 << "0";
    QTest::addRow("minus zero") << -0.0 << "0";
    QTest::addRow("whole") << 12.0 << "12";
    QTest::addRow("minus one") << -1.0 << "-1";
    QTest::addRow("hundred thousand") << 100000.0 << "100000";
    QTest::addRow("ten digits") << 1234567890.0 << "1234567890";
    QTest::addRow("ten nines") << 9999999999.0 << "9999999999";
    QTest::addRow("int32 lowest") << -2147483648.0 << "-2147483648";
    QTest::addRow("1e15") << 1e15 << "1000000000000000";
    QTest::addRow("2^53") << TwoTo53 << "9007199254740992";
    QTest::addRow("1e20") << 1e20 << "100000000000000000000";
    QTest::addRow("1e23 shortest") << 1e23 << "100000000000000000000000";
    QTest::addRow("largest") << Largest << LargestText;
    QTest::addRow("half") << 0.5 << "0.5";
    QTest::addRow("one and a half") << 1.5 << "1.5";
    QTest::addRow("negative fraction") << -2.25 << "-2.25";
    QTest::addRow("small fraction") << -0.001 << "-0.001";
    QTest::addRow("1e-5") << 1e-5 << "0.00001";
    QTest::addRow("fraction digits") << 123456.789 << "123456.789";
    QTest::addRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::addRow("one third") << 1.0 / 3 << "0.333333333333333";
    QTest::addRow("two thirds") << 2.0 / 3 << "0.666666666666667";
    QTest::addRow("fraction rounds to whole") << 0.9999999999999999 << "1";
    QTest::addRow("large fraction") << 1e15 + 0.5 << "1000000000000000";
    QTest::addRow("smallest double") << Tiniest << TiniestText;
    QTest::addRow("infinity") << std::numeric_limits<double>::infinity() << "inf";
    QTest::addRow("minus infinity") << -std::numeric_limits<double>::infinity() << "-inf";
    QTest::addRow("nan") << std::numeric_limits<double>::quiet_NaN() << "nan";
}

void TestNumberText::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);

    QCOMPARE(NumberText(value), expected);
}

void TestNumberText::textRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::addRow("blank before") << "  12" << "12";
    QTest::addRow("leading zeros") << "007" << "7";
    QTest::addRow("exponent") << "1e3" << "1000";
    QTest::addRow("hex") << "&HFFFF" << "-1";
    QTest::addRow("point first") << "-.5" << "-0.5";
    QTest::addRow("separator") << "1,000" << "1";
    QTest::addRow("letters") << "12abc" << "12";
    QTest::addRow("trailing zero") << "2.50" << "2.5";
    QTest::addRow("spread out") << "3 1 4 . 1 5" << "314.15";
    QTest::addRow("minus zero") << "-0" << "0";
    QTest::addRow("nothing") << "abc" << "0";
    QTest::addRow("overflow") << "1e400" << LargestText;
    QTest::addRow("smallest") << "5e-324" << TiniestText;
}

void TestNumberText::textRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QCOMPARE(NumberText(ReadNumber(text)), expected);
}

void TestNumberText::valueRoundTrip_data()
{
    QTest::addColumn<double>("value");

    QTest::addRow("whole") << 47.0;
    QTest::addRow("negative") << -12345.0;
    QTest::addRow("int32 highest") << 2147483647.0;
    QTest::addRow("2^53") << TwoTo53;
    QTest::addRow("1e23") << 1e23;
    QTest::addRow("largest") << Largest;
    QTest::addRow("lowest") << -Largest;
    QTest::addRow("tenth") << 0.1;
    QTest::addRow("fifteen digits") << 0.123456789012345;
    QTest::addRow("fraction") << -98765.4321;
    QTest::addRow("tiny") << 1e-300;
    QTest::addRow("smallest") << Tiniest;
}

void TestNumberText::valueRoundTrip()
{
    QFETCH(double, value);

    const double actual = ReadNumber(NumberText(value));

    QVERIFY2(Identical(actual, value), Mismatch(actual, value).constData());
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
