#pragma once

#include "platform/SoundOutput.h"

#include <utility>

// A sound output that plays nothing: it counts what it was given, and the
// test says when the sound has been heard.
class RecordingSound final : public SoundOutput {
public:
    bool Available() override { return available; }
    bool Play(std::unique_ptr<QIODevice>, int, std::function<void()> heard) override
    {
        ++plays;
        playing = available ? std::move(heard) : nullptr;
        return available;
    }
    void Stop() override { playing = nullptr; }
    void Heard() { std::exchange(playing, nullptr)(); }

    bool available = true;
    int plays = 0;
    std::function<void()> playing;  // called once heard; empty while nothing plays
};
