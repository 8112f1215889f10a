#include "BeadWindowDriver.h"
#include "DesignedPlace.h"
#include "RecordingResults.h"
#include "TabStops.h"

#include "abacus/ProgramWide.h"
#include "exercises/frmTrain01.h"

#include <cmath>
#include <limits>
#include <memory>

namespace {

const QByteArray LineBreak = "\r\n";
// The largest single-precision value below 1: the top of the generator's range.
const float AlmostOne = std::nextafter(1.0f, 0.0f);

QByteArray Summary(int n, int r, int score)
{
    return "恭喜完成本轮游戏" + LineBreak + "共出题：" + QByteArray::number(n) + "道,你答对:" + QByteArray::number(r)
        + "道,答错:" + QByteArray::number(n - r) + "道 " + LineBreak + "得分:" + QByteArray::number(score);
}

// The learning window with its counters reachable, to reach their limits
// without answering tens of thousands of questions.
class CountedTrain01 : public frmTrain01 {
public:
    void setRightCount(std::int16_t count) { m_RightCount = count; }
};

}  // namespace

class FrmTrain01Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void designedTexts_data();
    void designedTexts();
    void designedState();
    void tabOrder();
    void wholeRunOfTenAnswers();
    void summaryKeepsLastMark_data();
    void summaryKeepsLastMark();
    void questionRunsOut_data();
    void questionRunsOut();
    void clockSetBack_data();
    void clockSetBack();
    void tenthQuestionRunsOutGivesEleven();
    void startInMiddleOfRun();
    void fewQuestionsEndAtFirstAnswer_data();
    void fewQuestionsEndAtFirstAnswer();
    void nextNumRange_data();
    void nextNumRange();
    void nextNumNeverRepeats();
    void answerBeforeAnyRun();
    void clearKeepsQuestion();
    void beadClicksChangeNothing();
    void reopenedWindowIsFresh();
    void closedDuringSummary();
    void closedAndReopenedDuringSummary();
    void closedDuringQuestion();
    void newRunDuringSummaryIsKept();
    void rightCountSaturates();
    void finishedRunsAreHandedOver();

private:
    BeadWindowDriver<frmTrain01>& d() { return *m_driver; }
    void answerRun(int questions, const QList<int>& wrongOnes);

    std::unique_ptr<BeadWindowDriver<frmTrain01>> m_driver;
};

void FrmTrain01Test::init()
{
    m_driver = std::make_unique<BeadWindowDriver<frmTrain01>>();
    ProgramWide::ColorfulBeads = true;
    d().open();
}

void FrmTrain01Test::cleanup() { m_driver.reset(); }

// Answers `questions` questions, wrongly those numbered in wrongOnes.
void FrmTrain01Test::answerRun(int questions, const QList<int>& wrongOnes)
{
    for (int k = 1; k <= questions; ++k)
        d().answer(!wrongOnes.contains(k));
}

void FrmTrain01Test::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addRow("pic") << "pic" << QRect(120, 120, 14235, 8250);
    QTest::addRow("labShow") << "labShow" << QRect(14760, 840, 1575, 375);
    QTest::addRow("labScore") << "labScore" << QRect(15120, 1800, 750, 870);
    QTest::addRow("cmdNum0") << "cmdNum0" << QRect(14760, 4320, 1500, 1080);
    QTest::addRow("cmdNum1") << "cmdNum1" << QRect(14760, 5580, 1500, 1080);
    QTest::addRow("cmdNum2") << "cmdNum2" << QRect(14760, 6840, 1500, 1080);
    QTest::addRow("cmdclear") << "cmdclear" << QRect(14760, 9240, 1050, 585);
    QTest::addRow("Label2") << "Label2" << QRect(960, 9375, 1425, 345);
    QTest::addRow("txtNum") << "txtNum" << QRect(2520, 9360, 795, 495);
    QTest::addRow("Label3") << "Label3" << QRect(3480, 9375, 1710, 345);
    QTest::addRow("txtTime") << "txtTime" << QRect(5040, 9308, 975, 465);
    QTest::addRow("Label4") << "Label4" << QRect(6360, 9375, 855, 345);
    QTest::addRow("txtDig") << "txtDig" << QRect(7440, 9308, 615, 465);
    QTest::addRow("cmdStart") << "cmdStart" << QRect(11760, 9300, 990, 480);
    QTest::addRow("cmdExit") << "cmdExit" << QRect(13320, 9300, 990, 480);
}

