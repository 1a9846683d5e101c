#include "dragdrop/TreeDropTarget.h"

#include "dragdrop/DDTreeCtrl.h"
#include "dragdrop/DragDropMessages.h"
#include "dragdrop/OwnDragRefusal.h"

namespace {

// Width of the bands along the client edges where a drag-over scrolls.
constexpr int kScrollBand = 10;

}  // namespace

DROPEFFECT CTreeDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* /*pDataObject*/,
                                        DWORD /*dwKeyState*/, CPoint point) {
    m_pTargetTree = static_cast<CDDTreeCtrl*>(pWnd);
    return IsOwnDragRefused(*m_pTargetTree, point) ? DROPEFFECT_NONE : DROPEFFECT_COPY;
}

DROPEFFECT CTreeDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* /*pDataObject*/,
                                       DWORD /*dwKeyState*/, CPoint point) {
    CDDTreeCtrl* pTree = m_pTargetTree = static_cast<CDDTreeCtrl*>(pWnd);
    if (IsOwnDragRefused(*pTree, point)) return DROPEFFECT_NONE;

    // The first root item is never highlighted: over it, as over empty space,
    // the previous highlight stays, and that is the item a drop then uses.
    UINT uFlags = 0;
    HTREEITEM hItem = pTree->HitTest(point, &uFlags);
    if (hItem != nullptr && (uFlags & TVHT_ONITEM) != 0) {
        if (hItem != pTree->GetRootItem()) pTree->SelectDropTarget(hItem);
        if (pTree->m_bAllowSelfDrop && pTree->ItemHasChildren(hItem))
            pTree->Expand(hItem, TVE_EXPAND);
    }

    // One line per drag-over, no timer: the framework calls this often enough
    // while the cursor rests near an edge.
    CRect rcClient;
    pTree->GetClientRect(&rcClient);
    pTree->ClientToScreen(&rcClient);
    CPoint ptScreen = point;
    pTree->ClientToScreen(&ptScreen);
    if (ptScreen.y >= rcClient.bottom - kScrollBand) {
        pTree->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, pTree->GetScrollPos(SB_VERT)));
    } else if (ptScreen.y <= rcClient.top + kScrollBand) {
        pTree->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEUP, pTree->GetScrollPos(SB_VERT)));
    }
    if (ptScreen.x <= rcClient.left + kScrollBand) {
        pTree->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, pTree->GetScrollPos(SB_HORZ)));
    } else if (ptScreen.x >= rcClient.right - kScrollBand) {
        pTree->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, pTree->GetScrollPos(SB_HORZ)));
    }
    return DROPEFFECT_COPY;
}

void CTreeDropTarget::OnDragLeave(CWnd* pWnd) {
    m_pTargetTree = static_cast<CDDTreeCtrl*>(pWnd);
    m_pTargetTree->SelectDropTarget(nullptr);
    COleDropTarget::OnDragLeave(pWnd);
}

BOOL CTreeDropTarget::OnDrop(CWnd* pWnd, COleDataObject* /*pDataObject*/, DROPEFFECT /*dropEffect*/,
                             CPoint /*point*/) {
    CDDTreeCtrl* pTree = m_pTargetTree = static_cast<CDDTreeCtrl*>(pWnd);
    HTREEITEM hTarget = pTree->GetDropHilightItem();

    HWND hSource = CDDTreeCtrl::GetDragSource();
    if (hSource == nullptr) {
        // Rows of a list: the dialog learns only where they landed.
        m_pSourceWnd = nullptr;
        pTree->SelectDropTarget(nullptr);
        if (pTree->m_nListDropMessage != 0) {
            pTree->GetParent()->SendMessage(pTree->m_nListDropMessage, 0,
                                            reinterpret_cast<LPARAM>(hTarget));
        }
        return TRUE;
    }

    m_pSourceWnd = CWnd::FromHandlePermanent(hSource);
    auto* pSourceTree = static_cast<CDDTreeCtrl*>(m_pSourceWnd);
    HTREEITEM hDragged = pSourceTree != nullptr ? pSourceTree->GetSelectedItem() : nullptr;
    if (hTarget == nullptr || hDragged == nullptr) return FALSE;

    CWnd* pParent = pTree->GetParent();
    const auto wParam = reinterpret_cast<WPARAM>(hDragged);
    const auto lParam = reinterpret_cast<LPARAM>(hTarget);
    if (pTree->m_bAllowSelfDrop && pTree->IsDragging()) {
        if (hDragged != hTarget) pParent->SendMessage(UM_TREE_ITEM_MOVED, wParam, lParam);
        pTree->SelectDropTarget(nullptr);
        return hDragged != hTarget;
    }
    if (pSourceTree->m_nItemDropMessage != 0)
        pParent->SendMessage(pSourceTree->m_nItemDropMessage, wParam, lParam);
    pTree->SelectDropTarget(nullptr);
    return TRUE;
}
