#include "TestEnvironment.h"

#include "abacus/ProgramWide.h"
#include "exercises/ExerciseWindow.h"
#include "exercises/NumberText.h"
#include "platform/ClockSeededRandom.h"
#include "platform/PictureBox.h"

#include <QMdiArea>
#include <QTest>

#include <array>
#include <memory>

namespace {

// The smallest exercise window: the abacus and the three answer buttons,
// with the shared routines made reachable.
class ProbeWindow : public ExerciseWindow {
public:
    using ExerciseWindow::DrawQuestion;
    using ExerciseWindow::EnableNumButtons;
    using ExerciseWindow::FillNumButtons;
    using ExerciseWindow::ShowRunSummary;

    QStringList captions() const
    {
        return {cmdNum[0]->text(), cmdNum[1]->text(), cmdNum[2]->text()};
    }
    bool enabled(int index) const { return cmdNum[index]->isEnabled(); }
    void ask(double number) { m_CurrentNum = number; }

protected:
    QString Caption() const override { return QStringLiteral("probe"); }
    QSize DesignedClientSize() const override { return {400, 300}; }
    void CreateControls(QWidget& canvas) override
    {
        CreatePic(canvas, QRect(0, 0, 300, 200));
        CreateNumButtons(canvas, {QRect(310, 0, 80, 40), QRect(310, 50, 80, 40), QRect(310, 100, 80, 40)}, 12);
    }
    void Form_Load() override { LoadAbacus(3, 42); }
};

}  // namespace

class ExerciseWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadSetsUpAbacus();
    void reopenedBeforeOldWidgetsGoStillDraws();
    void numButtonsStartDisabled();
    void enableNumButtons();
    void fillNumButtons_data();
    void fillNumButtons();
    void fillNumButtonsOverManyDraws();
    void answerPositionIsIndependentOfTheNumber_data();
    void answerPositionIsIndependentOfTheNumber();
    void runSummary_data();
    void runSummary();
    void summaryBoxIsInformation();

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<ProbeWindow> m_window;
};

void ExerciseWindowTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_area = std::make_unique<QMdiArea>();
    m_window = std::make_unique<ProbeWindow>();
    ProgramWide::ColorfulBeads = true;
    m_window->Show(*m_area);
}

void ExerciseWindowTest::cleanup()
{
    m_window.reset();
    m_area.reset();
    m_env.reset();
}

void ExerciseWindowTest::loadSetsUpAbacus()
{
    QVERIFY(!ProgramWide::ColorfulBeads);
    QCOMPARE(m_window->Abacus().Cols(), 3);
    QCOMPARE(m_window->Abacus().Value(), 42.0);
    QVERIFY(m_window->Canvas()->findChild<QPushButton*>(QStringLiteral("cmdNum2")));
}

void ExerciseWindowTest::reopenedBeforeOldWidgetsGoStillDraws()
{
    m_area->show();
    m_window->Unload();
    m_window->Show(*m_area);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* pic = m_window->Canvas()->findChild<PictureBox*>(QStringLiteral("pic"));
    pic->clear();
    QImage blank = pic->picture();
    m_window->Abacus().Draw(7);
    QVERIFY(pic->picture() != blank);
}

void ExerciseWindowTest::numButtonsStartDisabled()
{
    QCOMPARE(m_window->captions(), (QStringList{"1", "2", "3"}));
    for (int i = 0; i < 3; ++i)
        QVERIFY(!m_window->enabled(i));
}

void ExerciseWindowTest::enableNumButtons()
{
    m_window->EnableNumButtons(true);
    for (int i = 0; i < 3; ++i)
        QVERIFY(m_window->enabled(i));
    m_window->EnableNumButtons(false);
    for (int i = 0; i < 3; ++i)
        QVERIFY(!m_window->enabled(i));
}

void ExerciseWindowTest::fillNumButtons_data()
{
    QTest::addColumn<double>("answer");
    QTest::addColumn<float>("position");
    QTest::addColumn<float>("distance");
    QTest::addColumn<QStringList>("captions");
    QTest::addRow("first, +1") << 7.0 << 0.0f << 0.0f << QStringList{"7", "8", "6"};
    QTest::addRow("first, +2") << 7.0 << 0.3f << 0.99f << QStringList{"7", "9", "6"};
    QTest::addRow("second, +1") << 7.0 << 0.34f << 0.0f << QStringList{"6", "7", "8"};
    QTest::addRow("second, +3") << 7.0 << 0.66f << 0.99f << QStringList{"6", "7", "10"};
    QTest::addRow("third, +1") << 7.0 << 0.67f << 0.49f << QStringList{"6", "8", "7"};
    QTest::addRow("third, +2") << 7.0 << 0.99f << 0.5f << QStringList{"6", "9", "7"};
    QTest::addRow("answer 0") << 0.0 << 0.0f << 0.0f << QStringList{"0", "1", "-1"};
    QTest::addRow("answer 1") << 1.0 << 0.5f << 0.0f << QStringList{"0", "1", "2"};
    QTest::addRow("grows a digit") << 99998.0 << 0.5f << 0.9f << QStringList{"99997", "99998", "100001"};
}

