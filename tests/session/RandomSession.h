#pragma once

#include "ActionLog.h"
#include "RandomText.h"
#include "SessionChecks.h"
#include "SessionOptions.h"
#include "SessionOracles.h"
#include "SessionWindows.h"

#include <QString>

#include <random>
#include <vector>

class TestEnvironment;
class frmMain;
class QTimer;

// A long run of random user actions on the real windows: menu commands,
// clicks on every reachable control and on the abacus, pointer moves, typing,
// list keys, closing windows, timer ticks and time passing. Some actions run
// inside the waits of an animation, as clicks during a real animation do,
// and, if asked, timers tick while a message box is open. Everything is
// checked after every action, at every depth.
class RandomSession {
public:
    RandomSession(TestEnvironment& env, frmMain& main, const SessionOptions& options);
    ~RandomSession();
    RandomSession(const RandomSession&) = delete;
    RandomSession& operator=(const RandomSession&) = delete;

    void Run();
    bool Failed() const { return m_log.failed(); }
    // How much the session did beyond its top-level actions.
    long NestedActions() const { return m_nestedActions; }
    long OraclesChecked() const { return m_oraclesChecked; }
    long Waits() const { return m_waits; }
    QString Headline() const { return m_log.headline(); }
    QString Report() const { return m_log.report(); }
    // The checks and the windows, for a scripted end of a session.
    SessionChecks& Checks() { return m_checks; }
    const SessionWindows& Windows() const { return m_windows; }
    bool StartupPictureExpected() const { return m_startupPictureExpected; }
    // Stops acting inside waits and message boxes.
    void Unhook();

private:
    enum class Kind {
        Menu, Button, PicClick, PicMove, Type, ListKey, CloseFrame, Timer1, Show, Clock, Colours, Startup
    };

    void act();
    void actNested(bool insideBox);
    void afterEach();
    bool attempt(Kind kind);
    Kind pickKind();

    bool menuCommand();
    bool clickButton(const QString& only = QString());
    bool clickPicture();
    bool movePointer();
    bool typeText();
    bool listKey();
    bool closeFrame();
    bool tickWindowTimer();
    bool tickNumberShow();
    bool passTime();
    bool toggleColours();
    bool clickStartupPicture();
    bool pressFinishingButton();
    bool tickTimersOnly();

    void tick(QTimer& timer, const QString& what);
    QPoint placeOnAbacus(const SessionWindows::Window& window);
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }
    void record(const QString& what) { m_log.record(m_depth, what); }

    TestEnvironment& m_env;
    SessionOptions m_options;
    SessionWindows m_windows;
    ActionLog m_log;
    SessionChecks m_checks;
    SessionOracles m_oracles;
    std::mt19937 m_rng;
    RandomText m_text;
    int m_depth = 0;
    int m_boxesOpen = 0;
    long m_nestedActions = 0;
    long m_oraclesChecked = 0;
    long m_waits = 0;
    bool m_startupPictureExpected = true;
    std::vector<QTimer*> m_ticking;
};
