#pragma once

#include "abacus/Waiter.h"

// Waits in a nested event loop woken by a precise timer: the interface stays
// alive, other routines run inside the wait, and no processor time is spent
// spinning. When the application is ending every wait returns false at once.
class EventLoopWaiter final : public Waiter {
public:
    bool Delay(int milliseconds) override;

    // Marks the program as ending and stops every event loop, nested ones included.
    static void EndProgram();
    static bool ProgramEnding();
};
