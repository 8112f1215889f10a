#include "SessionOracles.h"

#include "ActionLog.h"
#include "TestEnvironment.h"
#include "abacus/cAbacus.h"
#include "exercises/ExerciseWindow.h"
#include "exercises/NumberText.h"
#include "training/frmTrain02.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace {

// The largest number a bead-recognition question may show for a digits setting.
double questionBound(double digits)
{
    if (digits >= 1 && digits <= 4 && digits == std::floor(digits))
        return std::pow(10.0, digits) - 2;
    return 99998;
}

bool whole(double x) { return x == std::floor(x); }

QString labelText(const SessionWindows::Window& window, const char* name)
{
    auto* label = SessionWindows::Find<QLabel>(window, QString::fromLatin1(name));
    return label && !label->isHidden() ? label->text() : QStringLiteral("(hidden)");
}

bool timerRuns(const SessionWindows::Window& window)
{
    auto* timer = SessionWindows::Find<QTimer>(window, QStringLiteral("Timer1"));
    return timer && timer->isActive();
}

}  // namespace

SessionOracles::SessionOracles(const SessionWindows& windows, TestEnvironment& env, ActionLog& log)
    : m_windows(windows)
    , m_env(env)
    , m_log(log)
{
}

SessionOracles::Check SessionOracles::Before(const SessionWindows::Window& window, const QString& button)
{
    if (m_windows.IsTrain02(window))
        return button == QStringLiteral("cmdOk2") ? play(window) : Check{};
    if (m_windows.IsShow9(window))
        return button == QStringLiteral("cmdOk") ? build(window) : Check{};
    if (button == QStringLiteral("cmdStart"))
        return start(window);
    if (button.startsWith(QStringLiteral("cmdNum")))
        return answer(window, button.back().digitValue());
    return {};
}

SessionOracles::Check SessionOracles::play(const SessionWindows::Window& window)
{
    const double a = reading(window, "txtChange0");
    const double b = reading(window, "txtChange1");
    const double typed = reading(window, "txtN4");
    const qsizetype before = boxes();
    return [=, this] {
        const bool fits = cAbacus::InRange(a) && cAbacus::InRange(b) && cAbacus::InRange(a + b);
        if (!fits) {
            expect(boxes() == before + 1 && m_env.messages.boxes.last().text == frmTrain02::TooLargeText(), window,
                   QStringLiteral("完成 with %1 + %2 did not say the numbers are too large").arg(a).arg(b));
            expect(labelText(window, "labScore") == QStringLiteral("(hidden)"), window,
                   QStringLiteral("a question too large still shows a mark"));
            return;
        }
        const double sum = a + b;
        const QString mark = typed == sum ? QStringLiteral("√") : QStringLiteral("×");
        expect(boxes() == before, window, QStringLiteral("完成 showed a message"));
        expect(labelText(window, "labScore") == mark, window,
               QStringLiteral("完成 with %1 + %2 and the answer %3 marked %4")
                   .arg(NumberText(a), NumberText(b), NumberText(typed), labelText(window, "labScore")));
        if (whole(sum) && sum >= 0 && sum <= 99999)
            expect(window.window->Abacus().Value() == sum, window,
                   QStringLiteral("完成 with %1 + %2 left %3 on the abacus")
                       .arg(NumberText(a), NumberText(b), NumberText(window.window->Abacus().Value())));
    };
}

SessionOracles::Check SessionOracles::build(const SessionWindows::Window& window)
{
    const double number = reading(window, "txtNewNum");
    const qsizetype before = boxes();
    return [=, this] {
        expect(!timerRuns(window), window, QStringLiteral("生成数字 left the drill running"));
        const bool buildable = cAbacus::InRange(number);
        expect(boxes() == before + (buildable ? 0 : 1), window,
               QStringLiteral("生成数字 with %1: wrong number of messages").arg(NumberText(number)));
        // A negative number comes out as the rods' complement.
        if (buildable && whole(number) && number >= 0)
            expect(window.window->Abacus().Value() == number, window,
                   QStringLiteral("生成数字 with %1 built %2")
                       .arg(NumberText(number), NumberText(window.window->Abacus().Value())));
    };
}

