#include "EditHistory.h"

#include "dragdrop/DragDropMessages.h"

CListPlace CListPlace::Of(const CListCtrl& list) {
    CListPlace place;
    for (int nRow = list.GetNextItem(-1, LVNI_SELECTED); nRow >= 0;
         nRow = list.GetNextItem(nRow, LVNI_SELECTED)) {
        place.rows.push_back(nRow);
    }
    place.nFocus = list.GetNextItem(-1, LVNI_FOCUSED);
    place.nMark = list.GetSelectionMark();
    place.nTop = list.GetTopIndex();
    return place;
}

// The mark comes last: selecting a row sets it when there is none.
void CListPlace::ShowIn(CListCtrl& list) const {
    list.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (const int nRow : rows) list.SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
    if (nFocus >= 0) list.SetItemState(nFocus, LVIS_FOCUSED, LVIS_FOCUSED);
    list.SetSelectionMark(nMark);
    CRect rcRow;
    if (list.GetItemCount() > 0 && list.GetItemRect(0, &rcRow, LVIR_BOUNDS)) {
        list.Scroll(CSize(0, (nTop - list.GetTopIndex()) * rcRow.Height()));
    }
}

bool IsActionMessage(UINT message) {
    return message == WM_COMMAND || message == WM_NOTIFY ||
           (message >= UM_LIST_ITEMS_MOVED && message <= UM_SHORT_NAME_EDITED);
}

HistoryKey HistoryKeyOf(HWND hDialog, const MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.wParam != 'Z' && msg.wParam != 'Y')) {
        return HistoryKey::None;
    }
    if (::GetKeyState(VK_CONTROL) >= 0 || ::GetKeyState(VK_MENU) < 0) return HistoryKey::None;
    // A control's own editor is a child of the control, not of the dialog.
    const HWND hFocus = ::GetFocus();
    if (hFocus && hFocus != hDialog && ::GetParent(hFocus) != hDialog) return HistoryKey::None;
    if (msg.wParam == 'Y' || ::GetKeyState(VK_SHIFT) < 0) return HistoryKey::Redo;
    return HistoryKey::Undo;
}
