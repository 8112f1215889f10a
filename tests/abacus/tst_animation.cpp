#include "DrawnBoard.h"
#include "RecordingObserver.h"
#include "RecordingSurface.h"
#include "TestEnvironment.h"
#include "abacus/cAbacus.h"

#include <QStringList>
#include <QTest>

#include <functional>
#include <vector>

using Kind = RecordingSurface::Kind;
using Calls = std::vector<RecordingSurface::Call>;

namespace {

constexpr int FramesPerMove = 20;

// Keeps what was drawn before each wait: the frame that wait paces. A test
// may act inside a wait as well, as a click during an animation would.
class FrameRecorder {
public:
    FrameRecorder(InstantWaiter& waiter, RecordingSurface& surface)
    {
        waiter.duringWait = [this, &surface](int wait) {
            frames.push_back(surface.calls);
            surface.reset();
            if (alsoDuringWait)
                alsoDuringWait(wait);
        };
    }

    std::vector<Calls> frames;
    std::function<void(int)> alsoDuringWait;
};

// The boards of a run of 20 frames, each of which must repaint the whole board once.
std::vector<DrawnBoard> boardsOfOneMove(const std::vector<Calls>& frames, std::size_t first, int rods, QString& problem)
{
    std::vector<DrawnBoard> boards;
    for (std::size_t n = first; n < first + FramesPerMove; ++n) {
        boards.emplace_back(frames[n]);
        int clears = 0;
        for (const RecordingSurface::Call& call : frames[n])
            clears += call.kind == Kind::Clear;
        if (!boards.back().wellFormed() || boards.back().beadCount() != rods * 5 || clears != 2)
            problem = QStringLiteral("frame %1 is not one whole board").arg(n + 1);
    }
    return boards;
}

// Only the beads of `rod` are blue, and they travel one unit per frame from
// where the digit `from` puts them to where `to` does.
void checkTravel(const std::vector<DrawnBoard>& boards, int rod, int from, int to, QString& problem)
{
    for (int slot = 1; slot <= 5; ++slot) {
        const float start = boards[0].bead(rod, slot).y;
        const float step = boards[1].bead(rod, slot).y - start;
        const bool blue = boards[0].bead(rod, slot).colour == DrawnBoard::MovingBlue;
        if (blue != (step != 0) || (step != 0 && step != 1 && step != -1))
            problem = QStringLiteral("bead %1 of rod %2 moves by %3").arg(slot).arg(rod).arg(step);
        if (start - step != DrawnBoard::Height(from, slot) || boards.back().bead(rod, slot).y != DrawnBoard::Height(to, slot))
            problem = QStringLiteral("bead %1 of rod %2 does not go from %3 to %4").arg(slot).arg(rod).arg(from).arg(to);
        for (int n = 0; n < FramesPerMove; ++n) {
            if (boards[n].movingRods() != std::vector<int>{rod} || boards[n].bead(rod, slot).y != start + n * step)
                problem = QStringLiteral("frame %1 breaks the move of rod %2").arg(n + 1).arg(rod);
        }
    }
}

// One rod's move in a run of 20 frames, as "rod:from>to".
QString readMove(const std::vector<Calls>& frames, std::size_t first, int rods, QString& problem)
{
    const std::vector<DrawnBoard> boards = boardsOfOneMove(frames, first, rods, problem);
    if (!problem.isEmpty())
        return {};
    const std::vector<int> moving = boards.front().movingRods();
    if (moving.size() != 1) {
        problem = QStringLiteral("frame %1 has %2 moving rods").arg(first + 1).arg(moving.size());
        return {};
    }
    const int rod = moving.front();
    const int from = boards.front().digit(rod);
    const int to = boards.back().digit(rod);
    checkTravel(boards, rod, from, to, problem);
    return QStringLiteral("%1:%2>%3").arg(rod).arg(from).arg(to);
}

QString readMoves(const std::vector<Calls>& frames, int rods, QString& problem)
{
    if (frames.size() % FramesPerMove != 0)
        problem = QStringLiteral("%1 frames").arg(frames.size());
    QStringList moves;
    for (std::size_t first = 0; problem.isEmpty() && first < frames.size(); first += FramesPerMove)
        moves << readMove(frames, first, rods, problem);
    return moves.join(u' ');
}

bool allWaitsAreFrames(const InstantWaiter& waiter)
{
    return waiter.framesOf(50) == static_cast<int>(waiter.waits.size());
}

// A board of `rods` rods showing `shown`, drawn once before the test starts recording.
void prepare(cAbacus& abacus, RecordingSurface& surface, int rods, double shown)
{
    abacus.Init(&surface, static_cast<std::int16_t>(rods));
    abacus.Draw(shown);
    surface.reset();
}

}  // namespace

