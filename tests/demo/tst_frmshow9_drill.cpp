#include "Show9Harness.h"

#include "abacus/ProgramWide.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QStringList>


namespace {

const QString DemoCaption = QStringLiteral("演示9遍9");
const QString PauseCaption = QStringLiteral("暂停");
const QString PauseMessage = QStringLiteral("这一遍加好以后就暂停");

enum class DrillState { Stopped, Running, RunningByStart, Held };

void enter(Show9Harness& h, DrillState state)
{
    switch (state) {
    case DrillState::Stopped:
        break;
    case DrillState::Running:
        h.click("cmdYanShi2");
        break;
    case DrillState::RunningByStart:
        h.click("cmdStart");
        break;
    case DrillState::Held:
        h.click("cmdYanShi2");
        h.click("cmdOk");
        break;
    }
}

DrillState stateOf(const Show9Harness& h)
{
    if (h.window.DemoRunning())
        return h.timerOn() ? DrillState::Running : DrillState::Held;
    return h.timerOn() ? DrillState::RunningByStart : DrillState::Stopped;
}

QString captionOf(DrillState state)
{
    return state == DrillState::Running || state == DrillState::Held ? PauseCaption : DemoCaption;
}

}  // namespace

Q_DECLARE_METATYPE(DrillState)

class TestFrmShow9Drill : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheStartValue();
    void onePass_data();
    void onePass();
    void tenPassesCycle();
    void framesOfOnePass_data();
    void framesOfOnePass();
    void transitions_data();
    void transitions();
    void pauseMessageComesWithTheTimerStopped();
    void generateNumber_data();
    void generateNumber();
    void generateBuilds_data();
    void generateBuilds();
    void generateAddsToZeroWhateverIsShown();
    void negativeNumberLeavesItsComplement();
    void outOfRangeRefused_data();
    void outOfRangeRefused();
    void clearBetweenPasses();
    void closedWhileRunningReopensHeld();
    void clickInsidePass_data();
    void clickInsidePass();
    void ticksInsidePassStartNothing();
    void closeInsidePass_data();
    void closeInsidePass();
    void generateInsidePassHoldsTheDrill();
    void exitEndsTheProgram();
};

void TestFrmShow9Drill::opensOnTheStartValue()
{
    ProgramWide::ColorfulBeads = true;
    Show9Harness h(Show9Harness::Drawing::OnPic);
    QCOMPARE(h.window.Frame()->windowTitle(), QStringLiteral("9遍9计算"));
    const QImage shown = h.pic()->picture();
    const QPoint beam = h.pic()->toWidget(QPointF(20, 70)).toPoint() * shown.devicePixelRatio();
    QCOMPARE(shown.pixelColor(beam), QColor(255, 0, 0));
    QCOMPARE(h.window.Abacus().Cols(), 10);
    QCOMPARE(h.value(), 123456789.0);
    QVERIFY(!ProgramWide::ColorfulBeads);
    QCOMPARE(h.timer()->interval(), 50);
    QCOMPARE(stateOf(h), DrillState::Stopped);
    QCOMPARE(h.caption(), DemoCaption);
}

void TestFrmShow9Drill::onePass_data()
{
    QTest::addColumn<double>("before");
    QTest::addColumn<double>("after");
    QTest::addRow("pass 1") << 123456789.0 << 246913578.0;
    QTest::addRow("pass 2") << 246913578.0 << 370370367.0;
    QTest::addRow("pass 3") << 370370367.0 << 493827156.0;
    QTest::addRow("pass 4") << 493827156.0 << 617283945.0;
    QTest::addRow("pass 5") << 617283945.0 << 740740734.0;
    QTest::addRow("pass 6") << 740740734.0 << 864197523.0;
    QTest::addRow("pass 7") << 864197523.0 << 987654312.0;
    QTest::addRow("pass 8") << 987654312.0 << 1111111101.0;
    QTest::addRow("pass 9 reaches 1234567890 and clears") << 1111111101.0 << 0.0;
    QTest::addRow("pass 10 from 0") << 0.0 << 123456789.0;
    QTest::addRow("one below the limit stays") << 1111111100.0 << 1234567889.0;
    QTest::addRow("above the limit clears") << 1111111102.0 << 0.0;
}

