#include "platform/AudioSinkOutput.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>

bool AudioSinkOutput::Available() { return !QMediaDevices::defaultAudioOutput().isNull(); }

bool AudioSinkOutput::Play(std::unique_ptr<QIODevice> samples, int sampleRate, std::function<void()> heard)
{
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;

    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    auto* sink = new QAudioSink(device, format, QCoreApplication::instance());
    const QIODevice* source = samples.get();
    samples->setParent(sink);
    // Pulling from its source, the sink falls idle once the source has no
    // more to give; idle before the end is a stall, not the end.
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [this, sink, source, heard](QAudio::State state) {
        if (state == QAudio::IdleState && source->atEnd())
            whenPlayedOut(*sink, heard);
    });
    sink->start(samples.release());
    if (sink->error() != QAudio::NoError) {
        delete sink;
        return false;
    }
    m_sink = sink;
    return true;
}

// The last samples have gone to the sound server, which still holds what it
// has not played yet: up to its whole buffer.
void AudioSinkOutput::whenPlayedOut(QAudioSink& sink, const std::function<void()>& heard)
{
    const qint64 heldBytes = std::max<qint64>(0, sink.bufferSize() - sink.bytesFree());
    const auto heldMs = static_cast<int>(sink.format().durationForBytes(static_cast<qint32>(heldBytes)) / 1000);
    QTimer::singleShot(heldMs, Qt::PreciseTimer, &sink, [this, &sink, heard] {
        if (m_sink == &sink && heard)
            heard();
    });
}

void AudioSinkOutput::Stop()
{
    if (m_sink.isNull())
        return;
    // The server drops what it holds of the stream: silence now, not after the buffer plays out.
    m_sink->stop();
    m_sink->deleteLater();
    m_sink.clear();
}
