#pragma once

#include "abacus/RandomSource.h"
#include "abacus/Waiter.h"

// What the whole program shares: the bead colours, the random generators and
// the wait that paces animations. Main installs the real generators and wait;
// until then (and in model tests) fixed sequences and a wait that returns at
// once stand in.
namespace ProgramWide {

inline double RestColor = 0;
inline double CountColor = 0;
inline bool ColorfulBeads = false;

// Questions and answer buttons draw from this one.
RandomSource& Random();
void SetRandom(RandomSource& source);
// Colourful beads draw from their own, so that drawing them never changes
// which question comes next.
RandomSource& BeadColours();
void SetBeadColours(RandomSource& source);

Waiter& Wait();
void SetWaiter(Waiter& waiter);

// Start values, the fixed sequences and the wait that returns at once again.
void ResetToDefaults();

}  // namespace ProgramWide
