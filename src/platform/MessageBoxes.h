#pragma once

#include <QString>

class QWidget;

// Modal messages with an OK button under the application's title. Windows
// reach them through Platform::Messages(), which tests replace so that no
// box blocks.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    virtual void Information(const QString& text) = 0;
    virtual void Plain(const QString& text) = 0;
    // A question with the buttons 是 and 否: true for 是. Boxes that cannot
    // ask show the text and answer 否, the answer that changes nothing.
    virtual bool Question(const QString& text)
    {
        Plain(text);
        return false;
    }
};

class QtMessageBoxes final : public MessageBoxes {
public:
    void Information(const QString& text) override;
    void Plain(const QString& text) override;
    bool Question(const QString& text) override;
};
