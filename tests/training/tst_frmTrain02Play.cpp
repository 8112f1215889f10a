#include "PlaybackLog.h"
#include "RecordingResults.h"
#include "Train02Fixture.h"

#include "abacus/ProgramWide.h"
#include "course/QuestionSteps.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>

namespace {

// Queued draws that make "出题" write 58 + 41.
const std::initializer_list<float> Question58Plus41 = {0.6f, 0.9f, 0.45f, 0.0f};

void sendMouse(PictureBox& pic, QEvent::Type type, QPointF user)
{
    const QPointF local = pic.toWidget(user);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, pic.mapToGlobal(local), button, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&pic, &event);
}

void typeInto(QLineEdit* box, const QString& text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

}  // namespace

class tst_frmTrain02Play : public QObject {
    Q_OBJECT

private slots:
    void questionButtonWritesQuestionAndClears();
    void listsChooseTheQuestion();
    void finishOnFreshWindowMarksZeroRight();
    void typedAnswerReadByLeadingNumber_data();
    void typedAnswerReadByLeadingNumber();
    void editedOperandCheckedAsEdited();
    void playbackAnimatesRodsInOrder_data();
    void playbackAnimatesRodsInOrder();
    void questionPressedDuringPlaybackIsPlayedOn();
    void oversizedQuestionRefused_data();
    void oversizedQuestionRefused();
    void secondOperandEditedTooLargeDuringPlayback();
    void firstOperandEditedTooLargeBeforeMarking();
    void closedDuringPlayback_data();
    void closedDuringPlayback();
    void reopenedDuringPauseKeepsFreshBoard();
    void programEndingStopsPlayback();
    void hoverThenClickMovesBead();
    void sumLineSaysWhatTheRodsShow_data();
    void sumLineSaysWhatTheRodsShow();
    void keysChangeNoRodAClickCannot();
    void eachQuestionIsHandedOverOnce();
};

void tst_frmTrain02Play::questionButtonWritesQuestionAndClears()
{
    Train02Fixture f;
    f.click("cmdOk2");
    QVERIFY(f.shows("labScore"));
    f.setText("txtN4", QStringLiteral("99"));
    f.window.Abacus().Draw(33);
    ProgramWide::ColorfulBeads = true;
    f.env.random.queue(Question58Plus41);
    const int reseeds = f.env.random.reseeds;

    f.click("cmdQ");
    QCOMPARE(f.text("txtChange0"), QStringLiteral("58"));
    QCOMPARE(f.text("txtChange1"), QStringLiteral("41"));
    QCOMPARE(f.text("txtN4"), QString());
    QVERIFY(!f.shows("labScore"));
    QCOMPARE(f.shown(), 0.0);
    QVERIFY(!ProgramWide::ColorfulBeads);
    QCOMPARE(f.env.random.reseeds, reseeds + 1);
    QVERIFY(f.env.random.queued.empty());
}

void tst_frmTrain02Play::listsChooseTheQuestion()
{
    Train02Fixture f;
    auto* style = f.find<QComboBox>("comStyle");
    auto* range = f.find<QComboBox>("comDig");
    const auto asksTwoDigits = [&f](int largest) {
        f.click("cmdQ");
        const int first = f.text("txtChange0").toInt(), second = std::abs(f.text("txtChange1").toInt());
        return std::min(first, second) >= 10 && std::max(first, second) <= largest;
    };
    // 满10进位加破10退位减 within 44以内2位数 only takes away; within 4以内1位数 it has none, says so and changes nothing.
    style->setCurrentIndex(2);
    range->setCurrentIndex(1);
    QVERIFY(asksTwoDigits(44) && f.text("txtChange1").startsWith('-'));
    f.click("cmdOk2");
    const QString question = f.text("txtChange0") + f.text("txtChange1") + QString::number(f.shown());
    range->setCurrentIndex(0);
    f.click("cmdQ");
    QVERIFY(f.env.messages.boxes.size() == 1 && f.env.messages.boxes[0].information && f.shows("labScore"));
    QCOMPARE(f.env.messages.boxes[0].text, QStringLiteral("4以内1位数里没有满10进位加破10退位减的题，请选更大的位数。"));
    QCOMPARE(f.text("txtChange0") + f.text("txtChange1") + QString::number(f.shown()), question);
    // Delete and Backspace take a choice away: 出题类型 alone asks within 92以内2位数, nothing chosen as before.
    QTest::keyClick(range, Qt::Key_Delete);
    QVERIFY(asksTwoDigits(92));
    QTest::keyClick(style, Qt::Key_Backspace);
    f.env.random.queue(Question58Plus41);
    f.click("cmdQ");
    QCOMPARE(f.text("txtChange0") + f.text("txtChange1"), QStringLiteral("5841"));
}

