#include "platform/EventLoopWaiter.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTest>
#include <QTimer>

// The end of the program is for good: these run in their own process, in order.
namespace {
// Far longer than any of these waits can take once the program is ending.
constexpr int LongWait = 20000;
constexpr int Prompt = LongWait / 4;
}  // namespace

class TestDelayEnding : public QObject {
    Q_OBJECT

private slots:
    void endingInsideNestedWaitsEndsThemAll();
    void laterWaitsEndAtOnce();
};

void TestDelayEnding::endingInsideNestedWaitsEndsThemAll()
{
    QVERIFY(!EventLoopWaiter::ProgramEnding());
    EventLoopWaiter waiter;
    QStringList order;
    QTimer::singleShot(10, this, [&] {
        QTimer::singleShot(10, this, [&] {
            order << QStringLiteral("ending");
            EventLoopWaiter::EndProgram();
        });
        const bool inner = waiter.Delay(LongWait);
        order << (inner ? QStringLiteral("inner went on") : QStringLiteral("inner stopped"));
    });
    QElapsedTimer elapsed;
    elapsed.start();
    const bool outer = waiter.Delay(LongWait);
    order << (outer ? QStringLiteral("outer went on") : QStringLiteral("outer stopped"));

    QCOMPARE(order, QStringList({"ending", "inner stopped", "outer stopped"}));
    QVERIFY(elapsed.elapsed() < Prompt);
    QVERIFY(EventLoopWaiter::ProgramEnding());
}

void TestDelayEnding::laterWaitsEndAtOnce()
{
    EventLoopWaiter::EndProgram();
    bool routineRan = false;
    QMetaObject::invokeMethod(this, [&] { routineRan = true; }, Qt::QueuedConnection);
    EventLoopWaiter waiter;
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(!waiter.Delay(LongWait));
    QVERIFY(!waiter.Delay(0));
    QVERIFY(!waiter.Delay(LongWait));
    QVERIFY(elapsed.elapsed() < Prompt);
    QVERIFY(EventLoopWaiter::ProgramEnding());
    QVERIFY(!routineRan);
}

QTEST_GUILESS_MAIN(TestDelayEnding)
#include "tst_delay_ending.moc"
