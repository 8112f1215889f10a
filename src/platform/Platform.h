#pragma once

#include "abacus/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/WebBrowser.h"

#include <QString>

// The toolkit's clock, message boxes, file dialogs and browser as the windows reach them.
// Tests put fakes in their place.
namespace Platform {

inline const QString ApplicationTitle = QStringLiteral("灵犀数坊");

const Clock& ProgramClock();
void SetClock(const Clock& clock);

MessageBoxes& Messages();
void SetMessages(MessageBoxes& messages);

FileDialogs& Files();
void SetFiles(FileDialogs& files);

WebBrowser& Browser();
void SetBrowser(WebBrowser& browser);

}  // namespace Platform
