#include "dragdrop/OleListCtrlDropTarget.h"

#include <algorithm>

#include "dragdrop/DDListCtrl.h"
#include "dragdrop/DragDropMessages.h"
#include "dragdrop/OwnDragRefusal.h"

namespace {

// A drop point counts as lying on the row 5 pixels below it, so a drop on the
// lower edge of a row means "before the next row".
constexpr int kDropOffset = 5;

}  // namespace

DROPEFFECT COleListCtrlDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* /*pDataObject*/,
                                               DWORD /*dwKeyState*/, CPoint point) {
    return IsOwnDragRefused(*static_cast<CDDListCtrl*>(pWnd), point) ? DROPEFFECT_NONE
                                                                     : DROPEFFECT_MOVE;
}

DROPEFFECT COleListCtrlDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* /*pDataObject*/,
                                              DWORD /*dwKeyState*/, CPoint point) {
    auto* pList = static_cast<CDDListCtrl*>(pWnd);
    pList->KillTimer(CDDListCtrl::kScrollTimer);
    if (IsOwnDragRefused(*pList, point)) return DROPEFFECT_NONE;

    pList->HighlightAtPoint(point);
    if (pList->m_bAutoScroll && pList->IsInScrollZone(point.y)) {
        pList->SetTimer(CDDListCtrl::kScrollTimer, pList->m_nScrollDelay, nullptr);
    }
    return DROPEFFECT_MOVE;
}

void COleListCtrlDropTarget::OnDragLeave(CWnd* pWnd) {
    auto* pList = static_cast<CDDListCtrl*>(pWnd);
    if (pList->m_nHighlight != -1) {
        pList->SetItemState(pList->m_nHighlight, 0, LVIS_DROPHILITED);
        pList->RedrawItems(pList->m_nHighlight, pList->m_nHighlight);
    }
    COleDropTarget::OnDragLeave(pWnd);
}

BOOL COleListCtrlDropTarget::OnDrop(CWnd* pWnd, COleDataObject* /*pDataObject*/,
                                    DROPEFFECT /*dropEffect*/, CPoint point) {
    auto* pList = static_cast<CDDListCtrl*>(pWnd);
    pList->KillTimer(CDDListCtrl::kScrollTimer);

    // The insertion index: the row under the point, 0 above the first visible
    // row or in an empty list, the item count below the last row.
    const int nCount = pList->GetItemCount();
    int nIndex = 0;
    if (nCount > 0) {
        nIndex = pList->HitTest(CPoint(point.x, point.y + kDropOffset));
        if (nIndex == -1) {
            const int nTop = pList->GetTopIndex();
            const int nLast = std::min(nTop + pList->GetCountPerPage() - 1, nCount - 1);
            CPoint ptTop;
            CPoint ptLast;
            pList->GetItemPosition(nTop, &ptTop);
            pList->GetItemPosition(nLast, &ptLast);
            if (point.y <= ptTop.y) {
                nIndex = 0;
            } else if (point.y + kDropOffset <= ptLast.y) {
                // Beside the rows rather than on one: no position to report.
                pList->SetDropHighlight(-1);
                return FALSE;
            } else {
                nIndex = nCount;
            }
        }
    }
    pList->m_nHighlight = nIndex;
    CWnd* pParent = pList->GetParent();

    if (pList->IsDragging()) {
        const std::vector<int>& aRows = pList->m_aDraggedRows;
        if (nIndex >= aRows.front() && nIndex <= aRows.back()) {
            AfxMessageBox("An item can't be dropped onto itself");
            pList->SetDropHighlight(-1);
            return FALSE;
        }
        pParent->SendMessage(UM_LIST_ITEMS_MOVED, aRows.front(), nIndex);
    } else {
        pParent->SendMessage(UM_DROPPED_ON_LIST, nIndex, 0);
    }
    pList->SetDropHighlight(-1);
    return TRUE;
}
