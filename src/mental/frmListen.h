#pragma once

#include "mental/MentalWindow.h"

#include <QPointer>

class QComboBox;
class QLabel;
class QPushButton;

// 听心算: each question is read aloud in Mandarin while its numbers stay
// hidden. The child may answer while the voice speaks, hear the question
// again until it is marked, and sees it written out once it is. The set
// itself is run by MentalWindow.
class frmListen final : public MentalWindow {
    Q_OBJECT

public:
    frmListen();
    ~frmListen() override;

protected:
    void CreateSettings(QWidget& canvas) override;
    QWidget* CreateStage(QWidget& canvas) override;
    bool CanStart() override;
    void CompleteSettings(MentalSettings& settings) const override;
    void PlayQuestion(const MentalQuestion& question) override;
    void StopQuestion() override;
    bool AnswersWhilePresenting() const override { return true; }
    void QuestionMarked() override;

private:
    // Reads the question from its start, in place of any reading before.
    void read();
    void voiceHeard();
    void silence();

    QPointer<QComboBox> comPace;
    QPointer<QLabel> labQuestion;
    QPointer<QPushButton> cmdRepeat;
    bool m_speaking = false;
};
