#pragma once

#include <QIODevice>

#include <functional>
#include <memory>

// Where sound is heard. Windows reach it through Platform::Sound(), which
// tests replace: the machines that run them have no sound device.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Whether a device is there to play on; asked before promising sound.
    virtual bool Available() = 0;
    // Starts playing 16-bit mono samples read from the open device, in place
    // of whatever plays, and returns at once; false when no device would take
    // them. `heard` is called once the last sample has been played out, never
    // after Stop() or a later Play().
    virtual bool Play(std::unique_ptr<QIODevice> samples, int sampleRate, std::function<void()> heard) = 0;
    // Silences the sound at once; nothing when nothing plays.
    virtual void Stop() = 0;
};
