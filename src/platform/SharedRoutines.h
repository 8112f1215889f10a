#pragma once

#include <QString>

// The routines of modsub that every window shares. They sit below the
// windows, so that the shell, which opens the windows, stays above them.
namespace modsub {

// Waits while the interface stays alive; false when the program is ending,
// and then the caller must stop at once.
bool Delay(int milliseconds);

void OpenWebPage(const QString& address);

// Ends the whole program at once, also from inside an animation or a message box.
void EndProgram();
bool ProgramEnding();

}  // namespace modsub
