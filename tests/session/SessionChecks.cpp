#include "SessionChecks.h"

#include "ActionLog.h"
#include "KnownMessages.h"
#include "TestEnvironment.h"
#include "abacus/ProgramWide.h"
#include "abacus/cAbacus.h"
#include "demo/frmShow9.h"
#include "exercises/ExerciseWindow.h"
#include "exercises/NumberText.h"
#include "shell/frmMain.h"
#include "platform/modsub.h"

#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int LowerBeads = 4;
constexpr int UpperSlot = 5;

// The digit a rod's beads show, or -1 when no real rod looks like that:
// lower beads worth 1 that reach the beam from the beam outward, and an
// upper bead worth 5.
int rodDigit(const cColumn& rod)
{
    int digit = 0;
    bool gap = false;
    for (int slot = 1; slot <= LowerBeads; ++slot) {
        const int value = rod.Bead(slot).Value();
        if (value != 0 && value != 1)
            return -1;
        if (value == 1 && gap)
            return -1;
        gap = gap || value == 0;
        digit += value;
    }
    const int upper = rod.Bead(UpperSlot).Value();
    if (upper != 0 && upper != 5)
        return -1;
    return digit + upper;
}

}  // namespace

SessionChecks::SessionChecks(const SessionWindows& windows, TestEnvironment& env, ActionLog& log, bool coloursToggled)
    : m_windows(windows)
    , m_env(env)
    , m_log(log)
    , m_coloursToggled(coloursToggled)
{
}

void SessionChecks::AfterAction(bool startupPictureExpected)
{
    checkMainWindow(startupPictureExpected);
    for (const SessionWindows::Window& window : m_windows.All())
        checkWindow(window);
    checkDemo();
    checkTimers();
    checkMessages();
    checkPages();
    if (modsub::ProgramEnding() && !m_endingAllowed)
        m_log.fail(QStringLiteral("the program is ending, though nothing asked it to"));
}

QString SessionChecks::AbacusProblem(cAbacus& abacus, int rods)
{
    if (abacus.Cols() != rods)
        return QStringLiteral("has %1 rods instead of %2").arg(abacus.Cols()).arg(rods);
    double fromBeads = 0;
    for (int i = 0; i < rods; ++i) {
        const int digit = rodDigit(abacus.Column(i));
        if (digit < 0)
            return QStringLiteral("rod %1 shows beads no rod can show").arg(i);
        fromBeads = fromBeads * 10 + digit;
    }
    const double value = abacus.Value();
    if (value != fromBeads)
        return QStringLiteral("reads %1 while its beads show %2").arg(NumberText(value), NumberText(fromBeads));
    if (value < 0 || value > std::pow(10.0, rods) - 1)
        return QStringLiteral("reads %1, beyond its %2 rods").arg(NumberText(value)).arg(rods);
    return {};
}

void SessionChecks::checkMainWindow(bool startupPictureExpected)
{
    frmMain& main = m_windows.Main();
    const bool shown = m_windows.StartupPictureShown();
    if (shown != startupPictureExpected)
        m_log.fail(shown ? QStringLiteral("the start-up picture is back, though nothing brought it back")
                         : QStringLiteral("the start-up picture went away, though no window was opened"));
    if (m_windows.NumberShow()->isActive() != shown)
        m_log.fail(QStringLiteral("the number show does not run exactly while the start-up picture is shown"));
    if (shown && !m_coloursToggled && !ProgramWide::ColorfulBeads)
        m_log.fail(QStringLiteral("the start-up picture shows, but the beads are not random-coloured"));
    const QString problem = AbacusProblem(main.Abacus(), 5);
    if (!problem.isEmpty())
        m_log.fail(QStringLiteral("the start-up abacus ") + problem);
    const double shownNumber = main.Abacus().Value();
    if (shownNumber != main.CurrentNum())
        m_log.fail(QStringLiteral("the start-up abacus shows %1, not its number %2")
                       .arg(NumberText(shownNumber), NumberText(main.CurrentNum())));
    if (main.CurrentNum() != 0 && (main.CurrentNum() < 10000 || main.CurrentNum() > 99998))
        m_log.fail(QStringLiteral("the number show drew %1").arg(NumberText(main.CurrentNum())));
}

