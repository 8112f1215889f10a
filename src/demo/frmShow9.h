#pragma once

#include "exercises/ExerciseWindow.h"

#include <QPointer>

#include <functional>

class QLineEdit;
class QPushButton;
class QTimer;

// The nine-passes-of-nine drill: every tick of Timer1 adds 123456789 to the
// ten-rod abacus with every bead move and carry animated, and the abacus
// starts again from 0 once it reaches 1234567890. One button starts and
// pauses the drill; "生成数字" builds a typed number by an animated addition.
class frmShow9 final : public ExerciseWindow {
    Q_OBJECT

public:
    // endProgram ends the whole run ("关闭"); the main window passes modsub::EndProgram.
    explicit frmShow9(std::function<void()> endProgram);

    // Inverted by each click of the start/pause button, and kept while the
    // window is closed: a window reopened after running acts as if held.
    bool DemoRunning() const { return m_DemoRunning; }

    // Shown instead of building a number the abacus cannot compute with.
    static QString OutOfRangeText();

protected:
    QString Caption() const override;
    QSize DesignedClientSize() const override;
    void CreateControls(QWidget& canvas) override;
    void Form_Load() override;
    void Form_Unload() override;

private:
    void createAbacusRow(QWidget& canvas);
    void createUnusedEntries(QWidget& canvas);
    void createFarButtons(QWidget& canvas);
    void makeDefaultButton(QWidget& canvas);
    void pressDefaultButton();

    void cmdYanShi2_Click();
    void Timer1_Timer();
    void cmdOk_Click();
    void cmdStart_Click();
    void cmdOk2_Click();
    void cmdExit_Click();

    bool announcePause();
    void setTimer1Enabled(bool enabled);

    const std::function<void()> m_endProgram;
    bool m_DemoRunning = false;
    bool m_passRunning = false;

    QPointer<QLineEdit> txtNewNum;
    QPointer<QPushButton> cmdYanShi2;
    QPointer<QTimer> Timer1;
};
