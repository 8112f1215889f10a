#pragma once

#include "FakeClock.h"
#include "InstantWaiter.h"
#include "RecordingMessages.h"
#include "ScriptedRandom.h"

// Installs the fakes for one test and puts the program-wide state back to
// its start values; everything is restored when it goes.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    FakeClock clock;
    ScriptedRandom random;
    InstantWaiter waiter;
    RecordingMessages messages;
    RecordingBrowser browser;
};