void TestFrmShow9Drill::onePass()
{
    QFETCH(double, before);
    QFETCH(double, after);
    Show9Harness h;
    h.window.Abacus().Draw(before);
    h.click("cmdYanShi2");
    h.tick();
    QCOMPARE(h.value(), after);
    QCOMPARE(stateOf(h), DrillState::Running);
}

void TestFrmShow9Drill::tenPassesCycle()
{
    const double afterPass[] = {246913578, 370370367, 493827156, 617283945, 740740734,
                                864197523, 987654312, 1111111101, 0,         123456789};
    Show9Harness h;
    h.click("cmdYanShi2");
    for (double expected : afterPass) {
        h.tick();
        QCOMPARE(h.value(), expected);
    }
}

// One 20-frame change for every rod that changes and for every carry,
// counted by hand from the rods' digits.
void TestFrmShow9Drill::framesOfOnePass_data()
{
    QTest::addColumn<double>("before");
    QTest::addColumn<int>("changes");
    // 0123456789: rods 1 to 4 change once; rods 5 to 9 overflow, each with
    // its own change and a carry into the rod on its left.
    QTest::addRow("from 123456789") << 123456789.0 << 4 + 5 * 2;
    // 0000000000: rods 1 to 9 change, no carry; rod 0 adds nothing.
    QTest::addRow("from 0") << 0.0 << 9;
    // 0987654312: rods 1 to 7 overflow (7 changes, 7 carries), rod 8 goes
    // 1 to 9, rod 9 overflows and its carry turns rod 8 over into rod 7.
    QTest::addRow("from 987654312") << 987654312.0 << 7 * 2 + 1 + 3;
}

void TestFrmShow9Drill::framesOfOnePass()
{
    QFETCH(double, before);
    QFETCH(int, changes);
    Show9Harness h;
    h.window.Abacus().Draw(before);
    h.click("cmdYanShi2");
    h.env.waiter.waits.clear();
    h.tick();
    QCOMPARE(h.env.waiter.framesOf(50), changes * 20);
    QCOMPARE(static_cast<int>(h.env.waiter.waits.size()), changes * 20);
    // One line as each change starts, before its first frame, and the sum at the end.
    std::vector<int> lineAfterWaits;
    for (int change = 0; change <= changes; ++change)
        lineAfterWaits.push_back(change * 20);
    QCOMPARE(h.said.waitsBefore, lineAfterWaits);
    QCOMPARE(h.said.lines.last(), QStringLiteral("%1 + 123456789 = %2").arg(before, 0, 'f', 0).arg(h.value(), 0, 'f', 0));
}

void TestFrmShow9Drill::transitions_data()
{
    QTest::addColumn<DrillState>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<DrillState>("to");
    QTest::addColumn<bool>("message");
    const QString yanShi = QStringLiteral("cmdYanShi2");
    const QString ok = QStringLiteral("cmdOk");
    const QString start = QStringLiteral("cmdStart");
    using S = DrillState;
    QTest::addRow("stopped, 演示9遍9") << S::Stopped << yanShi << S::Running << false;
    QTest::addRow("stopped, 生成数字") << S::Stopped << ok << S::Stopped << false;
    QTest::addRow("stopped, 开始") << S::Stopped << start << S::RunningByStart << false;
    QTest::addRow("running, 暂停") << S::Running << yanShi << S::Stopped << true;
    QTest::addRow("running, 生成数字") << S::Running << ok << S::Held << false;
    QTest::addRow("running, 开始") << S::Running << start << S::Running << false;
    QTest::addRow("running by 开始, 演示9遍9") << S::RunningByStart << yanShi << S::Running << false;
    QTest::addRow("running by 开始, 生成数字") << S::RunningByStart << ok << S::Stopped << false;
    QTest::addRow("running by 开始, 开始") << S::RunningByStart << start << S::RunningByStart << false;
    QTest::addRow("held, 暂停") << S::Held << yanShi << S::Stopped << true;
    QTest::addRow("held, 生成数字") << S::Held << ok << S::Held << false;
    QTest::addRow("held, 开始") << S::Held << start << S::Running << false;
}

