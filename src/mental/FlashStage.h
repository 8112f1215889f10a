#pragma once

#include "abacus/cAbacus.h"

#include <QString>
#include <QWidget>

#include <cstdint>

class PictureBox;

// Where the flash window shows the ready mark and the numbers: in digits as
// large as the stage allows, or as the abacus shows them, with a red minus
// beside a subtracted one. A screen reader reads the number on show, with
// its sign, as the stage's name; the name is empty while the stage is blank.
//
// Every change is painted before it returns, so that the moment a number
// is asked to show is the moment it is on the screen.
class FlashStage : public QWidget {
    Q_OBJECT

public:
    enum class Look { Digits, Beads };

    explicit FlashStage(QWidget* parent = nullptr);

    // Before a question: how its numbers look and, for beads, how many digits they have.
    void Prepare(Look look, int digits);
    void ShowReady();
    void ShowNumber(std::int64_t number);
    void ShowBlank();

    // The abacus of the bead look and its picture, for onlookers.
    cAbacus& Abacus() { return m_abacus; }
    PictureBox* Picture() const { return m_picture; }
    // How `text` fits the stage: its font size in pixels, and how much
    // narrower than their own width its digits are drawn.
    struct DigitFit {
        int pixels;
        double condense;
    };
    DigitFit FitDigits(const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void present(const QString& text, const QString& spoken, bool subtracted, bool beads);
    void placePicture();
    QRectF minusBar() const;

    PictureBox* m_picture = nullptr;  // a child: it lives as long as the stage
    cAbacus m_abacus;
    Look m_look = Look::Digits;
    QString m_text;
    bool m_subtracted = false;
};
