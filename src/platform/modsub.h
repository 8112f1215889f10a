#pragma once

#include <QString>

#include <memory>

class frmMain;

// The module of start-up and shared routines. Main opens the main window, so
// it lives on top, in src/shell/modsub.cpp; the routines every window shares
// live below the windows, in src/platform/modsub.cpp.
namespace modsub {

// Gives the bead colours their start values, installs the real clock-seeded
// generators and event-loop wait, Qt's Chinese words and the program's icon,
// takes up the records of the child chosen last time, and shows the main window.
std::unique_ptr<frmMain> Main();

// Waits while the interface stays alive; false when the program is ending,
// and then the caller must stop at once.
bool Delay(int milliseconds);

void OpenWebPage(const QString& address);

// Ends the whole program at once, also from inside an animation or a message box.
void EndProgram();
bool ProgramEnding();

}  // namespace modsub
