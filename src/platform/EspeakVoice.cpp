#include "platform/EspeakVoice.h"

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
    if (samples != nullptr && count > 0) {
        auto* sound = static_cast<SampledSound*>(events->user_data);
        sound->samples.insert(sound->samples.end(), samples, samples + count);
    }
    return 0;  // go on
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

SampledSound EspeakVoice::Say(const std::string& text, SpeechPace pace)
{
    SampledSound sound;
    if (m_sampleRate == 0)
        return sound;
    sound.sampleRate = m_sampleRate;
    espeak_SetParameter(espeakRATE, rate(pace), 0);

    // Each phrase on its own, so that the pause between them is ours and the same at every pace.
    const auto pause = static_cast<std::size_t>(PauseSeconds * m_sampleRate);
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(Comma);
        const std::size_t end = std::min(comma, rest.find(Dash));
        synthesise(std::string(rest.substr(0, end)), sound);
        if (end == std::string_view::npos)
            break;
        sound.samples.insert(sound.samples.end(), pause, 0);
        rest.remove_prefix(end + (end == comma ? Comma : Dash).size());
    }
    return sound;
}

void EspeakVoice::synthesise(const std::string& phrase, SampledSound& into) const
{
    if (phrase.empty())
        return;
    espeak_Synth(phrase.c_str(), phrase.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &into);
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
