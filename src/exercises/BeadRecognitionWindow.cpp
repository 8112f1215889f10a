#include "exercises/BeadRecognitionWindow.h"

#include "abacus/NumberRange.h"
#include "abacus/ProgramWide.h"
#include "course/ResultSink.h"
#include "exercises/NumberText.h"
#include "platform/Fonts.h"
#include "platform/PictureBox.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QColor Black(0, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);

// An unknown digits setting asks numbers of up to five digits.
constexpr double LargestFiveDigitQuestion = 99998;

// The seconds field (0 to 59) of the time from one wall-clock reading to
// another, read as a date-time difference reads it: a time of day carries no
// sign, so a clock set back by ten seconds counts as ten seconds gone, not fifty.
int secondsField(std::int64_t from, std::int64_t to)
{
    const std::int64_t seconds = (to - from) % 60;
    return static_cast<int>(seconds < 0 ? -seconds : seconds);
}

std::int64_t now() { return Platform::ProgramClock().WallSeconds(); }

}  // namespace

BeadRecognitionWindow::BeadRecognitionWindow(const BeadRecognitionLayout& layout)
    : m_layout(layout)
{
}

QSize BeadRecognitionWindow::DesignedClientSize() const { return {Twips(17115), Twips(10200)}; }

void BeadRecognitionWindow::CreateControls(QWidget& canvas)
{
    canvas.setFont(Fonts::Tahoma(14.25));
    CreatePic(canvas, TwipsRect(120, 120, 14235, 8250));
    pic->setFont(Fonts::Tahoma(8.25));
    createLabels(canvas);
    createEntries(canvas);
    createButtons(canvas);
    Timer1 = CreateTimer("Timer1", 202);
    SetTabOrder({pic, cmdStart, cmdExit, txtNum, txtTime, txtDig, cmdclear, cmdNum[2], cmdNum[1], cmdNum[0]});
    connectSignals();
}

void BeadRecognitionWindow::createLabels(QWidget& canvas)
{
    labShow = CreateLabel(canvas, "labShow", QStringLiteral("计算结果："), m_layout.labShow, 15.75);
    labScore = CreateLabel(canvas, "labScore", QStringLiteral(" √"), m_layout.labScore, 36);
    SetTextColour(*labScore, Red);
    labScore->hide();
    CreateLabel(canvas, "Label2", QStringLiteral("出题数目："), m_layout.Label2);
    CreateLabel(canvas, "Label3", QStringLiteral("每道题时间："), m_layout.Label3);
    CreateLabel(canvas, "Label4", QStringLiteral("位数："), m_layout.Label4);
}

void BeadRecognitionWindow::createEntries(QWidget& canvas)
{
    txtNum = CreateTextBox(canvas, "txtNum", QStringLiteral("10"), m_layout.txtNum, QStringLiteral("出题数目"));
    txtTime = CreateTextBox(canvas, "txtTime", QStringLiteral("5"), m_layout.txtTime, QStringLiteral("每道题时间"));
    txtDig = CreateTextBox(canvas, "txtDig", QStringLiteral("1"), m_layout.txtDig, QStringLiteral("位数"));
}

void BeadRecognitionWindow::createButtons(QWidget& canvas)
{
    const QRect first = TwipsRect(14760, 4320, 1500, 1080);
    const QRect second = TwipsRect(14760, 5580, 1500, 1080);
    const QRect third = TwipsRect(14760, 6840, 1500, 1080);
    CreateNumButtons(canvas, {first, second, third}, 21.75);
    cmdclear = CreateButton(canvas, "cmdclear", QStringLiteral("清屏"), TwipsRect(14760, 9240, 1050, 585));
    cmdStart = CreateButton(canvas, "cmdStart", QStringLiteral("开始"), TwipsRect(11760, 9300, 990, 480));
    cmdExit = CreateButton(canvas, "cmdExit", QStringLiteral("关闭"), TwipsRect(13320, 9300, 990, 480));
}

