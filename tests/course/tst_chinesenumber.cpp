#include "course/ChineseNumber.h"
#include "course/SpokenQuestion.h"

#include <QTest>

namespace {

// Reads the words back as a listener hears them: a digit left bare after a
// unit, with no 零 between, is worth one place below that unit (三百五 is 350,
// 两万二 is 22000), so a 零 missing from the words shows.
qint64 heard(const QString& words)
{
    const QString symbols = QStringLiteral("零一二三四五六七八九十百千万");
    const qint64 units[] = {10, 100, 1000};
    qint64 total = 0, group = 0, bare = 1;
    int digit = 0;
    for (const QChar c : words) {
        const auto index = static_cast<int>(symbols.indexOf(c == u'两' ? QChar(u'二') : c));
        if (index == 0) {
            bare = 1;
        } else if (index < 10) {
            digit = index;
        } else if (index < 13) {
            group += (digit > 0 ? digit : 1) * units[index - 10];
            bare = units[index - 10] / 10;
            digit = 0;
        } else {
            total = (group + digit * bare) * 10'000;
            group = digit = 0;
            bare = 1000;
        }
    }
    return total + group + digit * bare;
}

}  // namespace

class TestChineseNumber : public QObject {
    Q_OBJECT

private slots:
    void words_data();
    void words();
    void roundTrip();
    void question();
};

void TestChineseNumber::words_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("expected");
    const std::pair<qint64, const char*> table[] = {
        {0, "零"}, {10, "十"}, {12, "十二"}, {20, "二十"}, {110, "一百一十"}, {200, "二百"}, {305, "三百零五"},
        {1005, "一千零五"}, {1010, "一千零一十"}, {2000, "两千"}, {2200, "两千二百"}, {12000, "一万二千"},
        {20000, "两万"}, {22222, "两万二千二百二十二"}, {100000, "十万"}, {100500, "十万零五百"},
        {105000, "十万五千"}, {1010000, "一百零一万"}, {2000000, "二百万"}, {2999999, "二百九十九万九千九百九十九"}};
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
    for (qint64 number = 0; number < 100'000; ++number) {
        const QString words = QString::fromStdString(ChineseNumber(number));
        // 两 only for a leading 2 before 千 or 万; never 一十 at the head.
        const bool liang = words.size() > 1 && (words[0] == u'两' || words[0] == u'二')
            && (words[1] == u'千' || words[1] == u'万');
        if (heard(words) != number || words.lastIndexOf(u'两') != (liang ? 0 : -1) || words.startsWith(u"一十"))
            QFAIL(qPrintable(QStringLiteral("%1 is said %2").arg(number).arg(words)));
    }
}

void TestChineseNumber::question()
{
    QCOMPARE(QString::fromStdString(SpokenQuestion({305, 412, -67})),
             QStringLiteral("预备——开始，三百零五，加四百一十二，减六十七，等于"));
    QCOMPARE(QString::fromStdString(SpokenQuestion({20000, -2, -10})), QStringLiteral("预备——开始，两万，减二，减十，等于"));
}

QTEST_APPLESS_MAIN(TestChineseNumber)
#include "tst_chinesenumber.moc"
