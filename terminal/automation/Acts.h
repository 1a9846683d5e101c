// What a person does to a dialog, as real input through the framework's
// automation hooks, at the points the Locator answers. Failures throw
// std::runtime_error as the Locator's do.
#pragma once

#include <windows.h>

#include <vector>

#include "Locator.h"
#include "Spot.h"

namespace automation {

// Clicks or double-clicks an enabled control's spot once it is brought into
// view, with the keys held (MK_CONTROL, MK_SHIFT); a Rows spot clicks its
// first row so and Ctrl+clicks the others.
void Click(HWND dialog, const Spot& spot, UINT keys = 0);
void DoubleClick(HWND dialog, const Spot& spot);

// Presses at `from`, moves over each of `via` in turn, then to `to`, and
// releases there (or presses Escape there when `cancel`). False when the
// press started no drag.
bool Drag(const Press& from, const std::vector<Press>& via, const Press& to, bool cancel);
// The same between spots of an enabled control's dialog. A Rows source
// selects its rows first and starts on the first of them.
bool Drag(HWND dialog, const Spot& from, const std::vector<Spot>& via, const Spot& to, bool cancel);

// Selects everything in the edit and types the CP949 text over it, one key
// press per character (the edit's byte limit applies).
void TypeOver(HWND edit, LPCSTR text);

}  // namespace automation
