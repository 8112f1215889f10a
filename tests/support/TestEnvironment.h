#pragma once

#include "FakeClock.h"
#include "InstantWaiter.h"
#include "RecordingMessages.h"
#include "RecordingSound.h"
#include "ScriptedRandom.h"

// Installs the fakes for one test and puts the program-wide values to their
// start values; whatever was installed before comes back when it goes, so
// environments nest. Questions and bead colours both draw from `random`.
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
    RecordingSound sound;
    ScriptedFileDialogs files;

private:
    struct Installed {
        double restColor;
        double countColor;
        bool colorfulBeads;
        RandomSource* random;
        RandomSource* beadColours;
        Waiter* waiter;
        const Clock* clock;
        MessageBoxes* messages;
        WebBrowser* browser;
        SoundOutput* sound;
        FileDialogs* files;
    };
    Installed m_before;
};
