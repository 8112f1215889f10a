#pragma once

#include "platform/SpeechVoice.h"

#include <string>

// espeak-ng's Mandarin voice, synthesising into memory. espeak-ng is a C
// library with process-wide state, so there is one of these: it starts the
// library on first use and ends it at exit, and only the UI thread calls it.
// A question of ten three-digit numbers takes a few milliseconds.
class EspeakVoice final : public SpeechVoice {
public:
    static EspeakVoice& Instance();

    EspeakVoice(const EspeakVoice&) = delete;
    EspeakVoice& operator=(const EspeakVoice&) = delete;
    ~EspeakVoice() override;

    SampledSound Say(const std::string& text, SpeechPace pace) override;

    // The phonemes espeak-ng reads in the text, in IPA, clause after clause.
    // A stretch it would read in another language shows as "(en)...".
    std::string Phonemes(const std::string& text) const;

private:
    EspeakVoice();

    void synthesise(const std::string& phrase, SampledSound& into) const;

    int m_sampleRate = 0;  // 0 when espeak-ng or its Mandarin voice could not be loaded
};