void FrmTrain01Test::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QWidget* widget = d().find<QWidget>(name);
    QVERIFY(widget);
    CheckDesignedPlace(*widget, TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void FrmTrain01Test::designedTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("pointSize");
    QTest::addRow("labShow") << "labShow" << "计算结果：" << 15.75;
    QTest::addRow("labScore") << "labScore" << " √" << 36.0;
    QTest::addRow("cmdNum0") << "cmdNum0" << "1" << 21.75;
    QTest::addRow("cmdNum1") << "cmdNum1" << "2" << 21.75;
    QTest::addRow("cmdNum2") << "cmdNum2" << "3" << 21.75;
    QTest::addRow("cmdclear") << "cmdclear" << "清屏" << 14.25;
    QTest::addRow("Label2") << "Label2" << "出题数目：" << 14.25;
    QTest::addRow("txtNum") << "txtNum" << "10" << 14.25;
    QTest::addRow("Label3") << "Label3" << "每道题时间：" << 14.25;
    QTest::addRow("txtTime") << "txtTime" << "5" << 14.25;
    QTest::addRow("Label4") << "Label4" << "位数：" << 14.25;
    QTest::addRow("txtDig") << "txtDig" << "1" << 14.25;
    QTest::addRow("cmdStart") << "cmdStart" << "开始" << 14.25;
    QTest::addRow("cmdExit") << "cmdExit" << "关闭" << 14.25;
}

void FrmTrain01Test::designedTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(double, pointSize);
    QWidget* widget = d().find<QWidget>(name);
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), text);
    QCOMPARE(widget->font().pointSizeF(), pointSize);
}

void FrmTrain01Test::designedState()
{
    QCOMPARE(d().window.Frame()->windowTitle(), QStringLiteral("识珠学习"));
    QVERIFY(d().window.Frame()->isMaximized());
    QCOMPARE(d().window.Canvas()->size(), QSize(Twips(17115), Twips(10200)));
    QCOMPARE(d().pic()->font().pointSizeF(), 8.25);
    QVERIFY(!d().label("labScore")->isVisibleTo(d().window.Canvas()));
    QCOMPARE(d().textColour(d().label("labScore")), QColor(255, 0, 0));
    QVERIFY(d().answerButtonsEnabled(false));
    QCOMPARE(d().timer()->interval(), 202);
    QVERIFY(!d().timer()->isActive());
    QCOMPARE(d().window.Abacus().Cols(), 5);
    QCOMPARE(d().window.Abacus().Value(), 0.0);
    QVERIFY(!ProgramWide::ColorfulBeads);
}

void FrmTrain01Test::tabOrder()
{
    QCOMPARE(TabStops(*d().window.Frame()), QStringList({"pic", "cmdStart", "cmdExit", "txtNum", "txtTime", "txtDig",
                                                         "cmdclear", "cmdNum2", "cmdNum1", "cmdNum0"}));
    QCOMPARE(d().window.Frame()->focusWidget(), d().pic());
}