void tst_frmTrain02Play::finishOnFreshWindowMarksZeroRight()
{
    Train02Fixture f;
    f.click("cmdOk2");
    QCOMPARE(f.text("labScore"), QStringLiteral("√"));
    QVERIFY(f.shows("labScore"));
    QCOMPARE(f.shown(), 0.0);
    // Nothing to animate: only the pause between the operands passes.
    QCOMPARE(f.env.waiter.waits, std::vector<int>{100});
}

void tst_frmTrain02Play::typedAnswerReadByLeadingNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mark");
    QTest::addRow("77 then a letter") << "77a" << "√";
    QTest::addRow("blank inside") << "7 7" << "√";
    QTest::addRow("78") << "78" << "×";
    QTest::addRow("empty") << "" << "×";
}

void tst_frmTrain02Play::typedAnswerReadByLeadingNumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, mark);
    Train02Fixture f;
    f.setText("txtChange0", QStringLiteral("70"));
    f.setText("txtChange1", QStringLiteral("7"));
    typeInto(f.find<QLineEdit>("txtN4"), typed);
    f.click("cmdOk2");
    QCOMPARE(f.text("labScore"), mark);
    QCOMPARE(f.shown(), 77.0);
}

void tst_frmTrain02Play::editedOperandCheckedAsEdited()
{
    Train02Fixture f;
    f.env.random.queue(Question58Plus41);
    f.click("cmdQ");
    typeInto(f.find<QLineEdit>("txtChange1"), QStringLiteral("30"));
    typeInto(f.find<QLineEdit>("txtN4"), QStringLiteral("88"));
    PlaybackLog log(f.env.waiter, f.window.Abacus());
    f.click("cmdOk2");
    QCOMPARE(log.rods(f.shown()), QStringLiteral("3 4 | 3"));
    QCOMPARE(f.shown(), 88.0);
    QCOMPARE(f.text("labScore"), QStringLiteral("√"));
}

void tst_frmTrain02Play::playbackAnimatesRodsInOrder_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("rods");
    QTest::addColumn<double>("result");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<double>("moved");

    QTest::addRow("47 + 32") << "47" << "32" << "3 4 | 3 4" << 79.0
                             << QStringList{"十位 加4：四上四", "个位 加7：七上七", "十位 加3：三下五去二",
                                            "个位 加2：二上二", "47 + 32 = 79"}
                             << 0.0;
    QTest::addRow("a rod without change takes no time")
        << "40" << "5" << "3 | 4" << 45.0
        << QStringList{"十位 加4：四上四", "个位 加5：五上五", "40 + 5 = 45"} << 0.0;
    QTest::addRow("hand-edited carry 58 + 47")
        << "58" << "47" << "3 4 | 3 4 3 2" << 105.0
        << QStringList{"十位 加5：五上五", "个位 加8：八上八", "十位 加4：四上四",
                       "个位 加7：七去三进一", "十位 进一：一去九进一", "百位 进一：一上一", "58 + 47 = 105"}
        << 0.0;
    QTest::addRow("subtraction with borrow 52 + -27")
        << "52" << "-27" << "3 4 | 3 4 3" << 25.0
        << QStringList{"十位 加5：五上五", "个位 加2：二上二", "十位 减2：二上三去五",
                       "个位 减7：七退一还五去二", "十位 退一：一下一", "52 − 27 = 25"}
        << 0.0;
    QTest::addRow("beads the child moved are cleared first")
        << "47" << "32" << "3 4 | 3 4" << 79.0
        << QStringList{"十位 加4：四上四", "个位 加7：七上七", "十位 加3：三下五去二", "个位 加2：二上二",
                       "47 + 32 = 79"}
        << 306.0;
}

