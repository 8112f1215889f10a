#pragma once

#include "platform/SharedRoutines.h"

#include <memory>

class frmMain;

// Start-up; the routines every window shares are in platform/SharedRoutines.h.
namespace modsub {

// Gives the bead colours their start values, installs the real clock-seeded
// generator and event-loop wait, Qt's Chinese words and the program's icon,
// takes up the records of the child chosen last time, and shows the main window.
std::unique_ptr<frmMain> Main();

}  // namespace modsub
