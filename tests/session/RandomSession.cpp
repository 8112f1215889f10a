#include "RandomSession.h"

#include "TestEnvironment.h"
#include "UserInput.h"
#include "exercises/ExerciseWindow.h"
#include "shell/frmMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>

#include <algorithm>
#include <iterator>

namespace {

// Actions run inside actions at most this deep, so that every session ends.
constexpr int MaxDepth = 2;
// The chance that the user acts during one wait of an animation (a frame is
// a wait of 50 ms), at the top level and inside an action that itself ran in
// a wait, and the chance that a timer ticks while a message box is open.
constexpr double ActInTopWait = 0.05;
constexpr double ActInNestedWait = 0.02;
constexpr double ActInBox = 0.5;
// Inside a wait, the share of actions that press "完成" or "生成数字".
constexpr double FinishingShare = 0.35;

struct MenuItem {
    const char* name;
    int weight;
    bool opensWindow;
};

const MenuItem MenuItems[] = {
    {"mnuLearnZhu", 3, true}, {"mnuTrance01", 3, true}, {"mnuTrance02", 3, true},
    {"mnuShow01_9Add", 3, true}, {"mnuGame01_识珠", 2, true}, {"mnuSet01", 1, false},
    {"mnuHelp01", 1, false},  {"mnuHelpUrl", 1, false},  {"mnuHelpAbout", 1, false},
};

template <typename Item, typename Weight>
const Item& weighted(std::mt19937& rng, const std::vector<Item>& items, Weight weight)
{
    std::vector<int> weights;
    std::transform(items.begin(), items.end(), std::back_inserter(weights), weight);
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    return items[pick(rng)];
}

}  // namespace

RandomSession::RandomSession(TestEnvironment& env, frmMain& main, const SessionOptions& options)
    : m_env(env)
    , m_options(options)
    , m_windows(main)
    , m_log(options.seed, qEnvironmentVariableIsSet("RANDOM_SESSION_TRACE"))
    , m_checks(m_windows, env, m_log, options.toggleColourfulBeads)
    , m_oracles(m_windows, env, m_log)
    , m_rng(options.seed)
    , m_text(m_rng)
{
    m_env.random.engine.seed(options.seed);
    m_env.waiter.duringWait = [this](int) { actNested(false); };
    m_env.messages.whileOpen = [this](const RecordingMessages::Box&) {
        if (!m_options.actInsideBoxes)
            return;
        ++m_boxesOpen;
        actNested(true);
        --m_boxesOpen;
    };
}

RandomSession::~RandomSession() { Unhook(); }

void RandomSession::Unhook()
{
    m_env.waiter.duringWait = nullptr;
    m_env.messages.whileOpen = nullptr;
}

void RandomSession::Run()
{
    for (int i = 1; i <= m_options.actions && !Failed(); ++i) {
        m_log.startAction(i);
        act();
        afterEach();
    }
}

void RandomSession::act()
{
    for (int tries = 0; tries < 20; ++tries) {
        if (attempt(pickKind()))
            return;
    }
    menuCommand();
}

void RandomSession::actNested(bool insideBox)
{
    if (Failed() || m_depth >= MaxDepth)
        return;
    if (!chance(insideBox ? ActInBox : (m_depth == 0 ? ActInTopWait : ActInNestedWait)))
        return;
    ++m_depth;
    ++m_nestedActions;
    // A modal box keeps the user's hands off every window; only timers go on.
    if (insideBox || m_boxesOpen > 0)
        tickTimersOnly();
    else if (!(chance(FinishingShare) && pressFinishingButton()))
        act();
    afterEach();
    --m_depth;
}

void RandomSession::afterEach()
{
    // Checked before the widgets of a closed window go, so that a timer left
    // running in it is still there to be seen; then they go as the event loop
    // would let them go.
    m_checks.AfterAction(m_startupPictureExpected);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (m_depth == 0) {
        m_waits += static_cast<long>(m_env.waiter.waits.size());
        m_env.waiter.waits.clear();
    }
}

RandomSession::Kind RandomSession::pickKind()
{
    const std::vector<std::pair<Kind, int>> kinds = {
        {Kind::Menu, 10},      {Kind::Button, 30},    {Kind::PicClick, 12},  {Kind::PicMove, 8},
        {Kind::Type, 12},      {Kind::ListKey, 3},    {Kind::CloseFrame, 2}, {Kind::Timer1, 14},
        {Kind::Show, 4},       {Kind::Clock, 4},      {Kind::Colours, m_options.toggleColourfulBeads ? 3 : 0},
        {Kind::Startup, 1},
    };
    return weighted(m_rng, kinds, [](const auto& kind) { return kind.second; }).first;
}

bool RandomSession::attempt(Kind kind)
{
    switch (kind) {
    case Kind::Menu:
        return menuCommand();
    case Kind::Button:
        return clickButton();
    case Kind::PicClick:
        return clickPicture();
    case Kind::PicMove:
        return movePointer();
    case Kind::Type:
        return typeText();
    case Kind::ListKey:
        return listKey();
    case Kind::CloseFrame:
        return closeFrame();
    case Kind::Timer1:
        return tickWindowTimer();
    case Kind::Show:
        return tickNumberShow();
    case Kind::Clock:
        return passTime();
    case Kind::Colours:
        return toggleColours();
    case Kind::Startup:
        return clickStartupPicture();
    }
    return false;
}

bool RandomSession::menuCommand()
{
    const std::vector<MenuItem> items(std::begin(MenuItems), std::end(MenuItems));
    const MenuItem& item = weighted(m_rng, items, [](const MenuItem& i) { return i.weight; });
    auto* action = m_windows.Main().findChild<QAction*>(QString::fromUtf8(item.name));
    record(QStringLiteral("menu ") + action->text());
    action->trigger();
    if (item.opensWindow)
        m_startupPictureExpected = false;
    return true;
}

// "关闭" of the demonstration ends the whole program, and the end is kept
// for the rest of the process: every later wait and message of every test
// would report it. The session leaves that button alone; the last test of
// this file presses it, once, at the end.
bool RandomSession::clickButton(const QString& only)
{
    const SessionWindows::Window* front = m_windows.Front();
    if (!front)
        return false;
    QList<QPushButton*> buttons = SessionWindows::Reachable<QPushButton>(*front);
    buttons.removeIf([&](QPushButton* b) {
        return (m_windows.IsShow9(*front) && b->objectName() == QStringLiteral("cmdExit"))
            || (!only.isEmpty() && b->objectName() != only);
    });
    if (buttons.isEmpty())
        return false;
    QPushButton* button = buttons.at(below(static_cast<int>(buttons.size())));
    const QString name = button->objectName();
    record(QStringLiteral("%1 click %2 \"%3\"").arg(front->name, name, button->text()));
    const SessionOracles::Check oracle = m_oracles.Before(*front, name);
    const long nestedBefore = m_nestedActions;
    UserInput::Click(*button);
    if (name == QStringLiteral("cmkQuit"))
        m_startupPictureExpected = true;
    if (oracle && m_nestedActions == nestedBefore && front->window->IsLoaded()) {
        ++m_oraclesChecked;
        oracle();
    }
    return true;
}
