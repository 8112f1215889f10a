#pragma once

#include "SessionWindows.h"

#include <QPointer>
#include <QString>

#include <vector>

class ActionLog;
class TestEnvironment;
class cAbacus;
class QTimer;

// What must hold after every action, whatever happened before: every abacus
// shows a number its rods can show, the answer buttons offer one right
// answer, no timer runs in a closed window, every message box is one the
// program can show, and the start-up picture is there exactly when it
// should be.
class SessionChecks {
public:
    SessionChecks(const SessionWindows& windows, TestEnvironment& env, ActionLog& log, bool coloursToggled);

    void AfterAction(bool startupPictureExpected);
    // From now on the program may be ending: "关闭" of the demonstration was pressed.
    void AllowEnding() { m_endingAllowed = true; }

    // Empty when the abacus holds a picture a real abacus of that many rods can show.
    static QString AbacusProblem(cAbacus& abacus, int rods);

private:
    void checkMainWindow(bool startupPictureExpected);
    void checkWindow(const SessionWindows::Window& window);
    void checkAnswerButtons(const SessionWindows::Window& window);
    void checkDemo();
    void checkTimers();
    void checkMessages();
    void checkPages();

    const SessionWindows& m_windows;
    TestEnvironment& m_env;
    ActionLog& m_log;
    bool m_coloursToggled;
    bool m_endingAllowed = false;
    struct SeenTimer {
        QPointer<QTimer> timer;
        QString window;
    };
    std::vector<SeenTimer> m_seenTimers;
    qsizetype m_boxesSeen = 0;
    qsizetype m_pagesSeen = 0;
};
