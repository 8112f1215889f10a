#include "platform/EspeakVoice.h"

#include "platform/SpokenPhrases.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <string_view>

namespace {

// The voice that reads Chinese characters as Mandarin; plain "cmn" spells them out as English pinyin.
constexpr const char* VoiceName = "cmn-latn-pinyin";
// With the quiet edges espeak-ng leaves on each phrase, about 0.6 s of silence.
constexpr double PauseSeconds = 0.55;
constexpr std::string_view Comma = "，";
constexpr std::string_view Dash = "——";

// espeak-ng's rate, nominally words a minute, set by measuring spoken numbers
// (silences left out) at about 2.5, 4 and 6 syllables a second.
int rate(SpeechPace pace)
{
    switch (pace) {
    case SpeechPace::Slow:
        return 111;
    case SpeechPace::Medium:
        return 170;
    case SpeechPace::Fast:
        return 235;
    }
    return espeakRATE_NORMAL;
}

int appendSamples(short* samples, int count, espeak_EVENT* events)
{
    if (samples != nullptr && count > 0)
        static_cast<QByteArray*>(events->user_data)
            ->append(reinterpret_cast<const char*>(samples), static_cast<qsizetype>(count * sizeof(short)));
    return 0;  // go on
}

// The text between the pauses, in order: what each "，" or "——" separates.
std::vector<std::string> phrases(std::string_view text)
{
    std::vector<std::string> phrases;
    for (;;) {
        const std::size_t comma = text.find(Comma);
        const std::size_t end = std::min(comma, text.find(Dash));
        phrases.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return phrases;
        text.remove_prefix(end + (end == comma ? Comma : Dash).size());
    }
}

}  // namespace

EspeakVoice& EspeakVoice::Instance()
{
    static EspeakVoice voice;
    return voice;
}

EspeakVoice::EspeakVoice()
{
    const int sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
    if (sampleRate <= 0)
        return;
    espeak_SetSynthCallback(appendSamples);
    if (espeak_SetVoiceByName(VoiceName) == EE_OK)
        m_sampleRate = sampleRate;
}

EspeakVoice::~EspeakVoice() { espeak_Terminate(); }

std::unique_ptr<QIODevice> EspeakVoice::Say(const std::string& text, SpeechPace pace)
{
    // Each phrase on its own, so that the pause between them is ours and the same at every pace.
    const auto pauseBytes = static_cast<qsizetype>(PauseSeconds * m_sampleRate) * static_cast<qsizetype>(sizeof(short));
    return std::make_unique<SpokenPhrases>(
        m_sampleRate > 0 ? phrases(text) : std::vector<std::string>(),
        [this, pace](const std::string& phrase) { return synthesise(phrase, pace); }, pauseBytes);
}

QByteArray EspeakVoice::synthesise(const std::string& phrase, SpeechPace pace) const
{
    QByteArray samples;
    espeak_SetParameter(espeakRATE, rate(pace), 0);
    espeak_Synth(phrase.c_str(), phrase.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &samples);
    return samples;
}

std::string EspeakVoice::Phonemes(const std::string& text) const
{
    std::string phonemes;
    if (m_sampleRate == 0)
        return phonemes;
    const void* next = text.c_str();
    while (next != nullptr) {
        const char* clause = espeak_TextToPhonemes(&next, espeakCHARS_UTF8, espeakPHONEMES_IPA);
        if (!phonemes.empty())
            phonemes += ' ';
        phonemes += clause != nullptr ? clause : "";
    }
    return phonemes;
}