class TestAnimation : public QObject {
    Q_OBJECT

private slots:
    void rodChangeIsTwentyFrames();
    void beadDirections_data();
    void beadDirections();
    void sameDigitTakesNoTime();
    void lastFrameStaysBlueUntilTheNextDraw();
    void drawInsideAWaitShowsBeadsOneUnitBack();
    void addNum_data();
    void addNum();
    void addNumConsumesItsArguments_data();
    void addNumConsumesItsArguments();
    void changeNum_data();
    void changeNum();
    void jinWei();
    void programEndingStopsAfterTheFirstFrame();
    void detachInsideAWait_data();
    void detachInsideAWait();
    void detachStopsChangeNum();
    void initInsideAWait_data();
    void initInsideAWait();
};

void TestAnimation::rodChangeIsTwentyFrames()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, 5, 0);
    FrameRecorder recorder(env.waiter, surface);

    QVERIFY(abacus.ChangeNum(0, 9));
    QCOMPARE(env.waiter.waits, std::vector<int>(20, 50));
    QString problem;
    QCOMPARE(readMoves(recorder.frames, 5, problem), QStringLiteral("4:0>9"));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(abacus.Value(), 9.0);
    for (int slot = 1; slot <= 5; ++slot)
        QCOMPARE(abacus.Column(4).Bead(slot).Y(), DrawnBoard::Height(9, slot));

    // The rod's own digit follows: a click on bead 1 now works from 9.
    QVERIFY(abacus.IsSelect(150, 65));
    abacus.MouseUp(150, 65);
    QCOMPARE(abacus.Value(), 5.0);
}

void TestAnimation::beadDirections_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("directions");  // slots 1 to 5: up, down, or still

    QTest::addRow("0 to 9") << 0 << 9 << "++++-";
    QTest::addRow("9 to 0") << 9 << 0 << "----+";
    QTest::addRow("4 to 7") << 4 << 7 << "00---";
    QTest::addRow("3 to 1") << 3 << 1 << "0--00";
    QTest::addRow("2 to 6") << 2 << 6 << "0-00-";
    QTest::addRow("5 to 8") << 5 << 8 << "+++00";
    QTest::addRow("6 to 4") << 6 << 4 << "0++++";
    QTest::addRow("7 to 5") << 7 << 5 << "--000";
    QTest::addRow("1 to 2") << 1 << 2 << "0+000";
    QTest::addRow("5 to 0") << 5 << 0 << "0000+";
}

void TestAnimation::beadDirections()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, directions);

    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, 5, from);
    FrameRecorder recorder(env.waiter, surface);

    QVERIFY(abacus.ChangeNum(from, to));
    QCOMPARE(recorder.frames.size(), std::size_t(20));
    const DrawnBoard first(recorder.frames.front());
    const DrawnBoard second(recorder.frames[1]);
    QString seen;
    for (int slot = 1; slot <= 5; ++slot) {
        const float step = second.bead(4, slot).y - first.bead(4, slot).y;
        seen += step > 0 ? u'+' : step < 0 ? u'-' : u'0';
        const bool blue = first.bead(4, slot).colour == DrawnBoard::MovingBlue;
        QCOMPARE(blue, directions[slot - 1] != u'0');
    }
    QCOMPARE(seen, directions);
    QCOMPARE(abacus.Value(), double(to));

    // The move is over: a redraw shows no bead in the moving colour.
    surface.reset();
    abacus.Draw();
    QVERIFY(DrawnBoard(surface.calls).movingRods().empty());
}

