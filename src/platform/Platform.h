#pragma once

#include "abacus/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/SoundOutput.h"
#include "platform/SpeechVoice.h"
#include "platform/WebBrowser.h"

#include <QString>

// The toolkit's clock, message boxes, file dialogs, browser, voice and sound
// as the windows reach them.
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

// espeak-ng's Mandarin voice unless replaced; started on first use.
SpeechVoice& Voice();
void SetVoice(SpeechVoice& voice);

SoundOutput& Sound();
void SetSound(SoundOutput& sound);

}  // namespace Platform