void TestFrmShow9Drill::transitions()
{
    QFETCH(DrillState, from);
    QFETCH(QString, button);
    QFETCH(DrillState, to);
    QFETCH(bool, message);
    Show9Harness h;
    enter(h, from);
    QCOMPARE(stateOf(h), from);
    QCOMPARE(h.caption(), captionOf(from));
    h.click(button.toLatin1().constData());
    QCOMPARE(stateOf(h), to);
    QCOMPARE(h.caption(), captionOf(to));
    QCOMPARE(h.env.messages.boxes.size(), message ? 1 : 0);
    if (message) {
        QVERIFY(!h.env.messages.boxes.first().information);
        QCOMPARE(h.env.messages.boxes.first().text, PauseMessage);
    }
}

void TestFrmShow9Drill::pauseMessageComesWithTheTimerStopped()
{
    Show9Harness h;
    h.click("cmdYanShi2");
    bool timerWhileOpen = true;
    QString captionWhileOpen;
    h.env.messages.whileOpen = [&](const RecordingMessages::Box&) {
        timerWhileOpen = h.timerOn();
        captionWhileOpen = h.caption();
    };
    h.click("cmdYanShi2");
    QVERIFY(!timerWhileOpen);
    QCOMPARE(captionWhileOpen, DemoCaption);
    QCOMPARE(h.env.messages.boxes.size(), 1);
}

void TestFrmShow9Drill::generateNumber_data()
{
    QTest::addColumn<DrillState>("from");
    QTest::addColumn<DrillState>("to");
    QTest::addRow("stopped") << DrillState::Stopped << DrillState::Stopped;
    QTest::addRow("running") << DrillState::Running << DrillState::Held;
    QTest::addRow("running by 开始") << DrillState::RunningByStart << DrillState::Stopped;
}

void TestFrmShow9Drill::generateNumber()
{
    QFETCH(DrillState, from);
    QFETCH(DrillState, to);
    Show9Harness h;
    enter(h, from);
    h.env.waiter.waits.clear();
    double shownDuringPause = -1;
    h.env.waiter.duringWait = [&](int wait) {
        if (wait == 1)
            shownDuringPause = h.value();
    };
    h.click("cmdOk");
    QCOMPARE(h.value(), 12345.0);
    QCOMPARE(shownDuringPause, 0.0);
    QCOMPARE(h.env.waiter.waits.front(), 1000);
    QCOMPARE(h.env.waiter.framesOf(1000), 1);
    QCOMPARE(h.env.waiter.framesOf(50), 5 * 20);
    QCOMPARE(stateOf(h), to);
    QCOMPARE(h.caption(), captionOf(from));
    QVERIFY(h.env.messages.boxes.isEmpty());
}

void TestFrmShow9Drill::generateBuilds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("shown");
    QTest::addRow("largest") << QStringLiteral("2147483647") << 2147483647.0;
    QTest::addRow("zero") << QStringLiteral("0") << 0.0;
    QTest::addRow("no number") << QStringLiteral("abc") << 0.0;
    QTest::addRow("leading part") << QStringLiteral("42abc") << 42.0;
    QTest::addRow("half to even") << QStringLiteral("12.5") << 12.0;
    QTest::addRow("small negative rounds to 0") << QStringLiteral("-0.4") << 0.0;
    // Taken from 0, a borrow runs out of the leftmost rod and is lost.
    QTest::addRow("negative") << QStringLiteral("-23") << 9999999977.0;
    QTest::addRow("rounds down to -1") << QStringLiteral("-0.6") << 9999999999.0;
    QTest::addRow("smallest") << QStringLiteral("-2147483647") << 7852516353.0;
}

void TestFrmShow9Drill::generateBuilds()
{
    QFETCH(QString, text);
    QFETCH(double, shown);
    Show9Harness h;
    h.find<QLineEdit>("txtNewNum")->setText(text);
    h.click("cmdOk");
    QCOMPARE(h.value(), shown);
    QCOMPARE(h.env.waiter.framesOf(1000), 1);
    QVERIFY(h.env.messages.boxes.isEmpty());
}

