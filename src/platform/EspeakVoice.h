#pragma once

#include "platform/SpeechVoice.h"

#include <QByteArray>

#include <string>

// espeak-ng's Mandarin voice, synthesising into memory. espeak-ng is a C
// library with process-wide state, so there is one of these: it starts the
// library on first use and ends it at exit, and only the UI thread calls it.
// A phrase takes a few milliseconds; a whole question is synthesised phrase
// by phrase as it is read.
class EspeakVoice final : public SpeechVoice {
public:
    static EspeakVoice& Instance();

    EspeakVoice(const EspeakVoice&) = delete;
    EspeakVoice& operator=(const EspeakVoice&) = delete;
    ~EspeakVoice() override;

    std::unique_ptr<QIODevice> Say(const std::string& text, SpeechPace pace) override;
    int SampleRate() const override { return m_sampleRate; }

    // The phonemes espeak-ng reads in the text, in IPA, clause after clause.
    // A stretch it would read in another language shows as "(en)...".
    std::string Phonemes(const std::string& text) const;

private:
    EspeakVoice();

    QByteArray synthesise(const std::string& phrase, SpeechPace pace) const;

    int m_sampleRate = 0;  // 0 when espeak-ng or its Mandarin voice could not be loaded
};
