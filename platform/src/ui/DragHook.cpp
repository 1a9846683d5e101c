// The drag hook of the automation layer.
#include "ScriptedDragInput.h"
#include "afxautomation.h"

namespace afx {

void SetDragScript(std::vector<DragStep> path) {
    detail::ScriptedDragInput::SetPending(std::move(path));
}

bool CancelDragScript() {
    return detail::ScriptedDragInput::TakePending().has_value();
}

bool DragFrom(HWND hwnd, POINT point, std::vector<DragStep> path) {
    SetDragScript(std::move(path));
    MouseDown(hwnd, point);
    if (!CancelDragScript()) return true;
    MouseUp(hwnd, point);
    return false;
}

}  // namespace afx