void ExerciseWindowTest::fillNumButtons()
{
    QFETCH(double, answer);
    QFETCH(float, position);
    QFETCH(float, distance);
    QFETCH(QStringList, captions);
    m_env->random.queue({position, distance});
    m_window->FillNumButtons(answer);
    QCOMPARE(m_window->captions(), captions);
    QCOMPARE(m_env->random.reseeds, 1);
    QCOMPARE(m_env->random.draws, 2);
    // Filling neither enables the buttons nor touches the abacus.
    QVERIFY(!m_window->enabled(0));
    QCOMPARE(m_window->Abacus().Value(), 42.0);
}

void ExerciseWindowTest::fillNumButtonsOverManyDraws()
{
    constexpr int Draws = 3000;
    constexpr double Answer = 50;
    std::array<int, 3> answerAt{};
    std::array<std::array<int, 4>, 3> upperDistance{};  // by position of the answer
    for (int i = 0; i < Draws; ++i) {
        m_window->FillNumButtons(Answer);
        const QStringList captions = m_window->captions();
        const int position = static_cast<int>(captions.indexOf(NumberText(Answer)));
        QVERIFY(position >= 0);
        QCOMPARE(captions.count(NumberText(Answer)), 1);
        ++answerAt[position];
        QCOMPARE(captions[position == 0 ? 2 : 0], NumberText(Answer - 1));
        const double upper = ReadNumber(captions[position == 1 ? 2 : 1]);
        const int distance = static_cast<int>(upper - Answer);
        QVERIFY2(distance >= 1 && distance <= (position == 1 ? 3 : 2), qPrintable(captions.join(' ')));
        ++upperDistance[position][distance];
    }
    for (int position = 0; position < 3; ++position) {
        // A third each, well within what chance spreads (sd about 26).
        const int count = answerAt[position];
        QVERIFY2(count > 900 && count < 1100, qPrintable(QString::number(count)));
        for (int distance = 1; distance <= (position == 1 ? 3 : 2); ++distance)
            QVERIFY(upperDistance[position][distance] > 200);
    }
    QCOMPARE(m_env->random.reseeds, Draws);
}

void ExerciseWindowTest::answerPositionIsIndependentOfTheNumber_data()
{
    QTest::addColumn<bool>("colourful");
    QTest::addRow("normal beads") << false;
    QTest::addRow("colourful beads") << true;
}

void ExerciseWindowTest::answerPositionIsIndependentOfTheNumber()
{
    QFETCH(bool, colourful);
    // A question, its beads and its buttons all come within the same
    // millisecond; the button of the answer must still tell nothing about the number.
    ClockSeededRandom random(m_env->clock);
    ClockSeededRandom beadColours(m_env->clock, ClockSeededRandom::Reseed::Replace);
    ProgramWide::SetRandom(random);
    ProgramWide::SetBeadColours(beadColours);
    ProgramWide::ColorfulBeads = colourful;
    constexpr int Questions = 30000;
    std::array<std::array<int, 3>, 9> positions{};  // by number 1 to 8
    for (int i = 0; i < Questions; ++i) {
        m_env->clock.milliTicks = i;
        const double number = m_window->DrawQuestion(8);
        m_window->ask(number);
        m_window->Abacus().Draw(number);
        m_window->FillNumButtons(number);
        ++positions[static_cast<std::size_t>(number)][m_window->captions().indexOf(NumberText(number))];
    }
    for (int number = 1; number <= 8; ++number) {
        const auto& at = positions[number];
        const double total = at[0] + at[1] + at[2];
        for (int position = 0; position < 3; ++position)
            QVERIFY2(qAbs(at[position] / total - 1.0 / 3) <= 0.03,
                     qPrintable(QStringLiteral("%1 on button %2: %3 of %4").arg(number).arg(position).arg(at[position]).arg(total)));
    }
}

void ExerciseWindowTest::runSummary_data()
{
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("r");
    QTest::addColumn<QByteArray>("text");
    const QByteArray head = "恭喜完成本轮游戏\r\n共出题：";
    QTest::addRow("10/8") << 10.0 << 8.0 << head + "10道,你答对:8道,答错:2道 \r\n得分:80";
    QTest::addRow("29/100 divides first") << 100.0 << 29.0 << head + "100道,你答对:29道,答错:71道 \r\n得分:28";
    QTest::addRow("57/100 divides first") << 100.0 << 57.0 << head + "100道,你答对:57道,答错:43道 \r\n得分:56";
    QTest::addRow("none right") << 10.0 << 0.0 << head + "10道,你答对:0道,答错:10道 \r\n得分:0";
    QTest::addRow("all right") << 7.0 << 7.0 << head + "7道,你答对:7道,答错:0道 \r\n得分:100";
    QTest::addRow("no question") << 0.0 << 0.0 << head + "0道,你答对:0道,答错:0道 \r\n得分:0";
    QTest::addRow("ten of eleven") << 11.0 << 10.0 << head + "11道,你答对:10道,答错:1道 \r\n得分:90";
}

void ExerciseWindowTest::runSummary()
{
    QFETCH(double, n);
    QFETCH(double, r);
    QFETCH(QByteArray, text);
    QCOMPARE(ExerciseWindow::RunSummary(n, r).toUtf8(), text);
}

void ExerciseWindowTest::summaryBoxIsInformation()
{
    QVERIFY(m_window->ShowRunSummary(4, 3));
    QCOMPARE(m_env->messages.boxes.size(), 1);
    QVERIFY(m_env->messages.boxes[0].information);
    QCOMPARE(m_env->messages.boxes[0].text, ExerciseWindow::RunSummary(4, 3));
}

QTEST_MAIN(ExerciseWindowTest)
#include "tst_exercisewindow.moc"