void FrmTrain01Test::wholeRunOfTenAnswers()
{
    d().start();
    QVERIFY(d().timer()->isActive());
    double previous = 0;
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(d().window.QuestionCount(), double(k));
        QVERIFY(d().answerButtonsEnabled(true));
        const double asked = d().window.CurrentNum();
        QVERIFY(asked >= 1 && asked <= 8);
        QVERIFY(asked != previous);
        QCOMPARE(d().window.Abacus().Value(), asked);
        QVERIFY(d().answerCaptions().contains(NumberText(asked)));
        previous = asked;
        const bool right = k != 3 && k != 7;
        d().answer(right);
        if (k == 10)
            break;
        QCOMPARE(d().label("labShow")->text(), QStringLiteral("第%1题").arg(k));
        QCOMPARE(d().textColour(d().label("labShow")), QColor(0, 0, 0));
        QVERIFY(d().label("labScore")->isVisibleTo(d().window.Canvas()));
        QCOMPARE(d().label("labScore")->text(), right ? QStringLiteral("√") : QStringLiteral("X"));
        QVERIFY(d().env.messages.boxes.isEmpty());
    }

    QCOMPARE(d().env.messages.boxes.size(), 1);
    QVERIFY(d().env.messages.boxes[0].information);
    QCOMPARE(d().env.messages.boxes[0].text.toUtf8(), Summary(10, 8, 80));
    QCOMPARE(d().label("labShow")->text(), QStringLiteral("完成"));
    QCOMPARE(d().textColour(d().label("labShow")), QColor(0, 0, 0));
    QVERIFY(!d().label("labScore")->isVisibleTo(d().window.Canvas()));
    QVERIFY(d().answerButtonsEnabled(false));
    QCOMPARE(d().window.Abacus().Value(), 0.0);
    QCOMPARE(d().timer()->interval(), 1);
    QVERIFY(!d().timer()->isActive());
    QCOMPARE(d().window.QuestionCount(), 0.0);
    QCOMPARE(d().window.RightCount(), std::int16_t(0));
}

void FrmTrain01Test::summaryKeepsLastMark_data()
{
    QTest::addColumn<bool>("lastRight");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QByteArray>("summary");
    QTest::addRow("right: blue tick") << true << "第3题√" << QColor(0, 0, 255) << Summary(3, 3, 100);
    QTest::addRow("wrong: red cross") << false << "第3题X" << QColor(255, 0, 0) << Summary(3, 2, 66);
}

void FrmTrain01Test::summaryKeepsLastMark()
{
    QFETCH(bool, lastRight);
    QFETCH(QString, shown);
    QFETCH(QColor, colour);
    QFETCH(QByteArray, summary);
    bool timerRanDuringSummary = true;
    bool scoreShown = false;
    QString shownDuringSummary;
    QColor colourDuringSummary;
    d().env.messages.whileOpen = [&](const RecordingMessages::Box&) {
        timerRanDuringSummary = d().timer()->isActive();
        scoreShown = d().label("labScore")->isVisibleTo(d().window.Canvas());
        shownDuringSummary = d().label("labShow")->text() + d().label("labScore")->text();
        colourDuringSummary = d().textColour(d().label("labShow"));
    };
    d().type("txtNum", "3");
    d().start();
    answerRun(3, lastRight ? QList<int>{} : QList<int>{3});
    QVERIFY(!timerRanDuringSummary);
    QVERIFY(scoreShown);
    QCOMPARE(shownDuringSummary, shown);
    // A screen reader says what the sign means.
    QCOMPARE(d().label("labScore")->accessibleName(), lastRight ? QStringLiteral("对") : QStringLiteral("错"));
    QCOMPARE(colourDuringSummary, colour);
    QCOMPARE(d().env.messages.boxes[0].text.toUtf8(), summary);
}

void FrmTrain01Test::questionRunsOut_data()
{
    QTest::addColumn<QString>("txtTime");
    QTest::addColumn<int>("limit");  // -1: never within a minute
    QTest::addRow("designed 5") << "5" << 5;
    QTest::addRow("2.5 to even") << "2.5" << 2;
    QTest::addRow("3.5 to even") << "3.5" << 4;
    QTest::addRow("leading blank") << " 7s" << 7;
    QTest::addRow("0") << "0" << 1;
    QTest::addRow("negative") << "-3" << 1;
    QTest::addRow("empty") << "" << 1;
    QTest::addRow("letters") << "abc" << 1;
    QTest::addRow("59") << "59" << 59;
    QTest::addRow("60 never") << "60" << -1;
    QTest::addRow("1e9 largest 16-bit") << "1e9" << -1;
    QTest::addRow("-1e9") << "-1e9" << 1;
}

