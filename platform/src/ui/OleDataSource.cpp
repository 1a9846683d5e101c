#include <QGuiApplication>

#include "DragSession.h"
#include "MouseDragInput.h"
#include "ScriptedDragInput.h"
#include "WindowDropSite.h"
#include "afxole.h"

namespace afx::detail {

namespace {

// The system's defaults: how long the button must stay down, and how far the cursor must
// move from the press, before a press becomes a drag.
constexpr int kDragDelayMs = 200;
constexpr LONG kDragDistance = 4;

DWORD HeldModifiers() {
    const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
    return (held & Qt::ControlModifier ? MK_CONTROL : 0) |
           (held & Qt::ShiftModifier ? MK_SHIFT : 0) | (held & Qt::AltModifier ? MK_ALT : 0);
}

bool LeftButtonDown() {
    return (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
}

DROPEFFECT RunDrag(DragInputSource& input, const RECT& startRect, POINT cursor, DWORD keys,
                   DROPEFFECT allowed) {
    if (!WaitForDragStart(input, startRect, true, cursor, keys)) return DROPEFFECT_NONE;
    WindowDropSite site;
    return RunDragSession(input, site, cursor, keys, allowed);
}

}  // namespace

}  // namespace afx::detail

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource*) {
    using namespace afx::detail;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const RECT startRect = lpRectStartDrag != nullptr
                               ? *lpRectStartDrag
                               : RECT{cursor.x, cursor.y, cursor.x + 1, cursor.y + 1};
    if (auto path = ScriptedDragInput::TakePending()) {
        ScriptedDragInput input(std::move(*path), kDragDelayMs);
        return RunDrag(input, startRect, cursor, MK_LBUTTON, dwEffects);
    }
    // With the button already up there is nothing to drag: the drag would end at once.
    if (!LeftButtonDown()) return DROPEFFECT_NONE;
    const DWORD keys = MK_LBUTTON | HeldModifiers();
    MouseDragInput input(keys, kDragDelayMs);
    return RunDrag(input, startRect, cursor, keys, dwEffects);
}

// A pending scripted drag begins at once; otherwise the mouse decides: a move far enough from
// the press with the button down is a drag, a release or Escape before that is not.
BOOL DragDetect(HWND, POINT pt) {
    using namespace afx::detail;
    if (ScriptedDragInput::Pending()) return TRUE;
    if (!LeftButtonDown()) return FALSE;
    const RECT rect{pt.x - kDragDistance, pt.y - kDragDistance, pt.x + kDragDistance,
                    pt.y + kDragDistance};
    DWORD keys = MK_LBUTTON | HeldModifiers();
    MouseDragInput input(keys, -1);
    return WaitForDragStart(input, rect, false, pt, keys) ? TRUE : FALSE;
}
