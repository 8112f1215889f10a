#include "course/ChineseNumber.h"
#include "course/SpokenQuestion.h"

#include <QTest>

#include <cstdint>
#include <stdexcept>

namespace {

std::int64_t power10(int exponent)
{
    std::int64_t value = 1;
    while (exponent-- > 0)
        value *= 10;
    return value;
}

// Reads Chinese numerals back as a listener hears them: a digit left bare
// after a unit, with no 零 between, counts one place below that unit
// (三百五 is 350, 两万二 is 22000), so a 零 missing from the words shows.
std::int64_t heard(const QString& words)
{
    const QString digits = QStringLiteral("零一二三四五六七八九");
    const QString units = QStringLiteral("个十百千万");
    std::int64_t total = 0;
    std::int64_t group = 0;
    int digit = -1;
    int lastUnit = -1;
    bool afterZero = false;
    const auto bareDigit = [&] {
        if (digit > 0)
            group += digit * (afterZero || lastUnit < 1 ? 1 : power10(lastUnit - 1));
        digit = -1;
    };
    for (const QChar c : words) {
        if (c == QChar(u'两'))
            digit = 2;
        else if (c == QChar(u'零'))
            afterZero = true;
        else if (digits.contains(c))
            digit = static_cast<int>(digits.indexOf(c));
        else if (c == QChar(u'万')) {
            bareDigit();
            total = group * 10'000;
            group = 0;
            lastUnit = 4;
            afterZero = false;
        } else {
            const int unit = static_cast<int>(units.indexOf(c));
            group += (digit < 0 ? 1 : digit) * power10(unit);
            digit = -1;
            lastUnit = unit;
            afterZero = false;
        }
    }
    bareDigit();
    return total + group;
}

}  // namespace

class TestChineseNumber : public QObject {
    Q_OBJECT

private slots:
    void words_data();
    void words();
    void roundTrip();
    void outOfRange();
    void question_data();
    void question();
};

void TestChineseNumber::words_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("expected");

    const std::pair<qint64, const char*> table[] = {
        {0, "零"}, {10, "十"}, {12, "十二"}, {20, "二十"}, {110, "一百一十"}, {200, "二百"},
        {305, "三百零五"}, {1005, "一千零五"}, {1010, "一千零一十"}, {2000, "两千"}, {2200, "两千二百"},
        {12000, "一万二千"}, {20000, "两万"}, {22222, "两万二千二百二十二"}, {100000, "十万"},
        {100500, "十万零五百"}, {105000, "十万五千"}, {1010000, "一百零一万"}, {1000001, "一百万零一"},
        {2000000, "二百万"}, {3000000, "三百万"}, {2999999, "二百九十九万九千九百九十九"},
        {20000000, "两千万"}, {99999999, "九千九百九十九万九千九百九十九"}};
    for (const auto& [number, words] : table)
        QTest::addRow("%lld", static_cast<long long>(number)) << number << QString::fromUtf8(words);
}

void TestChineseNumber::words()
{
    QFETCH(qint64, number);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(ChineseNumber(number)), expected);
}

void TestChineseNumber::roundTrip()
{
    for (std::int64_t number = 0; number < 100'000; ++number) {
        const QString words = QString::fromStdString(ChineseNumber(number));
        if (heard(words) != number)
            QFAIL(qPrintable(QStringLiteral("%1 is said %2, heard as %3").arg(number).arg(words).arg(heard(words))));
        // 两 only for a leading 2 before 千 or 万, 二 everywhere else; never 一十 at the head.
        const bool leadingTwo = words[0] == u'两' || words[0] == u'二';
        const bool beforeThousands = words.size() > 1 && (words[1] == u'千' || words[1] == u'万');
        if (words.lastIndexOf(u'两') > 0 || words.startsWith(u'两') != (leadingTwo && beforeThousands))
            QFAIL(qPrintable(QStringLiteral("%1 is said %2").arg(number).arg(words)));
        QVERIFY(!words.startsWith(u"一十"));
    }
}

void TestChineseNumber::outOfRange()
{
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ChineseNumber(-1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, ChineseNumber(100'000'000));
}

void TestChineseNumber::question_data()
{
    QTest::addColumn<QList<qint64>>("numbers");
    QTest::addColumn<QString>("expected");

    QTest::addRow("mixed") << QList<qint64>{305, 412, -67} << QStringLiteral("预备——开始，三百零五，加四百一十二，减六十七，等于");
    QTest::addRow("two subtractions in a row") << QList<qint64>{20000, -2, -10}
                                               << QStringLiteral("预备——开始，两万，减二，减十，等于");
    QTest::addRow("zeros") << QList<qint64>{0, 0} << QStringLiteral("预备——开始，零，加零，等于");
}

void TestChineseNumber::question()
{
    QFETCH(QList<qint64>, numbers);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(SpokenQuestion({numbers.begin(), numbers.end()})), expected);
}

QTEST_APPLESS_MAIN(TestChineseNumber)
#include "tst_chinesenumber.moc"