void FrmTrain01Test::questionRunsOut()
{
    QFETCH(QString, txtTime);
    QFETCH(int, limit);
    d().type("txtTime", txtTime);
    d().start();
    const double asked = d().window.CurrentNum();
    const std::int64_t shownAt = d().env.clock.wallSeconds;
    int ranOutAfter = -1;
    for (int s = 0; s < 60 && ranOutAfter < 0; ++s) {
        d().env.clock.wallSeconds = shownAt + s;
        QVERIFY(d().tick());
        if (d().window.QuestionCount() == 2)
            ranOutAfter = s;
    }
    QCOMPARE(ranOutAfter, limit);
    if (limit < 0)
        return;
    QVERIFY(d().window.CurrentNum() != asked);
    QCOMPARE(d().window.Abacus().Value(), d().window.CurrentNum());
    QCOMPARE(d().label("labShow")->text(), QStringLiteral("计算结果："));
    QVERIFY(!d().label("labScore")->isVisibleTo(d().window.Canvas()));
    QCOMPARE(d().window.RightCount(), std::int16_t(0));
    QVERIFY(d().answerButtonsEnabled(true));
    QVERIFY(d().timer()->isActive());
    // The new question has its own full time.
    d().env.clock.wallSeconds += limit - 1;
    QVERIFY(d().tick());
    QCOMPARE(d().window.QuestionCount(), 2.0);
}

void FrmTrain01Test::clockSetBack_data()
{
    QTest::addColumn<int>("back");
    QTest::addColumn<bool>("runsOut");
    // The elapsed seconds are read without their sign: 3 s back counts as 3 s.
    QTest::addRow("3 s back") << 3 << false;
    QTest::addRow("10 s back") << 10 << true;
    QTest::addRow("a minute back") << 60 << false;
    QTest::addRow("64 s back") << 64 << false;
}

void FrmTrain01Test::clockSetBack()
{
    QFETCH(int, back);
    QFETCH(bool, runsOut);
    d().start();
    d().env.clock.wallSeconds -= back;
    QVERIFY(d().tick());
    QCOMPARE(d().window.QuestionCount(), runsOut ? 2.0 : 1.0);
}

void FrmTrain01Test::tenthQuestionRunsOutGivesEleven()
{
    d().start();
    answerRun(9, {});
    QCOMPARE(d().window.QuestionCount(), 10.0);
    d().env.clock.advanceSeconds(5);
    QVERIFY(d().tick());
    QCOMPARE(d().window.QuestionCount(), 11.0);
    QVERIFY(d().env.messages.boxes.isEmpty());
    QCOMPARE(d().label("labShow")->text(), QStringLiteral("第9题"));
    d().answer(true);
    QCOMPARE(d().env.messages.boxes.size(), 1);
    QCOMPARE(d().env.messages.boxes[0].text.toUtf8(), Summary(11, 10, 90));
}

void FrmTrain01Test::startInMiddleOfRun()
{
    d().start();
    answerRun(3, {2});
    QCOMPARE(d().window.RightCount(), std::int16_t(2));
    const double asked = d().window.CurrentNum();
    d().start();
    QCOMPARE(d().window.QuestionCount(), 1.0);
    QCOMPARE(d().window.RightCount(), std::int16_t(0));
    QVERIFY(d().window.CurrentNum() != asked);
    QVERIFY(d().timer()->isActive());
    QCOMPARE(d().label("labShow")->text(), QStringLiteral("第3题"));
    QCOMPARE(d().label("labScore")->text(), QStringLiteral("√"));
    QVERIFY(d().label("labScore")->isVisibleTo(d().window.Canvas()));
    answerRun(10, {1});
    QCOMPARE(d().env.messages.boxes.size(), 1);
    QCOMPARE(d().env.messages.boxes[0].text.toUtf8(), Summary(10, 9, 90));
}

