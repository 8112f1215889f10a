#pragma once

#include "platform/SampledSound.h"

#include <string>

// 慢, 中 and 快: about 2.5, 4 and 6 syllables a second.
enum class SpeechPace { Slow, Medium, Fast };

// Turns Mandarin text into sound; it plays nothing itself. Windows reach it
// through Platform::Voice(), which tests may replace.
class SpeechVoice {
public:
    virtual ~SpeechVoice() = default;

    // The text in UTF-8, numbers already in Chinese numerals. Each "，" or
    // "——" is a pause of about 0.6 s. Empty when the voice cannot speak.
    virtual SampledSound Say(const std::string& text, SpeechPace pace) = 0;
};
