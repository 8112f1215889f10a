#include "Train02Fixture.h"

#include "exercises/NumberText.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

// The largest number a uniform draw in [0, 1) can be.
const float LargestDraw = std::nextafter(1.0f, 0.0f);

}  // namespace

class tst_frmTrain02Run : public QObject {
    Q_OBJECT

private slots:
    void startRunsTheTimer();
    void tenQuestionsThenSummary();
    void summaryOpensWithTimerStopped();
    void digitBoxSetsRange_data();
    void digitBoxSetsRange();
    void timeBoxSetsInterval_data();
    void timeBoxSetsInterval();
    void sameNumberNeverTwiceInARow();
    void loweredQuestionCountEndsRunAtNextTick();
    void runWithNoQuestionScoresZero();
    void closedWhileSummaryOpen();
    void newRunDuringSummaryIsKept();
    void startDuringRunRestartsCount();
};

void tst_frmTrain02Run::startRunsTheTimer()
{
    Train02Fixture f;
    f.click("cmdStart");
    auto* timer = f.find<QTimer>("Timer1");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1);
    QCOMPARE(f.window.QuestionCount(), 0.0);
}

void tst_frmTrain02Run::tenQuestionsThenSummary()
{
    Train02Fixture f;
    f.click("cmdStart");
    auto* timer = f.find<QTimer>("Timer1");
    for (int question = 1; question <= 10; ++question) {
        f.tick();
        QCOMPARE(f.text("labShow"), QStringLiteral("第%1题").arg(question));
        QCOMPARE(f.find("labShow")->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(f.window.QuestionCount(), double(question));
        const double shown = f.window.CurrentNum();
        QVERIFY(shown >= 1 && shown <= 8);
        QCOMPARE(f.shown(), shown);
        // The answer buttons carry the number among their captions and are enabled, but stay hidden.
        QVERIFY(f.text("cmdNum0") == NumberText(shown) || f.text("cmdNum1") == NumberText(shown)
                || f.text("cmdNum2") == NumberText(shown));
        QVERIFY(f.find("cmdNum0")->isEnabled() && !f.shows("cmdNum0"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 5000);
    }
    QVERIFY(f.env.messages.boxes.isEmpty());

    f.tick();
    QCOMPARE(f.env.messages.boxes.size(), 1);
    const auto& box = f.env.messages.boxes.first();
    QVERIFY(box.information);
    QCOMPARE(box.text, ExerciseWindow::RunSummary(10, 0));
    QVERIFY(box.text.contains(QStringLiteral("共出题：10道")));
    QVERIFY(box.text.endsWith(QStringLiteral("得分:0")));
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 1);
    QCOMPARE(f.window.QuestionCount(), 0.0);
    QCOMPARE(f.window.RightCount(), 0);
    QCOMPARE(f.text("labShow"), QStringLiteral("本轮所有题目都已经完成"));
    QVERIFY(!f.find("cmdNum0")->isEnabled() && !f.find("cmdNum2")->isEnabled());
    QCOMPARE(f.shown(), 0.0);
}

void tst_frmTrain02Run::summaryOpensWithTimerStopped()
{
    Train02Fixture f;
    f.setText("txtNum", QStringLiteral("1"));
    f.click("cmdStart");
    f.tick();
    bool activeWhileOpen = true;
    f.env.messages.whileOpen = [&](const RecordingMessages::Box&) {
        activeWhileOpen = f.find<QTimer>("Timer1")->isActive();
    };
    f.tick();
    QCOMPARE(f.env.messages.boxes.size(), 1);
    QVERIFY(!activeWhileOpen);
}

void tst_frmTrain02Run::digitBoxSetsRange_data()
{
    QTest::addColumn<QString>("digits");
    QTest::addColumn<double>("range");
    QTest::addRow("1") << "1" << 8.0;
    QTest::addRow("2") << "2" << 98.0;
    QTest::addRow("3") << "3" << 998.0;
    QTest::addRow("4") << "4" << 9998.0;
    QTest::addRow("7") << "7" << 9998.0;
    QTest::addRow("0") << "0" << 9998.0;
    QTest::addRow("empty") << "" << 9998.0;
    QTest::addRow("2 then a letter") << "2x" << 98.0;
    QTest::addRow("2.5") << "2.5" << 9998.0;
}

void tst_frmTrain02Run::digitBoxSetsRange()
{
    QFETCH(QString, digits);
    QFETCH(double, range);
    Train02Fixture f;
    f.setText("txtDig", digits);
    f.click("cmdStart");
    f.env.random.queue({LargestDraw});
    f.tick();
    QCOMPARE(f.window.CurrentNum(), range);
    QCOMPARE(f.shown(), range);
    f.env.random.queue({0.0f});
    f.tick();
    QCOMPARE(f.window.CurrentNum(), 1.0);
}

void tst_frmTrain02Run::timeBoxSetsInterval_data()
{
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("after");
    QTest::addRow("5") << "5" << 5000 << "5";
    QTest::addRow("tenths") << "1.25" << 1250 << "1.25";
    QTest::addRow("half a millisecond rounds to even 0") << "0.0005" << 3000 << "3";
    QTest::addRow("one and a half rounds to even 2") << "0.0015" << 2 << "0.0015";
    QTest::addRow("0") << "0" << 3000 << "3";
    QTest::addRow("negative") << "-2" << 3000 << "3";
    QTest::addRow("letters") << "abc" << 3000 << "3";
    QTest::addRow("longest 16-bit time") << "32.767" << 32767 << "32.767";
    QTest::addRow("40 s held at the longest") << "40" << 32767 << "40";
    QTest::addRow("beyond any double") << "1e999" << 32767 << "1e999";
}

void tst_frmTrain02Run::timeBoxSetsInterval()
{
    QFETCH(QString, seconds);
    QFETCH(int, interval);
    QFETCH(QString, after);
    Train02Fixture f;
    f.setText("txtTime", seconds);
    f.click("cmdStart");
    f.tick();
    QCOMPARE(f.find<QTimer>("Timer1")->interval(), interval);
    QCOMPARE(f.text("txtTime"), after);
}

void tst_frmTrain02Run::sameNumberNeverTwiceInARow()
{
    Train02Fixture f;
    f.click("cmdStart");
    // Each tick draws the number, then the two decoys' draws of the answer buttons.
    f.env.random.queue({0.5f, 0.0f, 0.0f});
    f.tick();
    QCOMPARE(f.window.CurrentNum(), 5.0);
    f.env.random.queue({0.5f, 0.3f, 0.0f});
    f.tick();
    QCOMPARE(f.window.CurrentNum(), 3.0);
    QVERIFY(f.env.random.queued.empty());
}

void tst_frmTrain02Run::loweredQuestionCountEndsRunAtNextTick()
{
    Train02Fixture f;
    f.click("cmdStart");
    for (int i = 0; i < 3; ++i)
        f.tick();
    f.setText("txtNum", QStringLiteral("2"));
    f.tick();
    QCOMPARE(f.env.messages.boxes.size(), 1);
    QCOMPARE(f.env.messages.boxes.first().text, ExerciseWindow::RunSummary(3, 0));
}

void tst_frmTrain02Run::runWithNoQuestionScoresZero()
{
    Train02Fixture f;
    f.setText("txtNum", QStringLiteral("0"));
    f.click("cmdStart");
    f.tick();
    QCOMPARE(f.env.messages.boxes.size(), 1);
    QVERIFY(f.env.messages.boxes.first().text.contains(QStringLiteral("共出题：0道")));
    QVERIFY(f.env.messages.boxes.first().text.endsWith(QStringLiteral("得分:0")));
}

void tst_frmTrain02Run::closedWhileSummaryOpen()
{
    Train02Fixture f;
    f.setText("txtNum", QStringLiteral("1"));
    f.click("cmdStart");
    f.tick();
    QVERIFY(f.window.CurrentNum() >= 1);
    f.env.messages.whileOpen = [&f](const RecordingMessages::Box&) { f.click("cmdExit"); };
    f.tick();
    QCOMPARE(f.env.messages.boxes.size(), 1);
    QVERIFY(!f.window.IsLoaded());
    // The run is over, but the closed window's board is left as it was, not cleared.
    QCOMPARE(f.window.QuestionCount(), 0.0);
    QCOMPARE(f.shown(), f.window.CurrentNum());
}

void tst_frmTrain02Run::newRunDuringSummaryIsKept()
{
    Train02Fixture f;
    f.setText("txtNum", QStringLiteral("1"));
    f.click("cmdStart");
    f.tick();
    f.env.messages.whileOpen = [&f](const RecordingMessages::Box&) {
        f.env.messages.whileOpen = nullptr;
        f.click("cmdStart");
        f.tick();
    };
    f.tick();
    QCOMPARE(f.window.QuestionCount(), 1.0);
    QVERIFY(f.find<QTimer>("Timer1")->isActive());
    QCOMPARE(f.shown(), f.window.CurrentNum());
    QCOMPARE(f.text("labShow"), QStringLiteral("第1题"));
}

void tst_frmTrain02Run::startDuringRunRestartsCount()
{
    Train02Fixture f;
    f.click("cmdStart");
    f.tick();
    f.tick();
    f.click("cmdStart");
    QCOMPARE(f.window.QuestionCount(), 0.0);
    f.tick();
    QCOMPARE(f.text("labShow"), QStringLiteral("第1题"));
}

QTEST_MAIN(tst_frmTrain02Run)
#include "tst_frmTrain02Run.moc"
