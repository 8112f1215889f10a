#pragma once

// The program's abacus icon, the picture the desktop's menu shows for it.
namespace ProgramIcon {

// Gives every window the icon, the taskbar and the menu bar of a maximised
// child window included, and names the desktop entry, through which a
// Wayland desktop finds the same icon for the taskbar. Needs the application.
void Install();

}  // namespace ProgramIcon
