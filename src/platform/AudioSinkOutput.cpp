#include "platform/AudioSinkOutput.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>

bool AudioSinkOutput::Available() { return !QMediaDevices::defaultAudioOutput().isNull(); }

bool AudioSinkOutput::Play(const SampledSound& sound)
{
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;

    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    auto* sink = new QAudioSink(device, format, QCoreApplication::instance());
    auto* samples = new QBuffer(sink);
    samples->setData(reinterpret_cast<const char*>(sound.samples.data()),
                     static_cast<qsizetype>(sound.samples.size() * sizeof(std::int16_t)));
    samples->open(QIODevice::ReadOnly);
    sink->start(samples);
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
