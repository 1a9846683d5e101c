#include <map>

#include "DropTargets.h"
#include "afxole.h"

namespace afx::detail {

namespace {

std::map<HWND, COleDropTarget*>& Registered() {
    static std::map<HWND, COleDropTarget*> targets;
    return targets;
}

}  // namespace

COleDropTarget* DropTargetOf(HWND hwnd) {
    const auto it = Registered().find(hwnd);
    return it != Registered().end() ? it->second : nullptr;
}

void RevokeDropTarget(HWND hwnd) {
    if (COleDropTarget* target = DropTargetOf(hwnd)) target->Revoke();
}

}  // namespace afx::detail

COleDropTarget::~COleDropTarget() {
    COleDropTarget::Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd) {
    if (m_hWnd != nullptr || pWnd == nullptr || !::IsWindow(pWnd->m_hWnd)) return FALSE;
    if (!afx::detail::Registered().emplace(pWnd->m_hWnd, this).second) return FALSE;
    m_hWnd = pWnd->m_hWnd;
    return TRUE;
}

void COleDropTarget::Revoke() {
    if (m_hWnd == nullptr) return;
    afx::detail::Registered().erase(m_hWnd);
    m_hWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) {
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) {
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) {
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint) {
    return static_cast<DROPEFFECT>(-1);
}

void COleDropTarget::OnDragLeave(CWnd*) {}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint) {
    return DROPEFFECT_NONE;
}
