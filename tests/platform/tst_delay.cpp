#include "platform/EventLoopWaiter.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <limits>

// Only lower bounds on time: a loaded machine may always wait longer.
class TestDelay : public QObject {
    Q_OBJECT

private slots:
    void pendingEventsRunEvenWithoutTime_data();
    void pendingEventsRunEvenWithoutTime();
    void waitsAtLeastTheTimeAsked_data();
    void waitsAtLeastTheTimeAsked();
    void queuedCallRunsDuringAWait();
    void timerTicksDuringAWait();
    void nestedWaitEndsBeforeTheOuterOne();
};

void TestDelay::pendingEventsRunEvenWithoutTime_data()
{
    QTest::addColumn<int>("milliseconds");
    QTest::addRow("0") << 0;
    QTest::addRow("-1") << -1;
    QTest::addRow("-1000") << -1000;
    QTest::addRow("smallest") << std::numeric_limits<int>::min();
}

void TestDelay::pendingEventsRunEvenWithoutTime()
{
    QFETCH(int, milliseconds);

    EventLoopWaiter waiter;
    int ran = 0;
    QMetaObject::invokeMethod(this, [&ran] { ++ran; }, Qt::QueuedConnection);
    QVERIFY(waiter.Delay(milliseconds));
    QCOMPARE(ran, 1);
}

void TestDelay::waitsAtLeastTheTimeAsked_data()
{
    QTest::addColumn<int>("milliseconds");
    QTest::addRow("1") << 1;
    QTest::addRow("20") << 20;
    QTest::addRow("50, one frame") << 50;
    QTest::addRow("120") << 120;
}

void TestDelay::waitsAtLeastTheTimeAsked()
{
    QFETCH(int, milliseconds);

    EventLoopWaiter waiter;
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(waiter.Delay(milliseconds));
    QVERIFY2(elapsed.elapsed() >= milliseconds, qPrintable(QString::number(elapsed.elapsed())));
}

void TestDelay::queuedCallRunsDuringAWait()
{
    EventLoopWaiter waiter;
    bool ran = false;
    QTimer::singleShot(0, this, [&ran] { ran = true; });
    QVERIFY(waiter.Delay(200));
    QVERIFY(ran);
}

void TestDelay::timerTicksDuringAWait()
{
    EventLoopWaiter waiter;
    int ticks = 0;
    QTimer timer;
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
    QElapsedTimer elapsed;
    elapsed.start();
    timer.start();
    QVERIFY(waiter.Delay(200));
    timer.stop();
    // The timer never runs outside the wait, so every tick happened inside it.
    QVERIFY2(ticks >= 1, qPrintable(QString::number(ticks)));
    QVERIFY(elapsed.elapsed() >= 200);
}

void TestDelay::nestedWaitEndsBeforeTheOuterOne()
{
    EventLoopWaiter waiter;
    QStringList order;
    qint64 inner = -1;
    QTimer::singleShot(10, this, [&] {
        order << QStringLiteral("inner starts");
        QElapsedTimer innerElapsed;
        innerElapsed.start();
        QVERIFY(waiter.Delay(150));
        inner = innerElapsed.elapsed();
        order << QStringLiteral("inner ends");
    });
    QElapsedTimer outerElapsed;
    outerElapsed.start();
    QVERIFY(waiter.Delay(30));
    const qint64 outer = outerElapsed.elapsed();
    order << QStringLiteral("outer ends");

    QCOMPARE(order, QStringList({"inner starts", "inner ends", "outer ends"}));
    QVERIFY(inner >= 150);
    QVERIFY(outer >= inner);
}

QTEST_GUILESS_MAIN(TestDelay)
#include "tst_delay.moc"
