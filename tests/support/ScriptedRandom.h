#pragma once

#include "abacus/RandomSource.h"

#include <deque>
#include <random>

// Hands out the numbers a test queues, then seeded pseudo-random ones.
// Counts reseeds so tests can check when a routine reseeds.
class ScriptedRandom final : public RandomSource {
public:
    void Randomize() override { ++reseeds; }
    float Rnd() override
    {
        ++draws;
        if (!queued.empty()) {
            const float r = queued.front();
            queued.pop_front();
            return r;
        }
        return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine);
    }

    void queue(std::initializer_list<float> numbers) { queued.insert(queued.end(), numbers); }

    std::deque<float> queued;
    std::mt19937 engine{12345};
    int reseeds = 0;
    int draws = 0;
};
