#pragma once

#include <QObject>

class PictureBox;
class cAbacus;

// Lets the keyboard work the abacus as the mouse does: Left and Right choose
// a rod (the units rod first), Up and Down add or take one on it without a
// carry (9 and 0 stay as they are), a digit key sets it to that digit. Each
// change shows at once, as a click's does. A mark shows the chosen rod from
// the first key or Tab into the abacus until the focus leaves it, so a child
// who only uses the mouse sees the abacus as it always was.
class AbacusKeys final : public QObject {
    Q_OBJECT

public:
    // Goes with the picture.
    AbacusKeys(PictureBox& picture, cAbacus& abacus);

    // The chosen rod, 0 the leftmost.
    int ChosenRod() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool press(int key);
    void setChosenDigit(int digit);
    void showMark(bool shown);

    PictureBox& m_picture;
    cAbacus& m_abacus;
    // Counted from the units rod, so that it stays the units rod whatever the number of rods.
    int m_place = 0;
};
