#pragma once

#include "mental/MentalWindow.h"

#include <QPointer>

class FlashPlayer;
class FlashStage;
class QComboBox;
class QLineEdit;

// 闪电心算: the numbers of each question flash one after another, in large
// digits or as the abacus shows them, on a schedule fixed when the
// question starts. The set itself is run by MentalWindow.
class frmFlash final : public MentalWindow {
    Q_OBJECT

public:
    frmFlash();

    // For tests and the timing bench; null while the window is closed.
    FlashPlayer* Player() const;
    FlashStage* Stage() const;

protected:
    void CreateSettings(QWidget& canvas) override;
    QWidget* CreateStage(QWidget& canvas) override;
    void CompleteSettings(MentalSettings& settings) const override;
    void PlayQuestion(const MentalQuestion& question) override;
    void StopQuestion() override;

private:
    void comLevel_Changed(int index);

    QPointer<QComboBox> comLevel;
    QPointer<QLineEdit> txtDig;
    QPointer<QLineEdit> txtCount;
    QPointer<QLineEdit> txtSeconds;
    QPointer<QComboBox> comShow;
    QPointer<FlashStage> m_stage;
    QPointer<FlashPlayer> m_player;
};