void SessionChecks::checkWindow(const SessionWindows::Window& window)
{
    if (!window.window->IsLoaded())
        return;
    const QString problem = AbacusProblem(window.window->Abacus(), window.rods);
    if (!problem.isEmpty())
        m_log.fail(window.name + QStringLiteral("'s abacus ") + problem);
    checkAnswerButtons(window);
}

// Once filled and enabled, the three answer buttons hold the right answer
// once, the number below it and one to three above it, in a fixed order.
void SessionChecks::checkAnswerButtons(const SessionWindows::Window& window)
{
    if (m_windows.IsShow9(window))
        return;
    std::array<QPushButton*, 3> buttons{};
    int enabled = 0;
    for (int i = 0; i < 3; ++i) {
        buttons[i] = SessionWindows::Find<QPushButton>(window, QStringLiteral("cmdNum%1").arg(i));
        if (!buttons[i])
            return;
        enabled += buttons[i]->isEnabled();
    }
    if (enabled != 0 && enabled != 3)
        m_log.fail(window.name + QStringLiteral(": only some answer buttons are enabled"));
    if (enabled != 3)
        return;
    const double answer = window.window->CurrentNum();
    const std::array<double, 3> shown = {ReadNumber(buttons[0]->text()), ReadNumber(buttons[1]->text()),
                                         ReadNumber(buttons[2]->text())};
    const double upper = shown[0] == answer ? shown[1] : (shown[1] == answer ? shown[2] : shown[1]);
    const double lower = shown[0] == answer ? shown[2] : shown[0];
    const double reach = shown[1] == answer ? 3 : 2;
    const int right = (shown[0] == answer) + (shown[1] == answer) + (shown[2] == answer);
    if (right != 1 || lower != answer - 1 || upper < answer + 1 || upper > answer + reach)
        m_log.fail(QStringLiteral("%1: answer buttons %2, %3, %4 for the answer %5")
                       .arg(window.name, buttons[0]->text(), buttons[1]->text(), buttons[2]->text(),
                            NumberText(answer)));
}

// The start/pause caption reads "暂停" only while the drill counts as running.
void SessionChecks::checkDemo()
{
    for (const SessionWindows::Window& window : m_windows.All()) {
        if (!m_windows.IsShow9(window))
            continue;
        auto* button = SessionWindows::Find<QPushButton>(window, QStringLiteral("cmdYanShi2"));
        if (button && button->text() == QStringLiteral("暂停") && !m_windows.Show9().DemoRunning())
            m_log.fail(QStringLiteral("frmShow9 reads 暂停 while its drill is not running"));
    }
}

void SessionChecks::checkTimers()
{
    for (QTimer* timer : m_windows.Main().findChildren<QTimer*>(QStringLiteral("Timer1"))) {
        const bool known = std::any_of(m_seenTimers.begin(), m_seenTimers.end(),
                                       [timer](const SeenTimer& seen) { return seen.timer == timer; });
        if (known)
            continue;
        QString owner = QStringLiteral("a window");
        for (const SessionWindows::Window& window : m_windows.All())
            owner = timer->parent() == window.window->Canvas() ? window.name : owner;
        m_seenTimers.push_back({timer, owner});
    }
    std::erase_if(m_seenTimers, [](const SeenTimer& seen) { return seen.timer.isNull(); });
    for (const SeenTimer& seen : m_seenTimers) {
        if (!seen.timer->isActive())
            continue;
        const bool loaded = std::any_of(m_windows.All().begin(), m_windows.All().end(), [&](const auto& window) {
            return window.window->IsLoaded() && seen.timer->parent() == window.window->Canvas();
        });
        if (!loaded)
            m_log.fail(QStringLiteral("the Timer1 of %1 runs while that window is closed").arg(seen.window));
    }
}

void SessionChecks::checkMessages()
{
    const auto& boxes = m_env.messages.boxes;
    for (; m_boxesSeen < boxes.size(); ++m_boxesSeen) {
        const QString problem = KnownMessages::Problem(boxes[m_boxesSeen]);
        if (!problem.isEmpty())
            m_log.fail(QStringLiteral("message box \"%1\": %2").arg(boxes[m_boxesSeen].text, problem));
    }
}

void SessionChecks::checkPages()
{
    const QStringList& opened = m_env.browser.opened;
    for (; m_pagesSeen < opened.size(); ++m_pagesSeen) {
        const QString& page = opened[m_pagesSeen];
        if (page != frmMain::HomePage && page != frmMain::ShopPage)
            m_log.fail(QStringLiteral("opened the unknown page ") + page);
    }
}
