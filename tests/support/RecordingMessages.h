#pragma once

#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/WebBrowser.h"

#include <QStringList>

#include <functional>

// Message boxes that never block: each one is recorded as closed at once.
// `whileOpen` runs as if the user acted while the box was on screen.
class RecordingMessages final : public MessageBoxes {
public:
    struct Box {
        bool information;
        QString text;
    };

    void Information(const QString& text) override { record(true, text); }
    void Plain(const QString& text) override { record(false, text); }
    bool Question(const QString& text) override
    {
        record(false, text);
        return answerYes;
    }

    QList<Box> boxes;
    bool answerYes = true;
    std::function<void(const Box&)> whileOpen;

private:
    void record(bool information, const QString& text)
    {
        boxes.append({information, text});
        if (whileOpen)
            whileOpen(boxes.last());
    }
};

class RecordingBrowser final : public WebBrowser {
public:
    void Open(const QString& address) override { opened.append(address); }

    QStringList opened;
};

// A save dialog that answers at once with the path the test set (empty: cancelled).
class ScriptedFileDialogs final : public FileDialogs {
public:
    QString SaveFileName(const QString&, const QString&, const QString&) override { return answer; }

    QString answer;
};
