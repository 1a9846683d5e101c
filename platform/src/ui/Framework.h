// Seams between the system's window functions and the framework's classes
// over them.
#pragma once

#include "windows.h"

class CWnd;

namespace afx::detail {

// The object that CreateWindowEx attaches to the next window it creates,
// before that window's first message (the framework's creation hook).
void SetCreatingWindow(CWnd* wnd);
// Called by CreateWindowEx for each new window.
void HookCreatedWindow(HWND hwnd);

}  // namespace afx::detail
