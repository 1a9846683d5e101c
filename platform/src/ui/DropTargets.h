// The drop targets registered for windows.
#pragma once

#include "windef.h"

class COleDropTarget;

namespace afx::detail {

// The target registered for the window, or null.
COleDropTarget* DropTargetOf(HWND hwnd);

// A destroyed window takes its registration with it.
void RevokeDropTarget(HWND hwnd);

}  // namespace afx::detail
