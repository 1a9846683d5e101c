#include "WindowDropSite.h"

#include <QCursor>
#include <QGuiApplication>

#include <utility>

#include "DropTargets.h"
#include "afxautomation.h"

namespace afx::detail {

namespace {

// A target may answer with an effect the source does not allow: a copy and a move then stand
// in for each other, failing that a link, rather than refuse the drop. The scroll flag passes.
DROPEFFECT FilterDropEffect(DROPEFFECT effect, DROPEFFECT allowed) {
    const DROPEFFECT scroll = effect & DROPEFFECT_SCROLL;
    effect &= ~DROPEFFECT_SCROLL;
    if ((effect & allowed) != 0) return effect | scroll;
    const DROPEFFECT other = effect == DROPEFFECT_COPY   ? DROPEFFECT_MOVE
                             : effect == DROPEFFECT_MOVE ? DROPEFFECT_COPY
                                                         : DROPEFFECT_NONE;
    if (other == DROPEFFECT_NONE) return scroll;
    if ((allowed & other) != 0) return other | scroll;
    if ((allowed & DROPEFFECT_LINK) != 0) return DROPEFFECT_LINK | scroll;
    return scroll;
}

CPoint ClientPoint(HWND hwnd, POINT screen) {
    ::ScreenToClient(hwnd, &screen);
    return screen;
}

Qt::CursorShape CursorFor(DROPEFFECT effect) {
    if (effect & DROPEFFECT_MOVE) return Qt::DragMoveCursor;
    if (effect & DROPEFFECT_COPY) return Qt::DragCopyCursor;
    if (effect & DROPEFFECT_LINK) return Qt::DragLinkCursor;
    return Qt::ForbiddenCursor;
}

}  // namespace

DROPEFFECT& CurrentDragFeedback() {
    static DROPEFFECT effect = DROPEFFECT_NONE;
    return effect;
}

WindowDropSite::WindowDropSite() {
    QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
}

WindowDropSite::~WindowDropSite() {
    endFeedback();
}

// The window under the cursor takes the drop if it has a drop target, otherwise the nearest
// of its parents that has one, as a dialog's target serves the controls on it; the search
// stops at the top-level window, never passing to an owner.
HWND WindowDropSite::targetAt(POINT screen) {
    for (HWND hwnd = ::WindowFromPoint(screen); hwnd != nullptr;
         hwnd = (::GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) != 0 ? ::GetParent(hwnd)
                                                                       : nullptr) {
        if (DropTargetOf(hwnd) != nullptr) return hwnd;
    }
    return nullptr;
}

DROPEFFECT WindowDropSite::enter(HWND target, DWORD keys, POINT screen, DROPEFFECT allowed) {
    return Ask(&COleDropTarget::OnDragEnter, target, keys, screen, allowed);
}

DROPEFFECT WindowDropSite::over(HWND target, DWORD keys, POINT screen, DROPEFFECT allowed) {
    return Ask(&COleDropTarget::OnDragOver, target, keys, screen, allowed);
}

DROPEFFECT WindowDropSite::Ask(Handler handler, HWND target, DWORD keys, POINT screen,
                               DROPEFFECT allowed) {
    COleDropTarget* dropTarget = DropTargetOf(target);
    if (dropTarget == nullptr) return DROPEFFECT_NONE;  // revoked during the drag
    CWnd* wnd = CWnd::FromHandle(target);
    const CPoint point = ClientPoint(target, screen);
    DROPEFFECT effect = dropTarget->OnDragScroll(wnd, keys, point);
    if ((effect & DROPEFFECT_SCROLL) == 0)
        effect = (dropTarget->*handler)(wnd, &m_dataObject, keys, point);
    return FilterDropEffect(effect, allowed);
}

void WindowDropSite::leave(HWND target) {
    if (COleDropTarget* dropTarget = DropTargetOf(target))
        dropTarget->OnDragLeave(CWnd::FromHandle(target));
}

// The target is asked once more where the drop lands; OnDropEx has the first say, and OnDrop
// the drop that OnDropEx hands on, unless the target no longer wants it.
DROPEFFECT WindowDropSite::drop(HWND target, DWORD keys, POINT screen, DROPEFFECT allowed) {
    COleDropTarget* dropTarget = DropTargetOf(target);
    if (dropTarget == nullptr) return DROPEFFECT_NONE;
    CWnd* wnd = CWnd::FromHandle(target);
    const CPoint point = ClientPoint(target, screen);
    const DROPEFFECT effect =
        FilterDropEffect(dropTarget->OnDragOver(wnd, &m_dataObject, keys, point), allowed);
    const DROPEFFECT done = dropTarget->OnDropEx(wnd, &m_dataObject, effect, allowed, point);
    if (done != static_cast<DROPEFFECT>(-1)) return done;
    if (effect == DROPEFFECT_NONE) {
        dropTarget->OnDragLeave(wnd);
        return DROPEFFECT_NONE;
    }
    return dropTarget->OnDrop(wnd, &m_dataObject, effect, point) ? effect : DROPEFFECT_NONE;
}

void WindowDropSite::feedback(DROPEFFECT effect) {
    CurrentDragFeedback() = effect;
    QGuiApplication::changeOverrideCursor(CursorFor(effect));
}

void WindowDropSite::endFeedback() {
    if (std::exchange(m_cursorShown, false)) QGuiApplication::restoreOverrideCursor();
}

}  // namespace afx::detail

DROPEFFECT afx::DragFeedback() {
    return afx::detail::CurrentDragFeedback();
}