void FrmTrain01Test::fewQuestionsEndAtFirstAnswer_data()
{
    QTest::addColumn<QString>("txtNum");
    QTest::addRow("0") << "0";
    QTest::addRow("1") << "1";
    QTest::addRow("empty") << "";
    QTest::addRow("letters") << "abc";
    QTest::addRow("negative") << "-5";
}

void FrmTrain01Test::fewQuestionsEndAtFirstAnswer()
{
    QFETCH(QString, txtNum);
    d().type("txtNum", txtNum);
    d().start();
    d().answer(true);
    QCOMPARE(d().env.messages.boxes.size(), 1);
    QCOMPARE(d().env.messages.boxes[0].text.toUtf8(), Summary(1, 1, 100));
    QCOMPARE(d().label("labShow")->text(), QStringLiteral("完成"));
}

void FrmTrain01Test::nextNumRange_data()
{
    QTest::addColumn<QString>("txtDig");
    QTest::addColumn<double>("largest");
    QTest::addRow("1") << "1" << 8.0;
    QTest::addRow("2") << "2" << 98.0;
    QTest::addRow("3") << "3" << 998.0;
    QTest::addRow("4") << "4" << 9998.0;
    QTest::addRow("5") << "5" << 99998.0;
    QTest::addRow("0") << "0" << 99998.0;
    QTest::addRow("1.5") << "1.5" << 99998.0;
    QTest::addRow("empty") << "" << 99998.0;
    QTest::addRow("2 with text") << "2位" << 98.0;
}

