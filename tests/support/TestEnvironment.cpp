#include "TestEnvironment.h"

#include "abacus/Colours.h"
#include "abacus/ProgramWide.h"
#include "platform/Platform.h"

TestEnvironment::TestEnvironment()
    : m_before{ProgramWide::RestColor,     ProgramWide::CountColor,     ProgramWide::ColorfulBeads,
               &ProgramWide::Random(),     &ProgramWide::BeadColours(), &ProgramWide::Wait(),
               &Platform::ProgramClock(),  &Platform::Messages(),       &Platform::Browser(),  &Platform::Sound(),
               &Platform::Files()}
{
    ProgramWide::RestColor = Colours::Rest;
    ProgramWide::CountColor = Colours::Count;
    ProgramWide::ColorfulBeads = false;
    ProgramWide::SetRandom(random);
    ProgramWide::SetBeadColours(random);
    ProgramWide::SetWaiter(waiter);
    Platform::SetClock(clock);
    Platform::SetMessages(messages);
    Platform::SetBrowser(browser);
    Platform::SetSound(sound);
    Platform::SetFiles(files);
}

TestEnvironment::~TestEnvironment()
{
    ProgramWide::RestColor = m_before.restColor;
    ProgramWide::CountColor = m_before.countColor;
    ProgramWide::ColorfulBeads = m_before.colorfulBeads;
    ProgramWide::SetRandom(*m_before.random);
    ProgramWide::SetBeadColours(*m_before.beadColours);
    ProgramWide::SetWaiter(*m_before.waiter);
    Platform::SetClock(*m_before.clock);
    Platform::SetMessages(*m_before.messages);
    Platform::SetBrowser(*m_before.browser);
    Platform::SetSound(*m_before.sound);
    Platform::SetFiles(*m_before.files);
}
