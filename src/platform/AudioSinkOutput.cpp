#include "platform/AudioSinkOutput.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>

bool AudioSinkOutput::Available() { return !QMediaDevices::defaultAudioOutput().isNull(); }

bool AudioSinkOutput::Play(std::unique_ptr<QIODevice> samples, int sampleRate)
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
    samples->setParent(sink);
    sink->start(samples.release());
    if (sink->error() != QAudio::NoError) {
        delete sink;
        return false;
    }
    m_sink = sink;
    return true;
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