void FrmTrain01Test::nextNumRange()
{
    QFETCH(QString, txtDig);
    QFETCH(double, largest);
    d().type("txtDig", txtDig);
    // Each question takes one draw for the number and two for its buttons.
    d().env.random.queue({0.0f, 0.5f, 0.5f, AlmostOne, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    d().start();
    QCOMPARE(d().window.CurrentNum(), 1.0);
    d().window.NextNum();
    QCOMPARE(d().window.CurrentNum(), largest);
    d().window.NextNum();
    QCOMPARE(d().window.CurrentNum(), std::floor(0.5 * largest) + 1);
    QCOMPARE(d().window.QuestionCount(), 3.0);
    // The question reseeds once, and its buttons once more.
    QCOMPARE(d().env.random.reseeds, 6);
}

void FrmTrain01Test::nextNumNeverRepeats()
{
    d().env.random.queue({0.5f, 0.0f, 0.0f});
    d().start();
    QCOMPARE(d().window.CurrentNum(), 5.0);
    const int drawsBefore = d().env.random.draws;
    d().env.random.queue({0.5f, 0.5f, 0.9f, 0.0f, 0.0f});
    d().window.NextNum();
    QCOMPARE(d().window.CurrentNum(), 8.0);
    QCOMPARE(d().env.random.draws - drawsBefore, 5);
    // No draw of a series shows the number before it, nor 0.
    for (int i = 0; i < 40; ++i) {
        const double before = d().window.CurrentNum();
        d().window.NextNum();
        QVERIFY(d().window.CurrentNum() != before);
        QVERIFY(d().window.CurrentNum() >= 1);
    }
}

void FrmTrain01Test::answerBeforeAnyRun()
{
    // The buttons are disabled between runs; a click can only reach one that
    // was enabled some other way.
    QTest::mouseClick(d().answerButton(1), Qt::LeftButton);
    QVERIFY(d().env.messages.boxes.isEmpty());
    d().answerButton(1)->setEnabled(true);
    QTest::mouseClick(d().answerButton(1), Qt::LeftButton);
    QCOMPARE(d().env.messages.boxes.size(), 1);
    QVERIFY(!d().env.messages.boxes[0].information);
    QCOMPARE(d().env.messages.boxes[0].text, QStringLiteral("请按开始键，开始新一轮的游戏"));
    QCOMPARE(d().label("labShow")->text(), QStringLiteral("计算结果："));
    QVERIFY(!d().label("labScore")->isVisibleTo(d().window.Canvas()));
    QCOMPARE(d().window.QuestionCount(), 0.0);
}

void FrmTrain01Test::clearKeepsQuestion()
{
    d().start();
    const double asked = d().window.CurrentNum();
    const QStringList captions = d().answerCaptions();
    d().click("cmdclear");
    QCOMPARE(d().window.Abacus().Value(), 0.0);
    QCOMPARE(d().window.CurrentNum(), asked);
    QCOMPARE(d().answerCaptions(), captions);
    QVERIFY(d().answerButtonsEnabled(true));
    d().answer(true);
    QCOMPARE(d().window.RightCount(), std::int16_t(1));
}

void FrmTrain01Test::beadClicksChangeNothing()
{
    d().env.random.queue({0.0f, 0.0f, 0.0f});
    d().start();
    QCOMPARE(d().window.Abacus().Value(), 1.0);
    // Bead 2 of the units rod lies at rest at (150, 35).
    const QPoint bead = d().pic()->toWidget(QPointF(150, 35)).toPoint();
    QTest::mouseMove(d().pic(), bead);
    QTest::mouseClick(d().pic(), Qt::LeftButton, {}, bead);
    QCOMPARE(d().window.Abacus().Value(), 1.0);
    QCOMPARE(d().window.CurrentNum(), 1.0);
}

void FrmTrain01Test::reopenedWindowIsFresh()
{
    d().type("txtNum", "3");
    d().type("txtTime", "9");
    d().start();
    answerRun(2, {});
    const double lastAsked = d().window.CurrentNum();
    QPointer<QTimer> oldTimer = d().timer();
    d().click("cmdExit");
    QVERIFY(!d().window.IsLoaded());
    QVERIFY(!oldTimer || !oldTimer->isActive());

    d().open();
    QVERIFY(d().window.IsLoaded());
    QCOMPARE(d().box("txtNum")->text(), QStringLiteral("10"));
    QCOMPARE(d().box("txtTime")->text(), QStringLiteral("5"));
    QCOMPARE(d().box("txtDig")->text(), QStringLiteral("1"));
    QVERIFY(d().answerButtonsEnabled(false));
    QCOMPARE(d().answerCaptions(), (QStringList{"1", "2", "3"}));
    QVERIFY(!d().label("labScore")->isVisibleTo(d().window.Canvas()));
    QCOMPARE(d().label("labShow")->text(), QStringLiteral("计算结果："));
    QCOMPARE(d().timer()->interval(), 202);
    QVERIFY(!d().timer()->isActive());
    QCOMPARE(d().window.Abacus().Value(), 0.0);
    QCOMPARE(d().window.CurrentNum(), lastAsked);
    QCOMPARE(d().window.QuestionCount(), 3.0);

    // The first draw repeats the last number shown before closing: drawn again.
    const float repeat = static_cast<float>((lastAsked - 0.5) / 8);
    d().env.random.queue({repeat, 0.0f, 0.0f, 0.0f});
    d().start();
    QVERIFY(d().window.CurrentNum() != lastAsked);
    QCOMPARE(d().window.QuestionCount(), 1.0);
}

void FrmTrain01Test::closedDuringSummary()
{
    QPointer<QTimer> timer = d().timer();
    // A real box's event loop also deletes the closed window's widgets.
    d().env.messages.whileOpen = [&](const RecordingMessages::Box&) {
        d().window.Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    d().type("txtNum", "1");
    d().start();
    d().answer(true);
    QCOMPARE(d().env.messages.boxes.size(), 1);
    QVERIFY(!d().window.IsLoaded());
    QVERIFY(!timer);
    const double questions = d().window.QuestionCount();
    d().window.NextNum();
    QCOMPARE(d().window.QuestionCount(), questions);
}

void FrmTrain01Test::closedAndReopenedDuringSummary()
{
    d().env.messages.whileOpen = [&](const RecordingMessages::Box&) {
        d().window.Unload();
        d().open();
    };
    d().type("txtNum", "1");
    d().start();
    d().answer(true);
    QVERIFY(d().window.IsLoaded());
    // The new widgets keep their designed state: the old run's end is dropped.
    QCOMPARE(d().label("labShow")->text(), QStringLiteral("计算结果："));
    QCOMPARE(d().timer()->interval(), 202);
    QVERIFY(!d().timer()->isActive());
    QVERIFY(d().answerButtonsEnabled(false));
}

void FrmTrain01Test::closedDuringQuestion()
{
    d().start();
    QPointer<QTimer> timer = d().timer();
    QVERIFY(timer->isActive());
    const double asked = d().window.CurrentNum();
    d().window.Unload();
    QVERIFY(!timer || !timer->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    d().window.NextNum();
    QCOMPARE(d().window.CurrentNum(), asked);
}

void FrmTrain01Test::newRunDuringSummaryIsKept()
{
    // The box closed, but its event loop returns only after something nested in it;
    // meanwhile the child starts the next run.
    d().env.messages.whileOpen = [&](const RecordingMessages::Box&) {
        d().env.messages.whileOpen = nullptr;
        d().start();
    };
    d().type("txtNum", "1");
    d().start();
    d().answer(true);
    QCOMPARE(d().env.messages.boxes.size(), 1);
    QCOMPARE(d().window.QuestionCount(), 1.0);
    QVERIFY(d().timer()->isActive());
    QVERIFY(d().answerButtonsEnabled(true));
    QCOMPARE(d().window.Abacus().Value(), d().window.CurrentNum());
    QVERIFY(d().label("labShow")->text() != QStringLiteral("完成"));
}

void FrmTrain01Test::rightCountSaturates()
{
    BeadWindowDriver<CountedTrain01> counted;
    counted.open();
    counted.type("txtNum", "3");
    counted.start();
    counted.window.setRightCount(32766);
    counted.answer(true);
    QCOMPARE(counted.window.RightCount(), std::numeric_limits<std::int16_t>::max());
    counted.answer(true);
    QCOMPARE(counted.window.RightCount(), std::numeric_limits<std::int16_t>::max());
    counted.answer(false);
    QCOMPARE(counted.env.messages.boxes.size(), 1);
    QVERIFY(counted.env.messages.boxes[0].text.contains(QStringLiteral("你答对:32767道")));
}

// A run closed before its summary is dropped; one that ends hands over its
// settings, its counts and its length on the program's clock.
void FrmTrain01Test::finishedRunsAreHandedOver()
{
    RecordingResults results;
    d().start();
    d().answer(true);
    d().window.Unload();
    d().open();
    d().type(QStringLiteral("txtNum"), QStringLiteral("3"));
    d().type(QStringLiteral("txtTime"), QStringLiteral("7"));
    d().type(QStringLiteral("txtDig"), QStringLiteral("2"));
    d().start();
    d().env.clock.milliTicks += 4500;
    answerRun(3, {2});

    QCOMPARE(results.beadRuns.size(), std::size_t(1));
    const BeadRunResult& run = results.beadRuns[0];
    QCOMPARE(QString::fromStdString(run.exercise), QStringLiteral("识珠学习"));
    QCOMPARE(run.when, d().env.clock.wallSeconds);
    const QList<double> figures = {run.questionsAsked, run.secondsEach, run.digits, run.questions, run.right, run.score,
                                   run.durationSeconds};
    QCOMPARE(figures, QList<double>({3, 7, 2, 3, 2, 66, 4.5}));
}

QTEST_MAIN(FrmTrain01Test)
#include "tst_frmtrain01.moc"
