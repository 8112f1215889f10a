#pragma once

#include <cstdint>

// One random session: the seed that fixes every choice, how many top-level
// actions it makes, and which extra kinds of action it mixes in.
struct SessionOptions {
    std::uint32_t seed = 1;
    int actions = 100;
    // Flips the program-wide random bead colouring now and then, so every
    // window also draws its beads in random colours.
    bool toggleColourfulBeads = false;
    // Lets timers tick while a message box is open, as they do behind a real
    // modal box.
    bool actInsideBoxes = false;
};