SessionOracles::Check SessionOracles::start(const SessionWindows::Window& window)
{
    const double previous = window.window->CurrentNum();
    const double bound = questionBound(reading(window, "txtDig"));
    return [=, this] {
        ExerciseWindow& w = *window.window;
        const double asked = w.CurrentNum();
        expect(w.QuestionCount() == 1 && w.RightCount() == 0 && timerRuns(window), window,
               QStringLiteral("开始 did not start a run at question 1"));
        expect(whole(asked) && asked >= 1 && asked <= bound && asked != previous, window,
               QStringLiteral("开始 asked %1 (bound %2, previous %3)")
                   .arg(NumberText(asked), NumberText(bound), NumberText(previous)));
        expect(w.Abacus().Value() == std::fmod(asked, std::pow(10.0, window.rods)), window,
               QStringLiteral("the abacus does not show the question %1").arg(NumberText(asked)));
    };
}

SessionOracles::Check SessionOracles::answer(const SessionWindows::Window& window, int index)
{
    ExerciseWindow& w = *window.window;
    auto* button = SessionWindows::Find<QPushButton>(window, QStringLiteral("cmdNum%1").arg(index));
    const double asked = w.QuestionCount();
    if (!button || asked < 1)
        return {};
    const double right = w.RightCount() + (ReadNumber(button->text()) == w.CurrentNum() ? 1 : 0);
    if (reading(window, "txtNum") <= asked)
        return endOfRun(window, asked, right);
    const double previous = w.CurrentNum();
    const QString mark = right > w.RightCount() ? QStringLiteral("√") : QStringLiteral("X");
    return [=, this, &w] {
        expect(w.QuestionCount() == asked + 1 && w.RightCount() == right && timerRuns(window), window,
               QStringLiteral("an answer did not move on to the next question"));
        expect(labelText(window, "labScore") == mark, window, QStringLiteral("an answer was not marked ") + mark);
        expect(labelText(window, "labShow") == QStringLiteral("第") + NumberText(asked) + QStringLiteral("题"),
               window, QStringLiteral("labShow does not name the question just answered"));
        expect(w.CurrentNum() != previous, window, QStringLiteral("the next question repeats the last one"));
    };
}

SessionOracles::Check SessionOracles::endOfRun(const SessionWindows::Window& window, double asked, double right)
{
    const qsizetype before = boxes();
    return [=, this] {
        ExerciseWindow& w = *window.window;
        const QString summary = ExerciseWindow::RunSummary(asked, right);
        expect(boxes() == before + 1 && m_env.messages.boxes.last().text == summary, window,
               QStringLiteral("the last answer did not show the summary of %1 right of %2").arg(right).arg(asked));
        expect(w.QuestionCount() == 0 && w.RightCount() == 0 && !timerRuns(window), window,
               QStringLiteral("the run did not end"));
        expect(w.Abacus().Value() == 0 && labelText(window, "labShow") == QStringLiteral("完成")
                   && labelText(window, "labScore") == QStringLiteral("(hidden)"),
               window, QStringLiteral("the window does not show the end of the run"));
    };
}

double SessionOracles::reading(const SessionWindows::Window& window, const char* box) const
{
    auto* edit = SessionWindows::Find<QLineEdit>(window, QString::fromLatin1(box));
    return edit ? ReadNumber(edit->text()) : 0;
}

qsizetype SessionOracles::boxes() const { return m_env.messages.boxes.size(); }

void SessionOracles::expect(bool condition, const SessionWindows::Window& window, const QString& what)
{
    if (!condition)
        m_log.fail(window.name + QStringLiteral(": ") + what);
}
