#pragma once

#include <QString>

#include <memory>

class frmMain;

// Start-up and the routines every window shares.
namespace modsub {

// Gives the bead colours their start values, installs the real clock-seeded
// generator and event-loop wait, and shows the main window.
std::unique_ptr<frmMain> Main();

// Waits while the interface stays alive; false when the program is ending,
// and then the caller must stop at once.
bool Delay(int milliseconds);

void OpenWebPage(const QString& address);

// Ends the whole program at once, also from inside an animation or a message box.
void EndProgram();
bool ProgramEnding();

// Whether a display is there to open windows on; the program explains and
// stops when there is none rather than letting the toolkit abort.
bool DisplayAvailable();

}  // namespace modsub