void TestAnimation::sameDigitTakesNoTime()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, 5, 33333);

    QVERIFY(abacus.ChangeNum(33333, 33333));
    QVERIFY(abacus.ChangeNum(3, 3));
    QVERIFY(env.waiter.waits.empty());
    QVERIFY(surface.calls.empty());
    QCOMPARE(abacus.Value(), 33333.0);
}

void TestAnimation::lastFrameStaysBlueUntilTheNextDraw()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, 5, 0);
    FrameRecorder recorder(env.waiter, surface);

    QVERIFY(abacus.ChangeNum(0, 3));
    QVERIFY(surface.calls.empty());
    const DrawnBoard last(recorder.frames.back());
    QCOMPARE(last.bead(4, 3).y, 45.0f);
    QCOMPARE(last.bead(4, 3).colour, DrawnBoard::MovingBlue);
}

void TestAnimation::drawInsideAWaitShowsBeadsOneUnitBack()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, 5, 0);
    Calls nested;
    env.waiter.duringWait = [&](int wait) {
        if (wait != 5)
            return;
        surface.reset();
        abacus.Draw();
        nested = surface.calls;
    };

    QVERIFY(abacus.ChangeNum(0, 9));
    const DrawnBoard drawn(nested);
    QCOMPARE(drawn.beadCount(), 25);
    QCOMPARE(drawn.bead(4, 1).y, 44.0f);
    QCOMPARE(drawn.bead(4, 5).y, 96.0f);
    QCOMPARE(drawn.bead(4, 5).colour, DrawnBoard::MovingBlue);
    QCOMPARE(env.waiter.waits.size(), std::size_t(20));
    QCOMPARE(abacus.Value(), 9.0);
}

void TestAnimation::addNum_data()
{
    QTest::addColumn<double>("shown");
    QTest::addColumn<double>("added");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<double>("result");

    QTest::addRow("95 + 17: two carries") << 95.0 << 17.0 << "3:9>0 2:0>1 4:5>2 3:0>1" << 112.0;
    QTest::addRow("99999 + 1: the last carry is lost") << 99999.0 << 1.0 << "4:9>0 3:9>0 2:9>0 1:9>0 0:9>0" << 0.0;
    QTest::addRow("52 - 3: borrow") << 52.0 << -3.0 << "4:2>9 3:5>4" << 49.0;
    QTest::addRow("58 - 23: no borrow") << 58.0 << -23.0 << "3:5>3 4:8>5" << 35.0;
    QTest::addRow("1000 - 1: borrows cascade") << 1000.0 << -1.0 << "4:0>9 3:0>9 2:0>9 1:1>0" << 999.0;
    QTest::addRow("0 - 1: the last borrow is lost") << 0.0 << -1.0 << "4:0>9 3:0>9 2:0>9 1:0>9 0:0>9" << 99999.0;
    QTest::addRow("12 + 0: nothing moves") << 12.0 << 0.0 << "" << 12.0;
    QTest::addRow("7 + 5: carry after the rod's own move") << 7.0 << 5.0 << "4:7>2 3:0>1" << 12.0;
}

void TestAnimation::addNum()
{
    QFETCH(double, shown);
    QFETCH(double, added);
    QFETCH(QString, moves);
    QFETCH(double, result);

    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, 5, shown);
    FrameRecorder recorder(env.waiter, surface);

    double from = -1;
    QVERIFY(abacus.AddNum(from, added));
    QString problem;
    QCOMPARE(readMoves(recorder.frames, 5, problem), moves);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(allWaitsAreFrames(env.waiter));
    QCOMPARE(abacus.Value(), result);
    QCOMPARE(from, shown);
    QCOMPARE(added, 0.0);
}

