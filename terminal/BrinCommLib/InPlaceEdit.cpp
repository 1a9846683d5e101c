#include <InPlaceEdit.h>

#include <commctrl.h>

BEGIN_MESSAGE_MAP(CInPlaceEdit, CEdit)
ON_WM_CREATE()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CInPlaceEdit::CInPlaceEdit(int nRow, int nColumn, CString strInitText)
    : m_nRow(nRow), m_nColumn(nColumn), m_strInitText(strInitText) {}

CInPlaceEdit::~CInPlaceEdit() = default;

int CInPlaceEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CEdit::OnCreate(lpCreateStruct) == -1) return -1;
    CWnd* pList = GetParent();
    SetFont(pList->GetFont());
    SetWindowText(m_strInitText);
    SetFocus();
    SetSel(0, -1);
    return 0;
}

BOOL CInPlaceEdit::PreTranslateMessage(MSG* pMsg) {
    // Enter and Escape end the edit here, before a dialog could take them
    // for its default button or for closing.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        EndEdit(pMsg->wParam == VK_ESCAPE);
        return TRUE;
    }
    return CEdit::PreTranslateMessage(pMsg);
}

void CInPlaceEdit::OnKillFocus(CWnd* pNewWnd) {
    CEdit::OnKillFocus(pNewWnd);
    EndEdit(false);
}

void CInPlaceEdit::EndEdit(bool bCancelled) {
    if (m_bEnded) return;
    m_bEnded = true;
    CString strText;
    GetWindowText(strText);
    CWnd* pList = GetParent();
    NMLVDISPINFO info{};
    info.hdr.hwndFrom = pList->GetSafeHwnd();
    info.hdr.idFrom = static_cast<UINT_PTR>(pList->GetDlgCtrlID());
    info.hdr.code = LVN_ENDLABELEDIT;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = m_nRow;
    info.item.iSubItem = m_nColumn;
    info.item.pszText = bCancelled ? nullptr : strText.GetBuffer();
    info.item.cchTextMax = bCancelled ? 0 : strText.GetLength();
    if (CWnd* pOwner = pList->GetParent())
        pOwner->SendMessage(WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    DestroyWindow();
}

void CInPlaceEdit::PostNcDestroy() {
    delete this;
}
