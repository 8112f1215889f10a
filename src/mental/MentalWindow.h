#pragma once

#include "course/MentalSet.h"
#include "course/MentalSettingsCheck.h"
#include "platform/ChildWindow.h"

#include <QPointer>
#include <QString>

#include <map>
#include <memory>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// What the mental-arithmetic windows share: everything but the way a
// question's numbers reach the child.
//
// The seam: a window built on this one lays out its settings in its own
// order with the builders below, gives the stage where questions are
// presented, presents each question when asked (PlayQuestion) and says when
// it has been given (QuestionPresented); hooks say whether a set may start
// at all, whether an answer may come earlier and let it show the question
// once marked. This base checks the settings, runs the set (MentalSet: the
// questions, the marking, the results handed on and the summary), and owns
// the answer row and the keys: Enter starts, answers and goes on (or
// presses the button that has the focus), Esc stops the set without a summary.
//
// Laid out with Qt's layouts, the window fills its frame at any size.
class MentalWindow : public ChildWindow {
    Q_OBJECT

public:
    // The set in progress; null between sets.
    const MentalSet* Set() const { return m_set.get(); }

protected:
    explicit MentalWindow(QString caption);

    QString Caption() const override { return m_caption; }
    QSize DesignedClientSize() const override { return {}; }
    void CreateControls(QWidget& canvas) override;
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The settings, each with its label, in the order the window shows them.
    virtual void CreateSettings(QWidget& canvas) = 0;
    // The area where questions are presented; it has the focus meanwhile.
    virtual QWidget* CreateStage(QWidget& canvas) = 0;
    // Whether a set may start now; a window that cannot present says why itself.
    virtual bool CanStart() { return true; }
    // The window's own settings, once the shared ones have been checked.
    virtual void CompleteSettings(MentalSettings& settings) const = 0;
    virtual void PlayQuestion(const MentalQuestion& question) = 0;
    // Stops presenting at once and clears the stage; nothing may be left running.
    virtual void StopQuestion() = 0;
    // Whether the child may answer before the question has been given in
    // full (as while a voice reads it): Enter then stops presenting and marks.
    virtual bool AnswersWhilePresenting() const { return false; }
    // The answer has been marked, √ or × shown.
    virtual void QuestionMarked() {}

    // The question has been given: the answer box takes the focus, and the
    // time to answer counts from `endedMs` on the program's clock.
    void QuestionPresented(std::int64_t endedMs);
    // Stops the set without a summary, as Esc does.
    void EndSet();

    // A setting's label and box; the box carries the label's name for screen readers.
    void AddSetting(QWidget& canvas, const QString& label, QWidget* field);
    // A box checked as `setting` when the set starts.
    QLineEdit* AddSettingBox(QWidget& canvas, MentalSetting setting, const char* name, const QString& label,
                             const QString& text);
    QComboBox* AddSettingList(QWidget& canvas, const char* name, const QString& label, const QStringList& items);
    // 加减: 只加 or 加减混合.
    void AddMixList(QWidget& canvas);

private:
    void createStartButtons(QWidget& canvas, QHBoxLayout& top);
    QLayout* createAnswerRow(QWidget& canvas);
    void connectSignals();

    void cmdStart_Click();
    void cmdOk_Click();
    void cmdNext_Click();
    void cmdExit_Click();
    void enterPressed();
    void escapePressed();
    void keepAnsweredSet();

    MentalSettingsEntry entry() const;
    void refuse(const SettingsProblem& problem);
    void nextQuestion();
    void finishSet();
    void enableSettings(bool enabled);

    QString m_caption;
    std::unique_ptr<MentalSet> m_set;
    std::map<MentalSetting, QPointer<QLineEdit>> m_boxes;
    QPointer<QGridLayout> m_settings;
    int m_settingCount = 0;
    QList<QPointer<QWidget>> m_settingFields;
    QPointer<QComboBox> comMix;
    QPointer<QWidget> m_stage;
    QPointer<QPushButton> cmdStart;
    QPointer<QPushButton> cmdExit;
    QPointer<QLineEdit> txtAnswer;
    QPointer<QPushButton> cmdOk;
    QPointer<QPushButton> cmdNext;
    QPointer<QLabel> labMark;
    QPointer<QLabel> labRight;
    QPointer<QLabel> labProgress;
};
