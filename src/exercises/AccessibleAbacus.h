#pragma once

class PictureBox;
class QAccessibleValueChangeEvent;
class cAbacus;

// What a screen reader gets of an abacus: an object named "算盘" whose value
// is the number shown (also its description, written as the windows write
// numbers), with one child per rod ("第3档：7"), and a value-changed event
// whenever the number shown changes: at the end of a rod's move, not at
// every frame.
namespace AccessibleAbacus {

// Once per picture; what it makes goes with the picture.
void Attach(PictureBox& picture, cAbacus& abacus);
// The keyboard can change its rods: a screen reader offers it as a control.
void MakeAdjustable(PictureBox& picture);
// For an abacus that goes before its picture: the picture lets go of it.
void Release(PictureBox& picture);

// Where the value-changed events go: to the screen reader through Qt unless
// a test listens instead (headless, Qt knows of no screen reader and drops
// them). Gives back the listener before.
using Listener = void (*)(QAccessibleValueChangeEvent& event);
Listener SetListener(Listener listener);

}  // namespace AccessibleAbacus