void TestFrmShow9Drill::negativeNumberLeavesItsComplement()
{
    Show9Harness h;
    h.find<QLineEdit>("txtNewNum")->setText(QStringLiteral("-23"));
    h.click("cmdOk");
    QCOMPARE(h.said.lines.last(), QStringLiteral("0 − 23 = −23，算盘上是它的补数 9999999977"));
}

void TestFrmShow9Drill::generateAddsToZeroWhateverIsShown()
{
    Show9Harness h;
    // Something puts a 5 on the units rod during the pause, as a pass started by 开始 would.
    h.env.waiter.duringWait = [&h](int) {
        if (h.env.waiter.waits.back() == 1000)
            h.window.Abacus().Draw(5);
    };
    h.click("cmdOk");
    QCOMPARE(h.value(), 12345.0);
}

void TestFrmShow9Drill::outOfRangeRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("one too large") << QStringLiteral("2147483648");
    QTest::addRow("rounds up past the range") << QStringLiteral("2147483647.5");
    QTest::addRow("one too small") << QStringLiteral("-2147483648");
    QTest::addRow("huge") << QStringLiteral("1e20");
    QTest::addRow("hugely negative") << QStringLiteral("-1e20");
    QTest::addRow("beyond doubles") << QStringLiteral("1e400");
}

void TestFrmShow9Drill::outOfRangeRefused()
{
    QFETCH(QString, text);
    Show9Harness h;
    h.click("cmdYanShi2");
    h.tick();
    h.find<QLineEdit>("txtNewNum")->setText(text);
    h.env.waiter.waits.clear();
    h.click("cmdOk");
    QCOMPARE(h.value(), 246913578.0);
    QVERIFY(h.env.waiter.waits.empty());
    QCOMPARE(h.env.messages.boxes.size(), 1);
    QVERIFY(h.env.messages.boxes.first().information);
    QCOMPARE(h.env.messages.boxes.first().text, frmShow9::OutOfRangeText());
    QVERIFY(frmShow9::OutOfRangeText().contains(QStringLiteral("-2147483647到2147483647")));
    QCOMPARE(stateOf(h), DrillState::Held);
    QCOMPARE(h.caption(), PauseCaption);
}

void TestFrmShow9Drill::clearBetweenPasses()
{
    Show9Harness h;
    h.click("cmdYanShi2");
    h.tick();
    h.click("cmdclear");
    QCOMPARE(h.value(), 0.0);
    QCOMPARE(stateOf(h), DrillState::Running);
    h.tick();
    QCOMPARE(h.value(), 123456789.0);
}

void TestFrmShow9Drill::closedWhileRunningReopensHeld()
{
    Show9Harness h;
    h.click("cmdYanShi2");
    h.tick();
    QPointer<QTimer> oldTimer = h.timer();
    h.click("cmdOk2");
    QVERIFY(!h.window.IsLoaded());
    QVERIFY(!oldTimer->isActive());
    Show9Harness::flushDeletes();
    QVERIFY(oldTimer.isNull());

    h.window.Show(h.area);
    QCOMPARE(h.value(), 123456789.0);
    QCOMPARE(h.caption(), DemoCaption);
    QVERIFY(!h.timerOn());
    QVERIFY(h.window.DemoRunning());

    h.click("cmdYanShi2");
    QCOMPARE(h.env.messages.boxes.size(), 1);
    QCOMPARE(h.env.messages.boxes.first().text, PauseMessage);
    QCOMPARE(stateOf(h), DrillState::Stopped);
    QCOMPARE(h.caption(), DemoCaption);

    h.click("cmdYanShi2");
    QCOMPARE(h.env.messages.boxes.size(), 1);
    QCOMPARE(stateOf(h), DrillState::Running);
    QCOMPARE(h.caption(), PauseCaption);
}

// Buttons clicked while a pass animates: the pass always completes, and the
// drill goes on afterwards exactly when the timer was left running.
void TestFrmShow9Drill::clickInsidePass_data()
{
    QTest::addColumn<DrillState>("from");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<DrillState>("to");
    QTest::addColumn<int>("messages");
    const QString yanShi = QStringLiteral("cmdYanShi2");
    const QString start = QStringLiteral("cmdStart");
    QTest::addRow("暂停") << DrillState::Running << QStringList{yanShi} << DrillState::Stopped << 1;
    QTest::addRow("演示9遍9 while running by 开始")
        << DrillState::RunningByStart << QStringList{yanShi} << DrillState::Running << 0;
    QTest::addRow("暂停 then 开始") << DrillState::Running << QStringList{yanShi, start} << DrillState::RunningByStart
                                    << 1;
    QTest::addRow("暂停 then 演示9遍9") << DrillState::Running << QStringList{yanShi, yanShi} << DrillState::Running
                                        << 1;
}