void tst_frmTrain02Play::playbackAnimatesRodsInOrder()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, rods);
    QFETCH(double, result);
    QFETCH(QStringList, said);
    QFETCH(double, moved);

    Train02Fixture f;
    f.window.Abacus().Draw(moved);
    f.setText("txtChange0", first);
    f.setText("txtChange1", second);
    f.setText("txtN4", QString::number(result));
    PlaybackLog log(f.env.waiter, f.window.Abacus());
    f.click("cmdOk2");
    QCOMPARE(log.rods(f.shown()), rods);
    QCOMPARE(f.said.lines, said);
    QCOMPARE(f.shown(), result);
    QCOMPARE(f.text("labScore"), QStringLiteral("√"));
    // The pause comes once the first operand stands on the abacus.
    const int pause = static_cast<int>(std::find(f.env.waiter.waits.begin(), f.env.waiter.waits.end(), 100)
                                       - f.env.waiter.waits.begin()) + 1;
    QCOMPARE(log.shownAt(pause), first.toDouble());
}

void tst_frmTrain02Play::questionPressedDuringPlaybackIsPlayedOn()
{
    Train02Fixture f;
    RecordingResults results;
    f.setText("txtChange0", QStringLiteral("47"));
    f.setText("txtChange1", QStringLiteral("32"));
    f.setText("txtN4", QStringLiteral("79"));
    PlaybackLog log(f.env.waiter, f.window.Abacus());
    log.during = [&f](int wait) {
        if (wait == 5) {
            f.env.random.queue(Question58Plus41);
            f.click("cmdQ");
        }
    };
    f.click("cmdOk2");
    QCOMPARE(f.text("txtChange0"), QStringLiteral("58"));
    // The first operand plays to its end; the second is read anew (41, not 32): 47 + 41.
    QCOMPARE(log.rods(88), QStringLiteral("3 4 | 3 4"));
    QCOMPARE(log.shownAt(41), 47.0);
    QCOMPARE(log.shownAt(62), 87.0);
    // Marked against the new question, whose answer box "出题" emptied.
    QCOMPARE(f.shown(), 99.0);
    QCOMPARE(f.text("labScore"), QStringLiteral("×"));
    // That mark is no answer of the child's: the new question waits for its own 完成.
    QVERIFY(results.columnAnswers.empty());
    log.during = nullptr;
    f.setText("txtN4", QStringLiteral("99"));
    f.click("cmdOk2");
    QVERIFY(results.columnAnswers.size() == 1 && results.columnAnswers[0].right);
}

void tst_frmTrain02Play::oversizedQuestionRefused_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addRow("first operand") << "3000000000" << "1";
    QTest::addRow("second operand") << "1" << "2147483648";
    QTest::addRow("negative second operand") << "1" << "-3000000000";
    QTest::addRow("their sum") << "2147483647" << "1";
    QTest::addRow("beyond any double") << "1e999" << "1";
}

void tst_frmTrain02Play::oversizedQuestionRefused()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    Train02Fixture f;
    f.click("cmdOk2");
    QVERIFY(f.shows("labScore"));
    f.window.Abacus().Draw(12);
    const std::size_t waits = f.env.waiter.waits.size();

    f.setText("txtChange0", first);
    f.setText("txtChange1", second);
    f.click("cmdOk2");
    QCOMPARE(f.env.messages.boxes.size(), 1);
    QVERIFY(f.env.messages.boxes.first().information);
    QCOMPARE(f.env.messages.boxes.first().text, frmTrain02::TooLargeText());
    QCOMPARE(f.env.waiter.waits.size(), waits);
    QCOMPARE(f.shown(), 12.0);
    QVERIFY(!f.shows("labScore"));
}

