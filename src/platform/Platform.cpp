#include "platform/Platform.h"

#include "platform/AudioSinkOutput.h"
#include "platform/EspeakVoice.h"
#include "platform/SystemClock.h"

namespace {

SystemClock g_systemClock;
QtMessageBoxes g_qtMessageBoxes;
QtFileDialogs g_qtFileDialogs;
DesktopBrowser g_desktopBrowser;
AudioSinkOutput g_audioSink;

const Clock* g_clock = &g_systemClock;
MessageBoxes* g_messages = &g_qtMessageBoxes;
FileDialogs* g_files = &g_qtFileDialogs;
WebBrowser* g_browser = &g_desktopBrowser;
SpeechVoice* g_voice = nullptr;  // espeak-ng, only once something speaks
SoundOutput* g_sound = &g_audioSink;

}  // namespace

namespace Platform {

const Clock& ProgramClock() { return *g_clock; }
void SetClock(const Clock& clock) { g_clock = &clock; }

MessageBoxes& Messages() { return *g_messages; }
void SetMessages(MessageBoxes& messages) { g_messages = &messages; }

FileDialogs& Files() { return *g_files; }
void SetFiles(FileDialogs& files) { g_files = &files; }

WebBrowser& Browser() { return *g_browser; }
void SetBrowser(WebBrowser& browser) { g_browser = &browser; }

SpeechVoice& Voice() { return g_voice != nullptr ? *g_voice : EspeakVoice::Instance(); }
void SetVoice(SpeechVoice& voice) { g_voice = &voice; }

SoundOutput& Sound() { return *g_sound; }
void SetSound(SoundOutput& sound) { g_sound = &sound; }

}  // namespace Platform
