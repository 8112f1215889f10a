#pragma once

#include "abacus/cAbacus.h"
#include "platform/ChildWindow.h"
#include "platform/Twips.h"

#include <QPointer>
#include <QPushButton>

#include <array>
#include <cstdint>

class PictureBox;
class QColor;
class QLabel;
class QLineEdit;
class QTimer;

// What every exercise window shares: its abacus on the drawing surface `pic`,
// the three answer buttons, the run counters and the end-of-run summary.
// The fields outlive the widgets: a window opened again starts with them.
class ExerciseWindow : public ChildWindow {
    Q_OBJECT

public:
    ~ExerciseWindow() override;

    cAbacus& Abacus() { return m_abacus; }
    double CurrentNum() const { return m_CurrentNum; }
    double QuestionCount() const { return m_QuestionCount; }
    std::int16_t RightCount() const { return m_RightCount; }

    // The summary shown when a run of n questions with r right answers is over.
    static QString RunSummary(double n, double r);
    // Its score: the share of right answers in percent, rounded down; 0 for no question.
    static double Score(double n, double r);
    // The largest number asked for a digits setting: never the all-nines
    // number of the setting; any other setting asks up to `otherwise`.
    static double LargestQuestion(double digits, double otherwise);
    static void SetTextColour(QWidget& widget, const QColor& colour);
    // Shows a tick or a cross; a screen reader says 对 or 错 rather than the sign's own name.
    static void SetMark(QLabel& label, const QString& mark, bool right);

protected:
    // Clears the random bead colouring, binds the abacus to `pic` with the
    // given rods and shows the start value.
    void LoadAbacus(std::int16_t rods, double startValue);
    void Form_Unload() override;

    void cmdclear_Click();
    void cmdExit_Click();
    void pic_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float X, float Y);
    void pic_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float X, float Y);
    void EnableNumButtons(bool enabled);
    void FillNumButtons(double answer);
    // A run of questions begins: an older run that is still waiting for its
    // summary box to return must then leave the window to this one.
    void StartRun() { ++m_runGeneration; }
    // Shows the summary of a run and waits until it is closed. The box runs
    // an event loop, and anything may happen meanwhile: false when a new run
    // started or the program is ending, and the caller must then stop.
    [[nodiscard]] bool ShowRunSummary(double n, double r);
    // A fresh number from 1 to `largest`, never the one asked before.
    double DrawQuestion(double largest);

    // Builders for the designed controls, each named as in the design.
    PictureBox* CreatePic(QWidget& parent, const QRect& place);
    void CreateNumButtons(QWidget& parent, const std::array<QRect, 3>& places, double pointSize);
    QPushButton* CreateButton(QWidget& parent, const char* name, const QString& caption, const QRect& place);
    // The label takes the window's font unless given a size of its own, and
    // grows to fit its caption in the installed face.
    QLabel* CreateLabel(QWidget& parent, const char* name, const QString& caption, const QRect& place,
                        double pointSize = 0);
    // `spokenName` is what a screen reader calls it: the label beside it, without its colon.
    QLineEdit* CreateTextBox(QWidget& parent, const char* name, const QString& text, const QRect& place,
                             const QString& spokenName);
    // A window timer, stopped, that goes with the window's widgets.
    QTimer* CreateTimer(const char* name, int intervalMs);
    // Lets the child move beads: pointer movement goes on to the abacus, so
    // that clicks move beads, and the keyboard works it too.
    void LetChildMoveBeads();
    // Keeps every mouse event away from the abacus: not even a redraw.
    void IgnorePointer();

    QPointer<PictureBox> pic;
    std::array<QPointer<QPushButton>, 3> cmdNum;

    double m_CurrentNum = 0;
    double m_QuestionCount = 0;
    std::int16_t m_RightCount = 0;

private:
    cAbacus m_abacus;
    unsigned m_runGeneration = 0;
};
