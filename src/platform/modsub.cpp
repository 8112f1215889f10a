#include "platform/modsub.h"

#include "abacus/ProgramWide.h"
#include "platform/EventLoopWaiter.h"
#include "platform/Platform.h"

namespace modsub {

bool Delay(int milliseconds) { return ProgramWide::Wait().Delay(milliseconds); }

void OpenWebPage(const QString& address) { Platform::Browser().Open(address); }

void EndProgram() { EventLoopWaiter::EndProgram(); }

bool ProgramEnding() { return EventLoopWaiter::ProgramEnding(); }

}  // namespace modsub