void TestAnimation::addNumConsumesItsArguments_data()
{
    QTest::addColumn<double>("shown");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("added");
    QTest::addColumn<double>("fromAfter");
    QTest::addColumn<double>("addedAfter");
    QTest::addColumn<double>("result");

    QTest::addRow("both too long") << 0.0 << 123456.0 << 1234567.0 << 1.0 << 12.0 << 58023.0;
    QTest::addRow("subtrahend too long") << 99999.0 << -1.0 << -123456.0 << 99999.0 << 1.0 << 76543.0;
    QTest::addRow("start digits, not the beads") << 0.0 << 12.0 << 3.0 << 0.0 << 0.0 << 5.0;
    QTest::addRow("negative start is the shown number") << 40.0 << -5.0 << 3.0 << 40.0 << 0.0 << 43.0;
    QTest::addRow("16.5 adds 16") << 0.0 << -1.0 << 16.5 << 0.0 << 0.0 << 16.0;
    QTest::addRow("17.5 adds 18") << 0.0 << -1.0 << 17.5 << 0.0 << 0.0 << 18.0;
}

void TestAnimation::addNumConsumesItsArguments()
{
    QFETCH(double, shown);
    QFETCH(double, from);
    QFETCH(double, added);
    QFETCH(double, fromAfter);
    QFETCH(double, addedAfter);
    QFETCH(double, result);

    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, 5, shown);

    QVERIFY(abacus.AddNum(from, added));
    QCOMPARE(from, fromAfter);
    QCOMPARE(added, addedAfter);
    QCOMPARE(abacus.Value(), result);
}

void TestAnimation::changeNum_data()
{
    QTest::addColumn<int>("rods");
    QTest::addColumn<double>("to");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<double>("result");
    QTest::addColumn<QStringList>("said");  // no rule: each rod goes straight to its digit

    QTest::addRow("5 rods") << 5 << 1234.0 << "1:0>1 2:0>2 3:0>3 4:0>4" << 1234.0
                            << QStringList{"千位 拨成1", "百位 拨成2", "十位 拨成3", "个位 拨成4"};
    QTest::addRow("digits above five are ignored") << 5 << 9876543.0 << "0:0>7 1:0>6 2:0>5 3:0>4 4:0>3" << 76543.0
                                                   << QStringList{"万位 拨成7", "千位 拨成6", "百位 拨成5", "十位 拨成4", "个位 拨成3"};
    QTest::addRow("10 rods: the five leftmost") << 10 << 1234.0 << "1:0>1 2:0>2 3:0>3 4:0>4" << 123400000.0
                                                << QStringList{"亿位 拨成1", "千万位 拨成2", "百万位 拨成3", "十万位 拨成4"};
    QTest::addRow("3 rods: the three leftmost") << 3 << 1234.0 << "1:0>1 2:0>2" << 12.0
                                                << QStringList{"十位 拨成1", "个位 拨成2"};
}

void TestAnimation::changeNum()
{
    QFETCH(int, rods);
    QFETCH(double, to);
    QFETCH(QString, moves);
    QFETCH(double, result);
    QFETCH(QStringList, said);

    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, rods, 0);
    FrameRecorder recorder(env.waiter, surface);
    RecordingObserver observer(env.waiter);
    abacus.addObserver(&observer);

    QVERIFY(abacus.ChangeNum(0, to));
    QString problem;
    QCOMPARE(readMoves(recorder.frames, rods, problem), moves);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(abacus.Value(), result);
    QCOMPARE(observer.lines, said);
}

