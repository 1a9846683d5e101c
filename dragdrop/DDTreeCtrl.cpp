#include "dragdrop/DDTreeCtrl.h"

#include <cstring>

namespace {

// Labels are read into a buffer of this size; longer labels are matched on
// their first 511 bytes.
constexpr int kLabelBufferSize = 512;

}  // namespace

HWND CDDTreeCtrl::s_hDragSource = nullptr;

BEGIN_MESSAGE_MAP(CDDTreeCtrl, CTreeCtrl)
ON_WM_CREATE()
ON_NOTIFY_REFLECT(TVN_BEGINDRAG, &CDDTreeCtrl::OnBeginDrag)
END_MESSAGE_MAP()

void CDDTreeCtrl::RegisterDropTarget() {
    m_dropTarget.Register(this);
}

int CDDTreeCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CTreeCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    RegisterDropTarget();
    return 0;
}

void CDDTreeCtrl::OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    HTREEITEM hItem = reinterpret_cast<NMTREEVIEW*>(pNMHDR)->itemNew.hItem;
    SelectItem(hItem);
    SelectDropTarget(hItem);

    if (!m_bAllowDrag) {
        SelectDropTarget(nullptr);
        return;
    }
    if (m_bDragLeavesOnly && ItemHasChildren(hItem)) {
        MessageBox("You can add only screen in the VORK menu.", "Notice",
                   MB_ICONEXCLAMATION | MB_OK);
        SelectDropTarget(nullptr);
        return;
    }

    // The drag carries no data: the drop side reads the dragged item from this
    // tree's selection, found through the module-wide drag source.
    m_bDragging = TRUE;
    GetWindowRect(&m_rcDragStart);
    COleDataSource dataSource;
    s_hDragSource = m_hWnd;
    CRect rcLabel;
    GetItemRect(hItem, &rcLabel, TRUE);
    dataSource.DoDragDrop(DROPEFFECT_COPY, &rcLabel, nullptr);

    SelectDropTarget(nullptr);
    m_bDragging = FALSE;
    s_hDragSource = nullptr;
}

BOOL CDDTreeCtrl::PreTranslateMessage(MSG* pMsg) {
    CEdit* pEdit = GetEditControl();
    if (pEdit != nullptr && pMsg->message == WM_KEYDOWN &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        if (pMsg->wParam == VK_RETURN) {
            // The label is set before the edit ends, so the dialog's end-edit
            // handler already sees the typed text on the selected item.
            CString strText;
            pEdit->GetWindowText(strText);
            HTREEITEM hSelected = GetSelectedItem();
            if (hSelected != nullptr) SetItemText(hSelected, strText);
        }
        // The edit control ends or cancels the edit itself; the dialog never
        // sees the key, so Enter presses no default button and Escape closes nothing.
        ::TranslateMessage(pMsg);
        ::DispatchMessage(pMsg);
        return TRUE;
    }
    return CTreeCtrl::PreTranslateMessage(pMsg);
}

HTREEITEM CDDTreeCtrl::FindItem(HTREEITEM hStart, const CString& strKey) {
    CString strUpperKey = strKey;
    strUpperKey.MakeUpper();

    // A pre-order walk: into a folder's first child, otherwise on to the next
    // item in tree order, which TVGN_NEXTVISIBLE gives for a leaf or an empty
    // folder even inside collapsed folders. Entering a folder never returns to
    // it, so the walk is a loop and its depth costs no stack.
    char szLabel[kLabelBufferSize];
    CString strLabel;
    HTREEITEM hItem = hStart;
    while (hItem != nullptr) {
        TVITEM item{};
        item.hItem = hItem;
        item.mask = TVIF_TEXT | TVIF_CHILDREN;
        item.pszText = szLabel;
        item.cchTextMax = kLabelBufferSize;
        szLabel[0] = '\0';
        GetItem(&item);
        if (item.cChildren == 0) {
            SearchedLabel(szLabel, strLabel);
            if (strLabel.Find(strUpperKey) >= 0) return hItem;
        }

        HTREEITEM hChild = item.cChildren != 0 ? GetChildItem(hItem) : nullptr;
        hItem = hChild != nullptr ? hChild : GetNextItem(hItem, TVGN_NEXTVISIBLE);
    }
    return nullptr;
}

// The tree hands a label back cut before the first character that no longer
// fits its buffer with the terminating NUL.
void CDDTreeCtrl::SearchedLabel(LPCSTR pszLabel, CString& strLabel) {
    int nLength = static_cast<int>(std::strlen(pszLabel));
    if (nLength >= kLabelBufferSize) {
        nLength = 0;
        for (int nChar = 1; pszLabel[nLength] != '\0'; nLength += nChar) {
            nChar = ::IsDBCSLeadByte(static_cast<BYTE>(pszLabel[nLength])) &&
                            pszLabel[nLength + 1] != '\0'
                        ? 2
                        : 1;
            if (nLength + nChar >= kLabelBufferSize) break;
        }
    }
    std::memcpy(strLabel.GetBufferSetLength(nLength), pszLabel, static_cast<std::size_t>(nLength));
    strLabel.ReleaseBuffer(nLength);
    strLabel.MakeUpper();
}
