#pragma once

#include "abacus/RandomSource.h"
#include "abacus/Waiter.h"

// What the whole program shares: the bead colours, the random generator and
// the wait that paces animations. Main installs the real generator and wait;
// until then (and in model tests) a fixed sequence and a wait that returns at
// once stand in.
namespace ProgramWide {

inline double RestColor = 0;
inline double CountColor = 0;
inline bool ColorfulBeads = false;

RandomSource& Random();
void SetRandom(RandomSource& source);

Waiter& Wait();
void SetWaiter(Waiter& waiter);

// Start values, the fixed sequence and the wait that returns at once again.
void ResetToDefaults();

}  // namespace ProgramWide
