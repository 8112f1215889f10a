#pragma once

#include "course/DrillQuestions.h"
#include "exercises/ExerciseWindow.h"

#include <QPointer>

#include <array>
#include <functional>
#include <optional>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

// The column-arithmetic window: "出题" writes a question, the child works it
// on the abacus and types the result, "完成" plays the sum bead by bead and
// marks the answer. With nothing chosen in 出题类型 and 位数 a question is a
// two-digit addition without carries; a choice in either list makes it
// practise that group of bead rules within that range, taking away as well.
// It also carries the timed bead-reading run of the exercise windows, with
// its controls to the right of the designed width.
//
// The question lives only in its text boxes: every step reads them afresh,
// so an edited question is played and marked as edited.
class frmTrain02 final : public ExerciseWindow {
    Q_OBJECT

public:
    // showAgain brings the main window's start-up picture back.
    explicit frmTrain02(std::function<void()> showAgain);

    // Shown instead of playing a question the abacus cannot hold.
    static QString TooLargeText();
    // Shown instead of a question when the choice of the two lists has none.
    static QString NoQuestionText(const QString& range, const QString& style);

protected:
    QString Caption() const override;
    QSize DesignedClientSize() const override;
    void CreateControls(QWidget& canvas) override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    // Builders, in frmTrain02Controls.cpp.
    void createPicture(QWidget& canvas);
    void createSettingControls(QWidget& canvas);
    void createQuestionControls(QWidget& canvas);
    void createRunControls(QWidget& canvas);
    void createHiddenControls(QWidget& canvas);
    QComboBox* createList(QWidget& canvas, const char* name, const QRect& place);
    void connectSignals();

    void cmdQ_Click();
    // A question from 出题 or typed by hand: the next 完成 to finish hands it over.
    void newQuestion(bool typed);
    void keepAnswer(double first, double second, double answer, bool right);
    // Nothing when the lists' choice has no question.
    std::optional<DrillQuestion> nextQuestion() const;
    void cmdOk2_Click();
    void cmkQuit_Click();
    void cmdStart_Click();
    void Timer1_Timer();

    // False once a wait or a message box let the window close, or the program end.
    bool stillStanding(unsigned generation) const;
    bool playAddition(double number, unsigned generation);
    // Reads both operand boxes; when a number or the sum is beyond the abacus,
    // says so, hides the mark and answers false.
    bool questionFits();
    // Marks the sum; hands it over only while `question` is still the one on screen.
    void markAnswer(unsigned question);
    int questionInterval();
    void endRun();
    void showStatus(const QString& caption);
    double reading(const QLineEdit* box) const;

    std::function<void()> m_showAgain;
    // The question of the last press, which the next press does not repeat.
    std::optional<DrillQuestion> m_lastQuestion;
    // The question on screen was handed over (or there is none): 完成 replays it.
    bool m_answerKept = true;
    // Counts the questions: a 出题 pressed while 完成 plays makes the playback's question stale.
    unsigned m_questionNumber = 0;
    // Milliseconds on the program's clock at which the question came.
    std::int64_t m_questionStart = 0;

    QPointer<QComboBox> comStyle;
    QPointer<QComboBox> comDig;
    QPointer<QLineEdit> txtNum;
    QPointer<QLineEdit> txtTime;
    QPointer<QLineEdit> txtDig;
    std::array<QPointer<QLineEdit>, 2> txtChange;
    QPointer<QLineEdit> txtN4;
    QPointer<QPushButton> cmdQ;
    QPointer<QPushButton> cmkQuit;
    QPointer<QPushButton> cmdOk2;
    QPointer<QPushButton> cmdStart;
    QPointer<QPushButton> cmdExit;
    QPointer<QLabel> labScore;
    QPointer<QLabel> labShow;
    QPointer<QLabel> labAddNum;
    QPointer<QGroupBox> fraShowNum;
    QPointer<QFrame> Line1;
    QPointer<QTimer> Timer1;
};
