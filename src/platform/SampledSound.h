#pragma once

#include <cstdint>
#include <vector>

// Sound as 16-bit mono samples in memory, ready for an audio output.
struct SampledSound {
    std::vector<std::int16_t> samples;
    int sampleRate = 0;  // samples a second

    double Seconds() const
    {
        return sampleRate > 0 ? static_cast<double>(samples.size()) / sampleRate : 0;
    }
};
