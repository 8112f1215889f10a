#include "demo/frmShow9.h"

#include "exercises/NumberText.h"
#include "platform/Fonts.h"
#include "platform/PictureBox.h"
#include "platform/Platform.h"
#include "platform/modsub.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <utility>

namespace {

constexpr std::int16_t Rods = 10;
constexpr double PassAddend = 123456789;
// A pass that reaches this shows 0, and the drill starts over.
constexpr double ClearingLimit = 1234567890;
constexpr int PassTimerMs = 50;
constexpr int BuildPauseMs = 1000;

const QString DemoCaption = QStringLiteral("演示9遍9");
const QString PauseCaption = QStringLiteral("暂停");
const QString PauseMessage = QStringLiteral("这一遍加好以后就暂停");

}  // namespace

frmShow9::frmShow9(std::function<void()> endProgram)
    : m_endProgram(std::move(endProgram))
{
}

QString frmShow9::OutOfRangeText() { return QStringLiteral("请输入-2147483647到2147483647之间的数。"); }

QString frmShow9::Caption() const { return QStringLiteral("9遍9计算"); }

// Three buttons lie beyond it; the canvas reaches them, and the content scrolls to them.
QSize frmShow9::DesignedClientSize() const { return {Twips(27510), Twips(10575)}; }

void frmShow9::CreateControls(QWidget& canvas)
{
    canvas.setFont(Fonts::Tahoma(14.25));
    createAbacusRow(canvas);
    createUnusedEntries(canvas);
    createFarButtons(canvas);
    Timer1 = CreateTimer("Timer1", PassTimerMs);
    connect(Timer1, &QTimer::timeout, this, &frmShow9::Timer1_Timer);
    makeDefaultButton(canvas);
    // Tab visits the controls from left to right, in the order they were made.
    txtNewNum->setFocus();
}

void frmShow9::createAbacusRow(QWidget& canvas)
{
    CreatePic(canvas, TwipsRect(240, 120, 16755, 8970));
    // The beads of the drill do not answer the mouse: neither moves nor
    // clicks on the abacus reach it, so a click cannot redraw a pass's frame.
    // Nor do they answer the keyboard, so the abacus is no Tab stop.
    IgnorePointer();
    pic->setFocusPolicy(Qt::NoFocus);

    CreateLabel(canvas, "Label5", QStringLiteral("数值："), TwipsRect(360, 9555, 945, 345));
    txtNewNum = CreateTextBox(canvas, "txtNewNum", QStringLiteral("12345"), TwipsRect(2640, 9480, 1155, 495),
                              QStringLiteral("数值"));
    auto* cmdOk = CreateButton(canvas, "cmdOk", QStringLiteral("生成数字"), TwipsRect(6120, 9480, 1830, 480));
    connect(cmdOk, &QPushButton::clicked, this, &frmShow9::cmdOk_Click);
    cmdYanShi2 = CreateButton(canvas, "cmdYanShi2", DemoCaption, TwipsRect(13800, 9480, 1710, 480));
    connect(cmdYanShi2, &QPushButton::clicked, this, &frmShow9::cmdYanShi2_Click);
    auto* cmdOk2 = CreateButton(canvas, "cmdOk2", QStringLiteral("完成"), TwipsRect(16080, 9435, 1050, 585));
    connect(cmdOk2, &QPushButton::clicked, this, &frmShow9::cmdOk2_Click);
}

// Left over from the design the window shares with the exercises: shown, never read.
void frmShow9::createUnusedEntries(QWidget& canvas)
{
    CreateTextBox(canvas, "txtTime", QStringLiteral("5"), TwipsRect(27480, 8475, 975, 465), QStringLiteral("每道题时间"));
    CreateLabel(canvas, "Label4", QStringLiteral("位数："), TwipsRect(29400, 8535, 855, 345));
    CreateTextBox(canvas, "txtDig", QStringLiteral("1"), TwipsRect(30600, 8475, 615, 465), QStringLiteral("位数"));
}

