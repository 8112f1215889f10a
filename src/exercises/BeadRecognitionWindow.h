#pragma once

#include "exercises/BeadRecognitionLayout.h"
#include "exercises/ExerciseWindow.h"

#include <QPointer>

#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The run of a bead-recognition window: a timed series of numbers on the
// abacus, each read by picking one of three answer buttons, and a summary
// with the score at the end. A run is in progress exactly while Timer1 runs.
class BeadRecognitionWindow : public ExerciseWindow {
    Q_OBJECT

public:
    // Shows the next question: a new number on the abacus and its answer buttons.
    void NextNum();

protected:
    explicit BeadRecognitionWindow(const BeadRecognitionLayout& layout);

    QSize DesignedClientSize() const override;
    void CreateControls(QWidget& canvas) override;
    void Form_Unload() override;

private:
    void createLabels(QWidget& canvas);
    void createEntries(QWidget& canvas);
    void createButtons(QWidget& canvas);
    void connectSignals();

    void cmdStart_Click();
    void Timer1_Timer();
    void cmdNum_Click(int Index);
    void finishRun();
    void keepRun() const;
    QString questionCaption() const;

    const BeadRecognitionLayout m_layout;
    // Wall-clock second at which the current question was shown.
    std::int64_t m_QuestionStart = 0;
    // Milliseconds on the program's clock at which the run started.
    std::int64_t m_runStart = 0;

    QPointer<QLabel> labShow;
    QPointer<QLabel> labScore;
    QPointer<QLineEdit> txtNum;
    QPointer<QLineEdit> txtTime;
    QPointer<QLineEdit> txtDig;
    QPointer<QPushButton> cmdStart;
    QPointer<QPushButton> cmdExit;
    QPointer<QPushButton> cmdclear;
    QPointer<QTimer> Timer1;
};
