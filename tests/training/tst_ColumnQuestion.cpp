#include "ScriptedRandom.h"
#include "training/ColumnQuestion.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <map>

namespace {

// Every question the rules allow: first operand 44 to 48 or 54 to 58, second
// operand of digits 1 to 8 that keep each column's sum at most 9.
QSet<int> allowedQuestions()
{
    QSet<int> questions;
    for (int firstTens = 4; firstTens <= 5; ++firstTens)
        for (int firstUnits = 4; firstUnits <= 8; ++firstUnits)
            for (int secondTens = 1; secondTens <= 9 - firstTens; ++secondTens)
                for (int secondUnits = 1; secondUnits <= 9 - firstUnits; ++secondUnits)
                    questions.insert((10 * firstTens + firstUnits) * 100 + 10 * secondTens + secondUnits);
    return questions;
}

int key(const ColumnQuestion& q) { return q.first * 100 + q.second; }

// Tells apart reseeding ('R') and drawing ('r'), in order.
class LoggingRandom final : public RandomSource {
public:
    void Randomize() override { log += QLatin1Char('R'); }
    float Rnd() override
    {
        log += QLatin1Char('r');
        return 0.0f;
    }
    QString log;
};

}  // namespace

class tst_ColumnQuestion : public QObject {
    Q_OBJECT

private slots:
    void ruleSetHas135Questions();
    void everyAllowedQuestionComesAndNoOther();
    void drawsInOrder_data();
    void drawsInOrder();
    void reseedsOnceBeforeDrawing();
    void secondDigitsUniformGivenFirst();
};

void tst_ColumnQuestion::ruleSetHas135Questions() { QCOMPARE(allowedQuestions().size(), 135); }

void tst_ColumnQuestion::everyAllowedQuestionComesAndNoOther()
{
    // Every first four draws on a grid over [0, 1); redraws, if any, take further grid values.
    const QSet<int> allowed = allowedQuestions();
    QSet<int> seen;
    for (int tens = 0; tens < 2; ++tens)
        for (int units = 0; units < 5; ++units)
            for (int second = 0; second < 64; ++second) {
                ScriptedRandom random;
                random.queue({(tens + 0.5f) / 2, (units + 0.5f) / 5, (second / 8 + 0.5f) / 8, (second % 8 + 0.5f) / 8,
                              0.3f, 0.1f, 0.6f, 0.0f, 0.0f});
                const ColumnQuestion q = MakeColumnQuestion(random);
                QVERIFY2(allowed.contains(key(q)), qPrintable(QStringLiteral("%1 + %2").arg(q.first).arg(q.second)));
                seen.insert(key(q));
            }
    QCOMPARE(seen, allowed);
}

void tst_ColumnQuestion::drawsInOrder_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("drawCount");

    QTest::addRow("smallest") << QList<float>{0.0f, 0.0f, 0.0f, 0.0f} << 44 << 11 << 4;
    QTest::addRow("first tens before first units") << QList<float>{0.6f, 0.1f, 0.0f, 0.0f} << 54 << 11 << 4;
    QTest::addRow("second tens before second units") << QList<float>{0.0f, 0.0f, 0.2f, 0.6f} << 44 << 25 << 4;
    QTest::addRow("largest first operand") << QList<float>{0.99f, 0.99f, 0.0f, 0.0f} << 58 << 11 << 4;
    QTest::addRow("both second digits redrawn")
        << QList<float>{0.6f, 0.9f, 0.99f, 0.5f, 0.45f, 0.2f, 0.1f} << 58 << 41 << 7;
    QTest::addRow("tens and units each redrawn once")
        << QList<float>{0.0f, 0.0f, 0.7f, 0.6f, 0.74f, 0.5f} << 44 << 55 << 6;
    QTest::addRow("58 + 42 never comes") << QList<float>{0.99f, 0.99f, 0.45f, 0.2f, 0.0f} << 58 << 41 << 5;
}

void tst_ColumnQuestion::drawsInOrder()
{
    QFETCH(QList<float>, draws);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, drawCount);

    ScriptedRandom random;
    random.queued.assign(draws.begin(), draws.end());
    const ColumnQuestion q = MakeColumnQuestion(random);
    QCOMPARE(q.first, first);
    QCOMPARE(q.second, second);
    QCOMPARE(random.draws, drawCount);
    QCOMPARE(random.reseeds, 1);
}

void tst_ColumnQuestion::reseedsOnceBeforeDrawing()
{
    LoggingRandom random;
    MakeColumnQuestion(random);
    QCOMPARE(random.log, QStringLiteral("Rrrrr"));
}

void tst_ColumnQuestion::secondDigitsUniformGivenFirst()
{
    // Counts of (digit of the first operand, digit of the second) per column, over seeded draws.
    constexpr int Questions = 40000;
    ScriptedRandom random;
    const QSet<int> allowed = allowedQuestions();
    std::map<std::pair<int, int>, int> tens, units;
    std::map<int, int> firstTens, firstUnits;
    for (int i = 0; i < Questions; ++i) {
        const ColumnQuestion q = MakeColumnQuestion(random);
        QVERIFY(allowed.contains(key(q)));
        ++tens[{q.first / 10, q.second / 10}];
        ++units[{q.first % 10, q.second % 10}];
        ++firstTens[q.first / 10];
        ++firstUnits[q.first % 10];
    }
    QCOMPARE(random.reseeds, Questions);
    for (const auto& [digit, count] : firstTens)
        QVERIFY2(std::abs(count - Questions / 2) < Questions / 2 / 20, qPrintable(QString::number(digit)));
    for (const auto& [digit, count] : firstUnits)
        QVERIFY2(std::abs(count - Questions / 5) < Questions / 5 / 20, qPrintable(QString::number(digit)));
    // Given the first digit d, each of the 9 - d fitting digits comes equally often (within 8 %).
    const auto checkColumn = [](const std::map<std::pair<int, int>, int>& pairs, const std::map<int, int>& givens) {
        for (const auto& [pair, count] : pairs) {
            const double expected = static_cast<double>(givens.at(pair.first)) / (9 - pair.first);
            if (std::abs(count - expected) > 0.08 * expected)
                return QStringLiteral("%1 then %2: %3 times, expected %4").arg(pair.first).arg(pair.second).arg(count).arg(expected);
        }
        return QString();
    };
    QCOMPARE(checkColumn(tens, firstTens), QString());
    QCOMPARE(checkColumn(units, firstUnits), QString());
    QCOMPARE(tens.size(), std::size_t{5 + 4});
    QCOMPARE(units.size(), std::size_t{5 + 4 + 3 + 2 + 1});
}

QTEST_APPLESS_MAIN(tst_ColumnQuestion)
#include "tst_ColumnQuestion.moc"
