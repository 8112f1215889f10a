#pragma once

#include "platform/SampledSound.h"

// Where sound is heard. Windows reach it through Platform::Sound(), which
// tests replace: the machines that run them have no sound device.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Whether a device is there to play on; asked before promising sound.
    virtual bool Available() = 0;
    // Starts the sound in place of whatever plays and returns at once; false
    // when no device would take it.
    virtual bool Play(const SampledSound& sound) = 0;
    // Silences the sound at once; nothing when nothing plays.
    virtual void Stop() = 0;
};