void TestFrmShow9Drill::clickInsidePass()
{
    QFETCH(DrillState, from);
    QFETCH(QStringList, clicks);
    QFETCH(DrillState, to);
    QFETCH(int, messages);
    Show9Harness h;
    enter(h, from);
    int waitsAtMessage = 0;
    h.env.messages.whileOpen = [&](const RecordingMessages::Box&) {
        waitsAtMessage = static_cast<int>(h.env.waiter.waits.size());
    };
    h.env.waiter.duringWait = [&](int wait) {
        if (wait % 100 == 0 && wait / 100 <= clicks.size())
            h.click(clicks.at(wait / 100 - 1).toLatin1().constData());
    };
    h.tick();
    QCOMPARE(h.value(), 246913578.0);
    QCOMPARE(static_cast<int>(h.env.waiter.waits.size()), 280);
    QCOMPARE(stateOf(h), to);
    QCOMPARE(h.caption(), captionOf(to));
    QCOMPARE(h.env.messages.boxes.size(), messages);
    if (messages > 0)
        QCOMPARE(waitsAtMessage, 100);
}

void TestFrmShow9Drill::ticksInsidePassStartNothing()
{
    Show9Harness h;
    h.click("cmdYanShi2");
    h.env.waiter.duringWait = [&](int wait) {
        if (wait == 10 || wait == 279)
            h.tick();
    };
    h.tick();
    QCOMPARE(h.value(), 246913578.0);
    QCOMPARE(static_cast<int>(h.env.waiter.waits.size()), 280);
    h.env.waiter.duringWait = nullptr;
    h.tick();
    QCOMPARE(h.value(), 370370367.0);
}

void TestFrmShow9Drill::closeInsidePass_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::addRow("完成") << false;
    QTest::addRow("close box") << true;
}

void TestFrmShow9Drill::closeInsidePass()
{
    QFETCH(bool, closeBox);
    Show9Harness h;
    h.click("cmdYanShi2");
    QPointer<QTimer> timer = h.timer();
    QPointer<PictureBox> pic = h.pic();
    int drawnAtClose = 0;
    h.env.waiter.duringWait = [&](int wait) {
        if (wait != 100)
            return;
        if (closeBox)
            h.window.Frame()->close();
        else
            h.click("cmdOk2");
        drawnAtClose = h.counted.calls;
    };
    h.tick();
    QVERIFY(!h.window.IsLoaded());
    QCOMPARE(static_cast<int>(h.env.waiter.waits.size()), 100);
    QVERIFY(!timer->isActive());
    QCOMPARE(h.counted.calls, drawnAtClose);
    Show9Harness::flushDeletes();
    QVERIFY(timer.isNull());
    QVERIFY(pic.isNull());
}

void TestFrmShow9Drill::generateInsidePassHoldsTheDrill()
{
    Show9Harness h;
    h.click("cmdYanShi2");
    h.env.waiter.duringWait = [&](int wait) {
        if (wait == 100)
            h.click("cmdOk");
    };
    h.tick();
    QCOMPARE(h.env.waiter.framesOf(1000), 1);
    QCOMPARE(stateOf(h), DrillState::Held);
    QCOMPARE(h.caption(), PauseCaption);
}

void TestFrmShow9Drill::exitEndsTheProgram()
{
    Show9Harness h;
    h.click("cmdYanShi2");
    h.env.waiter.duringWait = [&](int wait) {
        if (wait == 40)
            h.click("cmdExit");
    };
    h.tick();
    QCOMPARE(h.programEnds, 1);
    QCOMPARE(static_cast<int>(h.env.waiter.waits.size()), 40);
}

QTEST_MAIN(TestFrmShow9Drill)
#include "tst_frmshow9_drill.moc"
