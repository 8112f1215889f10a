#pragma once

#include <QString>

// While the application connects to its display, a failure to reach one ends
// the program with a one-line Chinese explanation and status 1, in place of
// the toolkit's English abort (status 134): no display set, a stale one, or a
// platform asked for that cannot start. Made before the QApplication and
// released once it stands.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    void Release();

    static QString Explanation();
};