void frmShow9::createFarButtons(QWidget& canvas)
{
    auto* cmdStart = CreateButton(canvas, "cmdStart", QStringLiteral("开始"), TwipsRect(31800, 8460, 990, 480));
    connect(cmdStart, &QPushButton::clicked, this, &frmShow9::cmdStart_Click);
    auto* cmdExit = CreateButton(canvas, "cmdExit", QStringLiteral("关闭"), TwipsRect(33120, 8520, 990, 480));
    connect(cmdExit, &QPushButton::clicked, this, &frmShow9::cmdExit_Click);
    auto* cmdclear = CreateButton(canvas, "cmdclear", QStringLiteral("清屏"), TwipsRect(34560, 8400, 1050, 585));
    connect(cmdclear, &QPushButton::clicked, this, &frmShow9::cmdclear_Click);
}

// A default button belongs to dialogs in Qt, so Enter is caught for the whole
// canvas here; text boxes leave Return and Enter to shortcuts.
void frmShow9::makeDefaultButton(QWidget& canvas)
{
    auto* enter = new QShortcut(&canvas);
    enter->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enter->setContext(Qt::WidgetWithChildrenShortcut);
    connect(enter, &QShortcut::activated, this, &frmShow9::pressDefaultButton);
}

void frmShow9::pressDefaultButton()
{
    // As in a dialog, a button that has the focus takes Enter for itself.
    QPushButton* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
    QPushButton* target = focused ? focused : cmdYanShi2.data();
    if (target)
        target->click();
}

void frmShow9::Form_Load() { LoadAbacus(Rods, PassAddend); }

void frmShow9::Form_Unload()
{
    // Closing the window ends the drill; the abacus lets go of the surface,
    // so a pass under way stops at its next frame.
    if (Timer1)
        Timer1->stop();
    ExerciseWindow::Form_Unload();
}

void frmShow9::cmdYanShi2_Click()
{
    m_DemoRunning = !m_DemoRunning;
    if (m_DemoRunning)
        cmdYanShi2->setText(PauseCaption);
    else if (!announcePause())
        return;
    Abacus().Draw(-1);
    setTimer1Enabled(m_DemoRunning);
}

// False when the window or the program went away while the message was up.
bool frmShow9::announcePause()
{
    cmdYanShi2->setText(DemoCaption);
    Timer1->stop();
    const unsigned generation = LoadGeneration();
    Platform::Messages().Plain(PauseMessage);
    return generation == LoadGeneration() && !modsub::ProgramEnding();
}

void frmShow9::Timer1_Timer()
{
    // Timer1 goes on ticking inside the waits of a pass; those ticks start nothing.
    if (m_passRunning)
        return;
    const unsigned generation = LoadGeneration();
    m_passRunning = true;
    double from = -1;
    double addend = PassAddend;
    const bool completed = Abacus().AddNum(from, addend);
    m_passRunning = false;
    if (!completed || generation != LoadGeneration())
        return;
    // `from` now holds the number the pass started from.
    Abacus().TellSum(from, PassAddend);
    if (Abacus().Value() >= ClearingLimit)
        Abacus().Draw(0);
}

void frmShow9::cmdOk_Click()
{
    Timer1->stop();
    const double number = ReadNumber(txtNewNum->text());
    // Negative numbers and fractions go to the addition as they are: how they
    // come out is the abacus's business. Only what it cannot compute with is refused.
    if (!cAbacus::InRange(number)) {
        Platform::Messages().Information(OutOfRangeText());
        return;
    }
    const unsigned generation = LoadGeneration();
    Abacus().Draw(0);
    if (!modsub::Delay(BuildPauseMs) || generation != LoadGeneration())
        return;
    double from = 0;
    double toBuild = number;
    if (Abacus().AddNum(from, toBuild) && generation == LoadGeneration())
        Abacus().TellSum(0, number);
}

// Starts the passes without touching DemoRunning or the start/pause caption.
void frmShow9::cmdStart_Click() { setTimer1Enabled(true); }

void frmShow9::cmdOk2_Click() { Unload(); }

void frmShow9::cmdExit_Click() { m_endProgram(); }

void frmShow9::setTimer1Enabled(bool enabled)
{
    // Enabling a running timer keeps its rhythm rather than restarting it.
    if (!enabled)
        Timer1->stop();
    else if (!Timer1->isActive())
        Timer1->start();
}
