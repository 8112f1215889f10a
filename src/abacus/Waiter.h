#pragma once

// Lets time pass inside an animation while the user interface stays alive.
class Waiter {
public:
    virtual ~Waiter() = default;

    // Returns after at least `milliseconds`; false when the program is ending
    // and the caller must stop at once.
    virtual bool Delay(int milliseconds) = 0;
};
