#include "training/frmTrain02.h"

#include "abacus/NumberRange.h"
#include "abacus/ProgramWide.h"
#include "course/DrillQuestions.h"
#include "course/QuestionSteps.h"
#include "course/ResultSink.h"
#include "exercises/NumberText.h"
#include "platform/PictureBox.h"
#include "platform/Platform.h"
#include "platform/modsub.h"
#include "training/ColumnQuestion.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <cmath>
#include <string_view>
#include <utility>

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

constexpr int PauseBetweenOperandsMs = 100;
constexpr int DefaultQuestionMs = 3000;
constexpr int RestingTimerMs = 1;

// The bead-rule groups of the steps 完成 plays; none where a number or the
// sum is no whole number the training abacus holds.
std::vector<BeadRule::Group> groupsOf(double first, double second)
{
    const double largest = std::pow(10.0, Course::QuestionRods) - 1;
    const auto holds = [largest](double n) { return n >= 0 && n <= largest && std::floor(n) == n; };
    if (!holds(first) || !holds(first + second))
        return {};
    return Course::GroupsUsedBy(static_cast<int>(first), static_cast<int>(second));
}

}  // namespace

frmTrain02::frmTrain02(std::function<void()> showAgain)
    : m_showAgain(std::move(showAgain))
{
}

QString frmTrain02::TooLargeText()
{
    return QStringLiteral("算式里的数太大了，这个算盘算不了。\r\n"
                          "请让两个数和它们的和都在-2147483647到2147483647之间。");
}

QString frmTrain02::NoQuestionText(const QString& range, const QString& style)
{
    return range + QStringLiteral("里没有") + style + QStringLiteral("的题，请选更大的位数。");
}

QString frmTrain02::Caption() const { return QStringLiteral("识珠练习"); }

void frmTrain02::Form_Load()
{
    for (const QuestionStyle style : Course::QuestionStyles)
        comStyle->addItem(fromUtf8(Course::StyleName(style)));
    for (const OperandRange& range : Course::OperandRanges())
        comDig->addItem(fromUtf8(range.name));
    comStyle->setCurrentIndex(-1);
    comDig->setCurrentIndex(-1);
    // Unlike the other exercise windows this one keeps the bead colouring it
    // finds; the first question ends it.
    Abacus().Init(pic, 5);
    double start = 0;
    Abacus().setValue(start);
    Abacus().Draw(-1, -1);
    labAddNum->setText(QString());
    m_answerKept = true;
}

void frmTrain02::Form_Unload()
{
    if (Timer1)
        Timer1->stop();
    ExerciseWindow::Form_Unload();
}

void frmTrain02::cmdQ_Click()
{
    const std::optional<DrillQuestion> question = nextQuestion();
    if (!question) {
        // Only a choice in both lists can have no question.
        Platform::Messages().Information(NoQuestionText(comDig->currentText(), comStyle->currentText()));
        return;
    }
    m_lastQuestion = question;
    ProgramWide::ColorfulBeads = false;
    txtN4->setText(QString());
    Abacus().Draw(0, -1);
    txtChange[0]->setText(NumberText(question->first));
    txtChange[1]->setText(NumberText(question->second));
    labScore->hide();
    newQuestion(false);
}

void frmTrain02::newQuestion(bool typed)
{
    // Typing a number key by key is one question, timed from its first key.
    if (typed && !m_answerKept)
        return;
    m_answerKept = false;
    ++m_questionNumber;
    m_questionStart = Platform::ProgramClock().MilliTicks();
}

void frmTrain02::keepAnswer(double first, double second, double answer, bool right)
{
    const bool empty = txtChange[0]->text().trimmed().isEmpty() && txtChange[1]->text().trimmed().isEmpty();
    if (m_answerKept || empty)
        return;
    m_answerKept = true;
    ColumnAnswerResult result{.when = Platform::ProgramClock().WallSeconds(), .first = first, .second = second,
                              .answer = answer, .right = right};
    result.style = comStyle->currentText().toStdString();
    result.range = comDig->currentText().toStdString();
    result.groups = groupsOf(first, second);
    result.secondsToAnswer = static_cast<double>(Platform::ProgramClock().MilliTicks() - m_questionStart) / 1000;
    Course::Results().Keep(result);
}

