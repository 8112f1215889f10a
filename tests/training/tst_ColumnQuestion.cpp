#include "ScriptedRandom.h"
#include "abacus/cAbacus.h"
#include "course/DrillQuestions.h"
#include "training/ColumnQuestion.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

namespace {

using BeadRule::Group;

// Each item of 位数 as a child learns it: lowest, largest, and whether only digits 0 to 4 come.
const int Ranges[6][3] = {{1, 4, 1}, {10, 44, 1}, {1, 9, 0}, {10, 92, 0}, {100, 444, 1}, {100, 999, 0}};

bool holds(const int* range, int n)
{
    return n >= range[0] && n <= range[1] && (!range[2] || std::to_string(n).find_first_of("56789") == std::string::npos);
}

// 直加直减 (0) only direct steps, 破5加破5减 (1) direct and five with one five at least, 满10 (2) a ten or mixed step.
bool practises(int style, const std::set<Group>& groups)
{
    const bool carries = groups.count(Group::Ten) + groups.count(Group::Mixed) > 0;
    const bool five = groups.count(Group::Five) > 0;
    return style < 0 || (style == 0 && !carries && !five) || (style == 1 && !carries && five) || (style == 2 && carries);
}

// The groups whose rules the abacus names as it plays.
struct GroupsPlayed final : AbacusObserver {
    GroupsPlayed() { abacus.Init(nullptr, 5); abacus.addObserver(this); }
    void RodStarts(const cAbacus&, const RodStep& step) override { groups.insert(BeadRule::GroupOf(step.from, step.change)); }
    cAbacus abacus;
    std::set<Group> groups;
};

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
    void drillQuestionsKeepTheirChoice_data();
    void drillQuestionsKeepTheirChoice();
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

void tst_ColumnQuestion::drillQuestionsKeepTheirChoice_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("kinds");
    // Which kinds come (+ adding, - taking away), by 出题类型 (none first) and 位数.
    const char* const kinds[4][6] = {{"+-", "+-", "+-", "+-", "+-", "+-"}, {"+-", "+-", "+-", "+-", "+-", "+-"},
                                     {"+", "+", "+-", "+-", "+", "+-"}, {"", "-", "+", "+-", "-", "+-"}};
    for (int style = -1; style < 3; ++style)
        for (int range = 0; range < 6; ++range)
            QTest::addRow("style %d, range %d", style, range) << style << range << kinds[style + 1][range];
}

void tst_ColumnQuestion::drillQuestionsKeepTheirChoice()
{
    QFETCH(int, style);
    QFETCH(int, range);
    QFETCH(QString, kinds);
    const DrillQuestions questions(style < 0 ? std::nullopt : std::optional(Course::QuestionStyles.at(style)),
                                   Course::OperandRanges().at(range));
    ScriptedRandom random;
    GroupsPlayed played;
    int subtractions = 0;
    std::optional<DrillQuestion> previous;
    for (int i = 0; i < 1000 && !kinds.isEmpty(); ++i) {
        const std::optional<DrillQuestion> question = questions.Make(random, previous);
        QVERIFY(question && question != previous);
        const auto [first, second] = *previous = *question;
        const std::vector<Group> used = Course::GroupsUsedBy(first, second);
        QVERIFY(holds(Ranges[range], first) && holds(Ranges[range], std::abs(second)) && first + second >= 0);
        QVERIFY(practises(style, {used.begin(), used.end()}));
        subtractions += second < 0 ? 1 : 0;
        // A step costs 20 frames: every 20th question is played, to see the abacus name the same groups.
        if (i % 20 != 0)
            continue;
        played.abacus.Draw(first);
        played.groups.clear();
        double from = -1, change = second;
        QVERIFY(played.abacus.AddNum(from, change));
        QCOMPARE(used, std::vector(played.groups.begin(), played.groups.end()));
    }
    QCOMPARE(questions.Make(random, previous).has_value(), !kinds.isEmpty());
    QVERIFY2(kinds == "+-" ? subtractions >= 400 && subtractions <= 600 : subtractions == (kinds == "-") * 1000,
             QByteArray::number(subtractions));
}

QTEST_APPLESS_MAIN(tst_ColumnQuestion)
#include "tst_ColumnQuestion.moc"
