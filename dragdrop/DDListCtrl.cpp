#include "dragdrop/DDListCtrl.h"

#include <algorithm>
#include <initializer_list>

#include "dragdrop/DragDropMessages.h"
#include "InPlaceEdit.h"

namespace {

constexpr int kShortNameColumn = 2;
constexpr int kShortNameLimit = 8;  // bytes: 8 Latin letters or 4 Korean characters
constexpr UINT kInPlaceEditId = 1002;
constexpr int kMinEditableColumnWidth = 10;

}  // namespace

BEGIN_MESSAGE_MAP(CDDListCtrl, CJListCtrl)
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_NOTIFY_REFLECT(LVN_BEGINDRAG, &CDDListCtrl::OnBeginDrag)
ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, &CDDListCtrl::OnEndLabelEdit)
END_MESSAGE_MAP()

void CDDListCtrl::RegisterDropTarget() {
    m_dropTarget.Register(this);
}

void CDDListCtrl::SetDropHighlight(int nItem) {
    if (nItem < 0) {
        for (int i = 0; i < GetItemCount(); ++i) SetItemState(i, 0, LVIS_DROPHILITED);
    } else {
        if (m_nHighlight != -1) {
            SetItemState(m_nHighlight, 0, LVIS_DROPHILITED);
            RedrawItems(m_nHighlight, m_nHighlight);
        }
        SetItemState(nItem, LVIS_DROPHILITED, LVIS_DROPHILITED);
        RedrawItems(nItem, nItem);
        m_nHighlight = nItem;
    }
    UpdateWindow();
}

int CDDListCtrl::HighlightAtPoint(CPoint point) {
    const int nItem = HitTest(point);
    if (nItem != -1) SetDropHighlight(nItem);
    return nItem;
}

BOOL CDDListCtrl::IsInScrollZone(int y) const {
    CRect rcClient;
    GetClientRect(&rcClient);
    return y <= m_nScrollMargin || y >= rcClient.Height() - m_nScrollMargin;
}

void CDDListCtrl::OnTimer(UINT_PTR nIDEvent) {
    CJListCtrl::OnTimer(nIDEvent);
    if (nIDEvent != kScrollTimer || !m_bAutoScroll) return;

    SetTimer(kScrollTimer, m_nScrollInterval, nullptr);
    const DWORD dwPos = ::GetMessagePos();
    CPoint point(GET_X_LPARAM(dwPos), GET_Y_LPARAM(dwPos));
    ScreenToClient(&point);
    if (!IsInScrollZone(point.y)) return;  // keeps running until a drag-over or the drop

    const UINT nCode = point.y <= m_nScrollMargin ? SB_LINEUP : SB_LINEDOWN;
    const int nTop = GetTopIndex();
    ImageList_DragShowNolock(FALSE);
    SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, 0));
    ImageList_DragShowNolock(TRUE);
    if (GetTopIndex() == nTop) {
        KillTimer(kScrollTimer);  // the list is at its end
    } else {
        HighlightAtPoint(point);
    }
}

void CDDListCtrl::OnBeginDrag(NMHDR* /*pNMHDR*/, LRESULT* pResult) {
    *pResult = 0;
    const int nSelected = static_cast<int>(GetSelectedCount());
    std::vector<int> aRows;
    aRows.reserve(nSelected);
    for (int nItem = GetNextItem(-1, LVNI_SELECTED);
         nItem != -1 && static_cast<int>(aRows.size()) < nSelected;
         nItem = GetNextItem(nItem, LVNI_SELECTED)) {
        aRows.push_back(nItem);
    }
    // The list view selects the pressed row before it reports the drag, so a
    // drag without a selected row has nothing to carry and does not start.
    if (aRows.empty()) return;

    m_bDragging = TRUE;
    m_nHighlight = -1;
    m_aDraggedRows = std::move(aRows);
    GetWindowRect(&m_rcDragStart);

    m_dataSource.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, nullptr, nullptr);

    m_bDragging = FALSE;
    m_nHighlight = -1;
    m_aDraggedRows = {};
}