void tst_frmTrain02Play::secondOperandEditedTooLargeDuringPlayback()
{
    Train02Fixture f;
    f.setText("txtChange0", QStringLiteral("47"));
    f.setText("txtChange1", QStringLiteral("32"));
    PlaybackLog log(f.env.waiter, f.window.Abacus());
    log.during = [&f](int wait) {
        if (wait == 1)
            f.setText("txtChange1", QStringLiteral("9999999999"));
    };
    f.click("cmdOk2");
    QCOMPARE(f.env.messages.boxes.size(), 1);
    QCOMPARE(f.env.messages.boxes.first().text, frmTrain02::TooLargeText());
    QCOMPARE(log.rods(f.shown()), QStringLiteral("3 4 |"));
    QCOMPARE(f.shown(), 47.0);
    QVERIFY(!f.shows("labScore"));
}

void tst_frmTrain02Play::firstOperandEditedTooLargeBeforeMarking()
{
    Train02Fixture f;
    f.setText("txtChange0", QStringLiteral("47"));
    f.setText("txtChange1", QStringLiteral("32"));
    PlaybackLog log(f.env.waiter, f.window.Abacus());
    log.during = [&f](int wait) {
        if (wait == 42)
            f.setText("txtChange0", QStringLiteral("3000000000"));
    };
    f.click("cmdOk2");
    QCOMPARE(f.env.messages.boxes.size(), 1);
    QCOMPARE(log.waits(), 81);
    QCOMPARE(f.shown(), 79.0);
    QVERIFY(!f.shows("labScore"));
}

void tst_frmTrain02Play::closedDuringPlayback_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("wait");
    QTest::addColumn<int>("showAgainCalls");
    QTest::addRow("关闭 in the designed area, in a frame") << "cmkQuit" << 5 << 1;
    QTest::addRow("关闭 in the designed area, in the pause") << "cmkQuit" << 41 << 1;
    QTest::addRow("关闭 on the right, in a frame") << "cmdExit" << 25 << 0;
    QTest::addRow("关闭 on the right, in the pause") << "cmdExit" << 41 << 0;
}

void tst_frmTrain02Play::closedDuringPlayback()
{
    QFETCH(QString, button);
    QFETCH(int, wait);
    QFETCH(int, showAgainCalls);

    Train02Fixture f;
    f.setText("txtChange0", QStringLiteral("47"));
    f.setText("txtChange1", QStringLiteral("32"));
    QPointer<PictureBox> pic = f.find<PictureBox>("pic");
    QImage atClose;
    PlaybackLog log(f.env.waiter, f.window.Abacus());
    log.during = [&](int n) {
        if (n == wait) {
            f.click(button.toLatin1());
            atClose = pic->picture();
        }
    };
    f.click("cmdOk2");
    QVERIFY(!f.window.IsLoaded());
    QCOMPARE(f.showAgainCalls, showAgainCalls);
    QCOMPARE(log.waits(), wait);
    // Nothing more was played or drawn once the window closed.
    QCOMPARE(f.shown(), log.shownAt(wait));
    QVERIFY(pic);
    QCOMPARE(pic->picture(), atClose);

    Train02Fixture::deleteClosedWidgets();
    QVERIFY(!pic);
    f.window.Show(f.area);
    QCOMPARE(f.shown(), 0.0);
    QCOMPARE(f.text("txtChange0"), QString());
    QVERIFY(!f.shows("labScore"));
    f.click("cmdOk2");
    QCOMPARE(f.text("labScore"), QStringLiteral("√"));
}

void tst_frmTrain02Play::reopenedDuringPauseKeepsFreshBoard()
{
    Train02Fixture f;
    f.setText("txtChange0", QStringLiteral("47"));
    f.setText("txtChange1", QStringLiteral("32"));
    PlaybackLog log(f.env.waiter, f.window.Abacus());
    log.during = [&f](int wait) {
        if (wait == 41) {
            f.click("cmdExit");
            f.window.Show(f.area);
        }
    };
    f.click("cmdOk2");
    QVERIFY(f.window.IsLoaded());
    QCOMPARE(log.waits(), 41);
    QCOMPARE(f.shown(), 0.0);
    QCOMPARE(f.text("txtChange0"), QString());
    QVERIFY(!f.shows("labScore"));
}

