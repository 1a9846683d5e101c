// The Qt application the windows live in.
#pragma once

class QWidget;

namespace afx::detail {

// True when a QApplication runs; the first call for each application sets
// up the dialog fonts.
bool EnsurePlatform();
// True when windows are shown on a real display (not offscreen).
bool HasDisplay();
// Makes a top-level widget the active window. Offscreen no window manager
// answers the request, so it takes effect at once.
void Activate(QWidget* topLevel);

}  // namespace afx::detail
