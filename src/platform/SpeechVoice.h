#pragma once

#include <QIODevice>

#include <memory>
#include <string>

// 慢, 中 and 快: about 2.5, 4 and 6 syllables a second.
enum class SpeechPace { Slow, Medium, Fast };

// Turns Mandarin text into sound; it plays nothing itself. Windows reach it
// through Platform::Voice(), which tests may replace.
class SpeechVoice {
public:
    virtual ~SpeechVoice() = default;

    // 16-bit mono samples at SampleRate(), from a read-only device open for
    // an audio output to pull. The text is UTF-8 with numbers already in
    // Chinese numerals; each "，" or "——" is a pause of about 0.6 s. Nothing
    // to read when the voice cannot speak.
    virtual std::unique_ptr<QIODevice> Say(const std::string& text, SpeechPace pace) = 0;
    virtual int SampleRate() const = 0;
};
