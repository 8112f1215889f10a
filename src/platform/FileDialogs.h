#pragma once

#include <QString>

// The desktop's file dialogs as the windows reach them, through
// Platform::Files(), which tests replace so that no dialog blocks.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // Asks where to save a file, offering `suggested`; empty when the user cancels.
    virtual QString SaveFileName(const QString& caption, const QString& suggested, const QString& filter) = 0;
};

class QtFileDialogs final : public FileDialogs {
public:
    QString SaveFileName(const QString& caption, const QString& suggested, const QString& filter) override;
};