int CDDListCtrl::HitTestEx(CPoint point, int* pnCol) const {
    if (pnCol != nullptr) *pnCol = 0;
    if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT) return HitTest(point);

    // The row partly shown below the last full one counts too.
    const int nColumns = GetHeaderCtrl()->GetItemCount();
    const int nLast = std::min(GetTopIndex() + GetCountPerPage(), GetItemCount() - 1);
    for (int nRow = GetTopIndex(); nRow <= nLast; ++nRow) {
        CRect rcRow;
        if (!GetItemRect(nRow, &rcRow, LVIR_BOUNDS) || !rcRow.PtInRect(point)) continue;
        int nLeft = rcRow.left;
        for (int nCol = 0; nCol < nColumns; ++nCol) {
            const int nWidth = GetColumnWidth(nCol);
            if (point.x >= nLeft && point.x <= nLeft + nWidth) {
                if (pnCol != nullptr) *pnCol = nCol;
                return nRow;
            }
            nLeft += nWidth;
        }
    }
    return -1;
}

CEdit* CDDListCtrl::EditSubLabel(int nItem, int nCol, const CString& strText) {
    if (!EnsureVisible(nItem, TRUE)) return nullptr;
    const int nColumns = GetHeaderCtrl()->GetItemCount();
    if (nCol >= nColumns || GetColumnWidth(nCol) < kMinEditableColumnWidth) return nullptr;

    int nOffset = 0;
    for (int i = 0; i < nCol; ++i) nOffset += GetColumnWidth(i);
    CRect rcRow;
    GetItemRect(nItem, &rcRow, LVIR_BOUNDS);
    CRect rcClient;
    GetClientRect(&rcClient);
    // Bring the column into view when it lies left of or beyond the client area.
    if (rcRow.left + nOffset < 0 || rcRow.left + nOffset > rcClient.right) {
        const CSize size(rcRow.left + nOffset, 0);
        Scroll(size);
        rcRow.left -= size.cx;
    }

    CRect rcEdit = rcRow;
    rcEdit.left = rcRow.left + nOffset + 4;
    rcEdit.right = std::min(rcEdit.left + GetColumnWidth(nCol) - 3, rcClient.right);
    CEdit* pEdit = new CInPlaceEdit(nItem, nCol, strText);
    pEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, rcEdit, this, kInPlaceEditId);
    return pEdit;
}

void CDDListCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    if (!m_bEditable) {
        CJListCtrl::OnLButtonDown(nFlags, point);
        return;
    }
    int nCol = 0;
    const int nItem = HitTestEx(point, &nCol);
    // Selects the row, or runs a whole drag when the press turns into one.
    CJListCtrl::OnLButtonDown(nFlags, point);
    if (nItem == -1 || GetSelectionMark() != nItem) return;

    if ((GetItemState(nItem, LVIS_FOCUSED) & LVIS_FOCUSED) == 0) {
        SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    if (nCol == kShortNameColumn) EditShortName(nItem);
}

CEdit* CDDListCtrl::EditShortName(int nItem) {
    if (!m_bEditable || nItem < 0 || nItem >= GetItemCount()) return nullptr;
    CEdit* pEdit = EditSubLabel(nItem, kShortNameColumn, GetItemText(nItem, kShortNameColumn));
    // EM_LIMITTEXT counts bytes in this ANSI control.
    if (pEdit != nullptr) pEdit->SetLimitText(kShortNameLimit);
    return pEdit;
}

void CDDListCtrl::Notice(LPCSTR lpszText) {
    MessageBox(lpszText, "Notice", MB_ICONEXCLAMATION | MB_OK);
}

void CDDListCtrl::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) {
    // The list never stores a text through the notification; it sets an
    // accepted short name itself below.
    *pResult = 0;
    const LVITEM& item = reinterpret_cast<NMLVDISPINFO*>(pNMHDR)->item;
    if (item.iSubItem != kShortNameColumn) return;

    if (item.pszText == nullptr) {
        if (GetItemText(item.iItem, kShortNameColumn).IsEmpty())
            Notice("Please enter the shortcut name.");
        return;
    }
    CString strName(item.pszText);
    strName.Trim();
    // A short name is stored inside a comma-separated entry of the toolbar file.
    for (char ch : {',', '\\', '|', ':'}) {
        if (strName.Find(ch) >= 0) {
            Notice("<,>, <\\> cannot be used for name editing.");
            return;
        }
    }
    if (strName.IsEmpty() || strName.GetLength() > kShortNameLimit) {
        Notice("It is possble to edit up to 8 letters for English.");
        return;
    }
    SetItemText(item.iItem, kShortNameColumn, strName);
    GetParent()->SendMessage(UM_SHORT_NAME_EDITED, item.iItem,
                             reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strName)));
}
