#include "abacus/BeadRule.h"

#include <QSet>
#include <QStringList>
#include <QTest>

namespace {

const QString Digits = QStringLiteral("一二三四五六七八九");

// The two tables of the bead rules as children learn them.
const QStringList Addition = {
    "一上一", "二上二", "三上三", "四上四", "五下五", "六上六", "七上七", "八上八", "九上九",
    "一下五去四", "二下五去三", "三下五去二", "四下五去一",
    "一去九进一", "二去八进一", "三去七进一", "四去六进一", "五去五进一", "六去四进一", "七去三进一", "八去二进一", "九去一进一",
    "六上一去五进一", "七上二去五进一", "八上三去五进一", "九上四去五进一"};
const QStringList Subtraction = {
    "一下一", "二下二", "三下三", "四下四", "五上五", "六下六", "七下七", "八下八", "九下九",
    "一上四去五", "二上三去五", "三上二去五", "四上一去五",
    "一退一还九", "二退一还八", "三退一还七", "四退一还六", "五退一还五", "六退一还四", "七退一还三", "八退一还二", "九退一还一",
    "六退一还五去一", "七退一还五去二", "八退一还五去三", "九退一还五去四"};

// A rod's beads, and the carry (+1) or borrow (-1) its rule handed on.
struct Rod {
    bool upper;
    int lower;
    int handedOn = 0;
    int digit() const { return (upper ? 5 : 0) + lower; }
};

// n put on or taken off with the rod's own beads; false when they are not there to move.
bool move(Rod& rod, int n, bool on)
{
    if (n >= 5 && rod.upper == on)
        return false;
    rod.upper = n >= 5 ? on : rod.upper;
    rod.lower += on ? n % 5 : -(n % 5);
    return rod.lower >= 0 && rod.lower <= 4;
}

// Does the moves the words say, after the rule's name; empty when every one could be made.
QString perform(const QString& words, Rod& rod)
{
    for (qsizetype i = 1; i < words.size(); i += 2) {
        const QChar verb = words[i];
        const int n = i + 1 < words.size() ? static_cast<int>(Digits.indexOf(words[i + 1])) + 1 : 0;
        bool done = n > 0;
        if (verb == u'进' || verb == u'退') {
            done = done && n == 1 && rod.handedOn == 0;
            rod.handedOn = verb == u'进' ? 1 : -1;
        } else if (verb == u'还' || verb == u'去') {
            done = done && move(rod, n, verb == u'还');
        } else {
            // Lower beads go up to put on and down to take off; the upper
            // bead alone goes down to put on five and up to take it off.
            done = done && (verb == u'上' || verb == u'下') && move(rod, n, (verb == u'上') != (n == 5));
        }
        if (!done)
            return QStringLiteral("cannot do %1 at %2").arg(words.mid(i, 2)).arg(i);
    }
    return {};
}

}  // namespace

class TestBeadRule : public QObject {
    Q_OBJECT

private slots:
    void movesGiveTheSum_data();
    void movesGiveTheSum();
    void wordsAreTheTwoTables();
    void placesFromTheUnitsRod();
};

void TestBeadRule::movesGiveTheSum_data()
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

void TestBeadRule::movesGiveTheSum()
{
    QFETCH(int, digit);
    QFETCH(int, change);
    const QString words = QString::fromStdString(BeadRule::Words(digit, change));
    QCOMPARE(words.left(1), Digits.mid(std::abs(change) - 1, 1));
    Rod rod{digit >= 5, digit % 5};
    QCOMPARE(perform(words, rod), QString());
    const int sum = digit + change;
    QCOMPARE(rod.digit(), (sum + 10) % 10);
    QCOMPARE(rod.handedOn, sum > 9 ? 1 : sum < 0 ? -1 : 0);
}

void TestBeadRule::wordsAreTheTwoTables()
{
    QSet<QString> additions;
    QSet<QString> subtractions;
    for (int digit = 0; digit <= 9; ++digit) {
        for (int a = 1; a <= 9; ++a) {
            additions << QString::fromStdString(BeadRule::Words(digit, a));
            subtractions << QString::fromStdString(BeadRule::Words(digit, -a));
        }
    }
    const auto sorted = [](const auto& texts) {
        QStringList list(texts.begin(), texts.end());
        list.sort();
        return list;
    };
    QCOMPARE(sorted(additions), sorted(Addition));
    QCOMPARE(sorted(subtractions), sorted(Subtraction));
    QCOMPARE(Addition.size() + Subtraction.size(), 52);
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
