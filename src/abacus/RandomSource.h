#pragma once

// The program's random generator: uniform numbers in [0, 1), reseeded from
// the clock whenever a routine asks for it.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    virtual void Randomize() = 0;
    virtual float Rnd() = 0;
};
