#include "abacus/BeadRule.h"

#include <QStringList>
#include <QTest>

#include <vector>

namespace {

using BeadRule::Group;

// The tables as children learn them, by the number added or taken (1 to 9).
const QStringList DirectAddition = {"一上一", "二上二", "三上三", "四上四", "五上五",
                                    "六上六", "七上七", "八上八", "九上九"};
const QStringList FiveAddition = {"一下五去四", "二下五去三", "三下五去二", "四下五去一"};
const QStringList TenAddition = {"一去九进一", "二去八进一", "三去七进一", "四去六进一", "五去五进一",
                                 "六去四进一", "七去三进一", "八去二进一", "九去一进一"};
const QStringList MixedAddition = {"六上一去五进一", "七上二去五进一", "八上三去五进一", "九上四去五进一"};
const QStringList DirectSubtraction = {"一下一", "二下二", "三下三", "四下四", "五下五",
                                       "六下六", "七下七", "八下八", "九下九"};
const QStringList FiveSubtraction = {"一上四去五", "二上三去五", "三上二去五", "四上一去五"};
const QStringList TenSubtraction = {"一退一还九", "二退一还八", "三退一还七", "四退一还六", "五退一还五",
                                    "六退一还四", "七退一还三", "八退一还二", "九退一还一"};
const QStringList MixedSubtraction = {"六退一还五去一", "七退一还五去二", "八退一还五去三", "九退一还五去四"};

// The group of a step, read off the beads alone: whether one is carried to or
// borrowed from the next rod, and whether the rod's own beads all move the
// same way (all to the beam, or all away from it) or both ways.
Group groupFromBeads(int digit, int change)
{
    const int sum = digit + change;
    const int after = (sum + 10) % 10;
    const int lowerMoved = after % 5 - digit % 5;
    const bool toBeam = (after >= 5 && digit < 5) || lowerMoved > 0;
    const bool fromBeam = (digit >= 5 && after < 5) || lowerMoved < 0;
    const bool bothWays = toBeam && fromBeam;
    if (sum > 9 || sum < 0)
        return bothWays ? Group::Mixed : Group::Ten;
    return bothWays ? Group::Five : Group::Direct;
}

QString expectedWords(Group group, int change)
{
    const int n = std::abs(change);
    const bool adding = change > 0;
    switch (group) {
    case Group::Direct:
        return (adding ? DirectAddition : DirectSubtraction).at(n - 1);
    case Group::Five:
        return (adding ? FiveAddition : FiveSubtraction).at(n - 1);
    case Group::Ten:
        return (adding ? TenAddition : TenSubtraction).at(n - 1);
    case Group::Mixed:
        break;
    }
    return (adding ? MixedAddition : MixedSubtraction).at(n - 6);
}

}  // namespace

class TestBeadRule : public QObject {
    Q_OBJECT

private slots:
    void ruleFollowsTheBeads_data();
    void ruleFollowsTheBeads();
    void groupsShareTheTable();
    void placesFromTheUnitsRod();
};

void TestBeadRule::ruleFollowsTheBeads_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<int>("change");
    for (int digit = 0; digit <= 9; ++digit) {
        for (int a = 1; a <= 9; ++a) {
            QTest::addRow("%d + %d", digit, a) << digit << a;
            QTest::addRow("%d - %d", digit, a) << digit << -a;
        }
    }
}

void TestBeadRule::ruleFollowsTheBeads()
{
    QFETCH(int, digit);
    QFETCH(int, change);
    const Group group = groupFromBeads(digit, change);
    QCOMPARE(BeadRule::GroupOf(digit, change), group);
    QCOMPARE(QString::fromStdString(BeadRule::Words(digit, change)), expectedWords(group, change));
}

void TestBeadRule::groupsShareTheTable()
{
    // Of the 90 ways to add 1 to 9 to a digit, or to take it away: direct, five, ten, mixed.
    for (const int sign : {1, -1}) {
        std::vector<int> counts(4);
        for (int way = 0; way < 90; ++way)
            ++counts.at(static_cast<std::size_t>(BeadRule::GroupOf(way % 10, sign * (way / 10 + 1))));
        QCOMPARE(counts, std::vector({35, 10, 35, 10}));
    }
}

void TestBeadRule::placesFromTheUnitsRod()
{
    QCOMPARE(QString::fromStdString(BeadRule::Place(0)), QStringLiteral("个位"));
    QCOMPARE(QString::fromStdString(BeadRule::Place(4)), QStringLiteral("万位"));
    QCOMPARE(QString::fromStdString(BeadRule::Place(9)), QStringLiteral("十亿位"));
    QCOMPARE(QString::fromStdString(BeadRule::Place(20)), QStringLiteral("万亿亿位"));
}

QTEST_MAIN(TestBeadRule)
#include "tst_beadrule.moc"
