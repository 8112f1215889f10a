#pragma once

#include "platform/SoundOutput.h"

#include <QPointer>

class QAudioSink;

// The desktop's default audio output, through Qt Multimedia. On Debian, Qt
// plays through the sound server (PulseAudio, or PipeWire's PulseAudio
// service); without one there is no device, and Available() says so.
class AudioSinkOutput final : public SoundOutput {
public:
    bool Available() override;
    bool Play(std::unique_ptr<QIODevice> samples, int sampleRate, std::function<void()> heard) override;
    void Stop() override;

private:
    void whenPlayedOut(QAudioSink& sink, const std::function<void()>& heard);

    // Owned by the application, so that it goes before Qt Multimedia does at
    // exit; the samples it reads are its child.
    QPointer<QAudioSink> m_sink;
};