void TestAnimation::jinWei()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, 5, 19999);

    QVERIFY(abacus.JinWei(0));
    QVERIFY(env.waiter.waits.empty());
    QVERIFY(surface.calls.empty());
    QCOMPARE(abacus.Value(), 19999.0);

    FrameRecorder recorder(env.waiter, surface);
    QVERIFY(abacus.JinWei(2));
    QString problem;
    QCOMPARE(readMoves(recorder.frames, 5, problem), QStringLiteral("1:9>0 0:1>2"));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(abacus.Value(), 20999.0);
}

void TestAnimation::programEndingStopsAfterTheFirstFrame()
{
    TestEnvironment env;
    env.waiter.programEnding = true;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, 5, 95);
    FrameRecorder recorder(env.waiter, surface);

    double from = -1;
    double added = 17;
    QVERIFY(!abacus.AddNum(from, added));
    QCOMPARE(env.waiter.waits.size(), std::size_t(1));
    QCOMPARE(recorder.frames.size(), std::size_t(1));
    QVERIFY(surface.calls.empty());
}

void TestAnimation::detachInsideAWait_data()
{
    QTest::addColumn<int>("wait");
    QTest::addRow("first frame") << 1;
    QTest::addRow("middle of the first move") << 10;
    QTest::addRow("last frame of the first move") << 20;
    QTest::addRow("inside the carry") << 25;
    QTest::addRow("inside the last carry") << 79;
}

void TestAnimation::detachInsideAWait()
{
    QFETCH(int, wait);

    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, 5, 95);
    FrameRecorder recorder(env.waiter, surface);
    recorder.alsoDuringWait = [&](int n) {
        if (n == wait)
            abacus.Detach();
    };

    double from = -1;
    double added = 17;
    QVERIFY(!abacus.AddNum(from, added));
    QCOMPARE(env.waiter.waits.size(), std::size_t(wait));
    QVERIFY(surface.calls.empty());

    abacus.Draw(5);
    QVERIFY(surface.calls.empty());
}

void TestAnimation::detachStopsChangeNum()
{
    TestEnvironment env;
    RecordingSurface surface;
    cAbacus abacus;
    prepare(abacus, surface, 5, 0);
    env.waiter.duringWait = [&](int n) {
        if (n == 30)
            abacus.Detach();
    };
    QVERIFY(!abacus.ChangeNum(0, 1234));
    QCOMPARE(env.waiter.waits.size(), std::size_t(30));
}

void TestAnimation::initInsideAWait_data()
{
    QTest::addColumn<int>("rods");
    QTest::addColumn<int>("wait");
    QTest::addRow("more rods, first move") << 21 << 3;
    QTest::addRow("more rods, inside the carry") << 21 << 30;
    QTest::addRow("fewer rods") << 2 << 3;
    QTest::addRow("same count") << 5 << 3;
}

void TestAnimation::initInsideAWait()
{
    QFETCH(int, rods);
    QFETCH(int, wait);

    TestEnvironment env;
    RecordingSurface surface;
    RecordingSurface other;
    cAbacus abacus;
    prepare(abacus, surface, 5, 95);
    FrameRecorder recorder(env.waiter, surface);
    recorder.alsoDuringWait = [&](int n) {
        if (n == wait)
            abacus.Init(&other, static_cast<std::int16_t>(rods));
    };

    double from = -1;
    double added = 17;
    QVERIFY(!abacus.AddNum(from, added));
    QCOMPARE(env.waiter.waits.size(), std::size_t(wait));
    QVERIFY(surface.calls.empty());
    QCOMPARE(other.count(Kind::Line), 0);

    // The new board is whole and usable.
    QCOMPARE(abacus.Cols(), static_cast<std::int16_t>(rods));
    QCOMPARE(abacus.Value(), 0.0);
    abacus.Draw(1);
    QCOMPARE(DrawnBoard(other.calls).beadCount(), rods * 5);
    QCOMPARE(abacus.Value(), 1.0);
}

QTEST_APPLESS_MAIN(TestAnimation)
#include "tst_animation.moc"
