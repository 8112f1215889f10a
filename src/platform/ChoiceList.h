#pragma once

#include <QComboBox>

// A drop-down list without typing. Delete or Backspace takes its choice away,
// so that "nothing chosen" can be had again without an item for it, and its
// popup is wide enough to show every item whole while the closed list keeps
// the width it was given.
class ChoiceList final : public QComboBox {
public:
    explicit ChoiceList(QWidget* parent);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
