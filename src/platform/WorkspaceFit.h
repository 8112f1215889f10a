#pragma once

// Whether the designed windows are enlarged to fill their workspace (the
// menu item "放大到窗口"), for the whole program. Off until the user turns it
// on or a choice kept from an earlier start is recalled.
namespace WorkspaceFit {

bool Enlarging();
// The user's choice: it holds at once and is kept for the next start.
void Choose(bool enlarging);
// Takes up the choice kept at an earlier start, if any.
void Recall();

}  // namespace WorkspaceFit
