#pragma once

#include "SessionWindows.h"

#include <functional>

class ActionLog;
class TestEnvironment;

// What some clicks must have done, checked when nothing else ran inside
// them: "完成" marks the typed answer and leaves the exact sum on the abacus,
// "生成数字" builds the typed number, "开始" asks a first question within the
// digits setting, and an answer button counts the answer or ends the run
// with the right summary.
class SessionOracles {
public:
    using Check = std::function<void()>;

    SessionOracles(const SessionWindows& windows, TestEnvironment& env, ActionLog& log);

    // Takes note of the state before the click; the check it returns judges
    // the state after it. Empty when the click has no oracle.
    Check Before(const SessionWindows::Window& window, const QString& button);

private:
    Check play(const SessionWindows::Window& window);
    Check build(const SessionWindows::Window& window);
    Check start(const SessionWindows::Window& window);
    Check answer(const SessionWindows::Window& window, int index);
    Check endOfRun(const SessionWindows::Window& window, double asked, double right);
    double reading(const SessionWindows::Window& window, const char* box) const;
    qsizetype boxes() const;
    void expect(bool condition, const SessionWindows::Window& window, const QString& what);

    const SessionWindows& m_windows;
    TestEnvironment& m_env;
    ActionLog& m_log;
};