std::optional<DrillQuestion> frmTrain02::nextQuestion() const
{
    const int style = comStyle->currentIndex();
    const int range = comDig->currentIndex();
    if (style < 0 && range < 0) {
        const ColumnQuestion question = MakeColumnQuestion(ProgramWide::Random());
        return DrillQuestion{question.first, question.second};
    }
    const std::optional<QuestionStyle> chosenStyle
        = style < 0 ? std::nullopt : std::optional(Course::QuestionStyles.at(static_cast<std::size_t>(style)));
    const OperandRange& chosenRange
        = range < 0 ? Course::UnchosenRange() : Course::OperandRanges().at(static_cast<std::size_t>(range));
    return DrillQuestions(chosenStyle, chosenRange).Make(ProgramWide::Random(), m_lastQuestion);
}

void frmTrain02::cmdOk2_Click()
{
    const unsigned generation = LoadGeneration();
    const unsigned question = m_questionNumber;
    if (!questionFits())
        return;
    const double a = reading(txtChange[0]);
    Abacus().Draw(0, -1);
    if (!playAddition(a, generation))
        return;
    if (!modsub::Delay(PauseBetweenOperandsMs) || !stillStanding(generation))
        return;
    // The boxes may have been edited, or a new question asked, while the first operand played.
    if (!questionFits())
        return;
    if (!playAddition(reading(txtChange[1]), generation))
        return;
    markAnswer(question);
}

void frmTrain02::markAnswer(unsigned question)
{
    if (!questionFits())
        return;
    const double first = reading(txtChange[0]);
    const double second = reading(txtChange[1]);
    const double expected = first + second;
    Abacus().Draw(expected, -1);
    Abacus().TellSum(first, second);
    const double answer = reading(txtN4);
    const bool right = answer == expected;
    SetMark(*labScore, right ? QStringLiteral("√") : QStringLiteral("×"), right);
    labScore->show();
    if (question == m_questionNumber)
        keepAnswer(first, second, answer, right);
}

bool frmTrain02::playAddition(double number, unsigned generation)
{
    double fromShown = -1;
    return Abacus().AddNum(fromShown, number) && stillStanding(generation);
}

bool frmTrain02::stillStanding(unsigned generation) const
{
    return IsLoaded() && LoadGeneration() == generation && !modsub::ProgramEnding();
}

bool frmTrain02::questionFits()
{
    const double a = reading(txtChange[0]);
    const double b = reading(txtChange[1]);
    if (cAbacus::InRange(a) && cAbacus::InRange(b) && cAbacus::InRange(a + b))
        return true;
    labScore->hide();
    Platform::Messages().Information(TooLargeText());
    return false;
}

void frmTrain02::cmkQuit_Click()
{
    if (m_showAgain)
        m_showAgain();
    Unload();
}

void frmTrain02::cmdStart_Click()
{
    StartRun();
    Timer1->start();
    m_QuestionCount = 0;
}

void frmTrain02::Timer1_Timer()
{
    // An unknown digits setting asks numbers of up to four digits here.
    const double largest = LargestQuestion(reading(txtDig), 9998);
    Timer1->setInterval(questionInterval());
    m_QuestionCount += 1;
    m_CurrentNum = DrawQuestion(largest);
    Abacus().Draw(m_CurrentNum, -1);
    FillNumButtons(m_CurrentNum);
    EnableNumButtons(true);
    if (reading(txtNum) >= m_QuestionCount) {
        showStatus(QStringLiteral("第") + NumberText(m_QuestionCount) + QStringLiteral("题"));
        return;
    }
    endRun();
}

int frmTrain02::questionInterval()
{
    // Beyond 32.767 s the time is held at the longest a 16-bit count allows.
    int interval = RoundToInt16Clamped(reading(txtTime) * 1000);
    if (interval < 1) {
        interval = DefaultQuestionMs;
        txtTime->setText(QStringLiteral("3"));
    }
    return interval;
}

void frmTrain02::endRun()
{
    // The number just shown lies beyond the run. No tick may come while the summary is open.
    Timer1->stop();
    const unsigned generation = LoadGeneration();
    if (!ShowRunSummary(m_QuestionCount - 1, m_RightCount))
        return;
    m_QuestionCount = 0;
    m_RightCount = 0;
    if (!stillStanding(generation))
        return;
    Timer1->setInterval(RestingTimerMs);
    Timer1->stop();
    showStatus(QStringLiteral("本轮所有题目都已经完成"));
    EnableNumButtons(false);
    Abacus().Cls();
}

void frmTrain02::showStatus(const QString& caption)
{
    labShow->setText(caption);
    SetTextColour(*labShow, Qt::black);
}

double frmTrain02::reading(const QLineEdit* box) const { return ReadNumber(box->text()); }
