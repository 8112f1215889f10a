#include "TestEnvironment.h"

#include "abacus/Colours.h"
#include "abacus/ProgramWide.h"
#include "platform/Platform.h"

TestEnvironment::TestEnvironment()
{
    ProgramWide::RestColor = Colours::Rest;
    ProgramWide::CountColor = Colours::Count;
    ProgramWide::ColorfulBeads = false;
    ProgramWide::SetRandom(random);
    ProgramWide::SetWaiter(waiter);
    Platform::SetClock(clock);
    Platform::SetMessages(messages);
    Platform::SetBrowser(browser);
}

TestEnvironment::~TestEnvironment()
{
    ProgramWide::ResetToDefaults();
    Platform::ResetToDefaults();
}