void BeadRecognitionWindow::connectSignals()
{
    connect(cmdStart, &QPushButton::clicked, this, &BeadRecognitionWindow::cmdStart_Click);
    connect(cmdExit, &QPushButton::clicked, this, &BeadRecognitionWindow::cmdExit_Click);
    connect(cmdclear, &QPushButton::clicked, this, &BeadRecognitionWindow::cmdclear_Click);
    for (int i = 0; i < 3; ++i)
        connect(cmdNum[i], &QPushButton::clicked, this, [this, i] { cmdNum_Click(i); });
    connect(Timer1, &QTimer::timeout, this, &BeadRecognitionWindow::Timer1_Timer);
}

void BeadRecognitionWindow::Form_Unload()
{
    // The timer goes with the widgets later; no tick may reach a closed window.
    Timer1->stop();
    ExerciseWindow::Form_Unload();
}

void BeadRecognitionWindow::cmdStart_Click()
{
    StartRun();
    m_runStart = Platform::ProgramClock().MilliTicks();
    Timer1->start();
    m_QuestionCount = 0;
    m_RightCount = 0;
    m_QuestionStart = now();
    NextNum();
}

void BeadRecognitionWindow::NextNum()
{
    if (!IsLoaded())
        return;
    const double largest = LargestQuestion(ReadNumber(txtDig->text()), LargestFiveDigitQuestion);
    m_QuestionCount += 1;
    m_CurrentNum = DrawQuestion(largest);
    Abacus().Draw(m_CurrentNum);
    FillNumButtons(m_CurrentNum);
    EnableNumButtons(true);
    m_QuestionStart = now();
}

void BeadRecognitionWindow::Timer1_Timer()
{
    const std::int16_t limit = std::max<std::int16_t>(RoundToInt16Clamped(ReadNumber(txtTime->text())), 1);
    if (secondsField(m_QuestionStart, now()) >= limit)
        NextNum();
}

void BeadRecognitionWindow::cmdNum_Click(int Index)
{
    if (m_QuestionCount < 1) {
        Platform::Messages().Plain(QStringLiteral("请按开始键，开始新一轮的游戏"));
        return;
    }
    labScore->hide();
    const bool right = ReadNumber(cmdNum[Index]->text()) == m_CurrentNum;
    labShow->setText(questionCaption());
    if (right) {
        SetMark(*labScore, QStringLiteral("√"), true);
        if (m_RightCount < std::numeric_limits<std::int16_t>::max())
            ++m_RightCount;
        SetTextColour(*labShow, Blue);
    } else {
        SetMark(*labScore, QStringLiteral("X"), false);
        SetTextColour(*labShow, Red);
    }
    EnableNumButtons(false);
    labScore->show();
    if (ReadNumber(txtNum->text()) <= m_QuestionCount) {
        finishRun();
        return;
    }
    labShow->setText(questionCaption());
    SetTextColour(*labShow, Black);
    NextNum();
}

void BeadRecognitionWindow::finishRun()
{
    // The summary box runs its own event loop: without this a question could
    // run out behind it.
    Timer1->stop();
    keepRun();
    const unsigned generation = LoadGeneration();
    if (!ShowRunSummary(m_QuestionCount, m_RightCount))
        return;
    m_QuestionCount = 0;
    m_RightCount = 0;
    // Closed (and perhaps opened again) while the box was up: that run's widgets are gone.
    if (LoadGeneration() != generation)
        return;
    labScore->hide();
    Timer1->setInterval(1);
    Timer1->stop();
    labShow->setText(QStringLiteral("完成"));
    SetTextColour(*labShow, Black);
    EnableNumButtons(false);
    Abacus().Cls();
}

// Handed over before the summary shows: a program ended while it is on
// screen has still kept the run.
void BeadRecognitionWindow::keepRun() const
{
    BeadRunResult result;
    result.exercise = Caption().toStdString();
    result.when = now();
    result.questionsAsked = ReadNumber(txtNum->text());
    result.secondsEach = ReadNumber(txtTime->text());
    result.digits = ReadNumber(txtDig->text());
    result.questions = m_QuestionCount;
    result.right = m_RightCount;
    result.score = Score(m_QuestionCount, m_RightCount);
    result.durationSeconds = static_cast<double>(Platform::ProgramClock().MilliTicks() - m_runStart) / 1000;
    Course::Results().Keep(result);
}

QString BeadRecognitionWindow::questionCaption() const
{
    return QStringLiteral("第") + NumberText(m_QuestionCount) + QStringLiteral("题");
}