void tst_frmTrain02Play::programEndingStopsPlayback()
{
    Train02Fixture f;
    f.setText("txtChange0", QStringLiteral("47"));
    f.setText("txtChange1", QStringLiteral("32"));
    PlaybackLog log(f.env.waiter, f.window.Abacus());
    log.during = [&f](int wait) { f.env.waiter.programEnding = wait == 3; };
    f.click("cmdOk2");
    QCOMPARE(log.waits(), 3);
    QCOMPARE(f.shown(), 0.0);
    QVERIFY(!f.shows("labScore"));
}

void tst_frmTrain02Play::hoverThenClickMovesBead()
{
    Train02Fixture f;
    auto* pic = f.find<PictureBox>("pic");
    const QPointF upperBeadOfUnits(150, 95);
    // A release with no pointer movement before it has no bead to move.
    sendMouse(*pic, QEvent::MouseButtonRelease, upperBeadOfUnits);
    QCOMPARE(f.shown(), 0.0);
    sendMouse(*pic, QEvent::MouseMove, upperBeadOfUnits);
    sendMouse(*pic, QEvent::MouseButtonRelease, upperBeadOfUnits);
    QCOMPARE(f.shown(), 5.0);
}

void tst_frmTrain02Play::sumLineSaysWhatTheRodsShow_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("line");
    QTest::addRow("below 0") << "3" << "-5" << "3 − 5 = −2，算盘上显示不出负数";
    QTest::addRow("more digits than rods") << "99999" << "1" << "99999 + 1 = 100000，算盘上只留下 00000";
}

void tst_frmTrain02Play::sumLineSaysWhatTheRodsShow()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, line);
    Train02Fixture f;
    f.setText("txtChange0", first);
    f.setText("txtChange1", second);
    f.click("cmdOk2");
    QCOMPARE(f.said.lines.last(), line);
}

void tst_frmTrain02Play::keysChangeNoRodAClickCannot()
{
    Train02Fixture f;
    f.setText("txtChange0", QStringLiteral("3"));
    f.setText("txtChange1", QStringLiteral("-5"));
    f.click("cmdOk2");
    auto* pic = f.find<PictureBox>("pic");
    const QPointF upperBeadOfUnits(150, 95);
    sendMouse(*pic, QEvent::MouseMove, upperBeadOfUnits);
    sendMouse(*pic, QEvent::MouseButtonRelease, upperBeadOfUnits);
    QTest::keyClick(pic, Qt::Key_Up);
    QTest::keyClick(pic, Qt::Key_7);
    QCOMPARE(f.window.Abacus().ShownNumber(), 0.0);
}

// The first 完成 after 出题, or after an operand typed by hand, hands the
// question over; a replay, empty boxes and the timed run hand nothing.
void tst_frmTrain02Play::eachQuestionIsHandedOverOnce()
{
    Train02Fixture f;
    RecordingResults results;
    f.click("cmdOk2");
    f.env.random.queue(Question58Plus41);
    f.click("cmdQ");
    f.env.clock.advanceSeconds(9);
    f.setText("txtN4", QStringLiteral("99"));
    f.click("cmdOk2");
    f.click("cmdOk2");
    typeInto(f.find<QLineEdit>("txtChange1"), QStringLiteral("47"));
    f.find<QComboBox>("comStyle")->setCurrentIndex(1);
    f.click("cmdOk2");
    f.click("cmdStart");
    f.tick();
    QCOMPARE(results.columnAnswers.size(), std::size_t(2));
    const ColumnAnswerResult& asked = results.columnAnswers[0];
    QVERIFY(asked.first == 58 && asked.second == 41 && asked.answer == 99 && asked.right && asked.style.empty());
    QCOMPARE(asked.groups, Course::GroupsUsedBy(58, 41));
    QCOMPARE(asked.secondsToAnswer, 9.0);
    const ColumnAnswerResult& typed = results.columnAnswers[1];
    QVERIFY(typed.second == 47 && !typed.right && typed.style == "破5加破5减");
    QCOMPARE(typed.groups, Course::GroupsUsedBy(58, 47));
}

QTEST_MAIN(tst_frmTrain02Play)
#include "tst_frmTrain02Play.moc"
