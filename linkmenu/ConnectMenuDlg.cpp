#include "ConnectMenuDlg.h"

#include "dragdrop/DragDropMessages.h"
#include "res/resource.h"

namespace {

constexpr int kRowHeight = 22;
constexpr COLORREF kErrorColor = RGB(255, 0, 0);
constexpr COLORREF kTextColor = RGB(0, 0, 0);

constexpr LPCSTR kSelectScreen = "From the left tree menu, select the screen to be added.";
constexpr LPCSTR kOnlyScreens = "From the left tree menu, you can add only screen.";
constexpr LPCSTR kListFull = "For link screen, it is possible to register only 10 items!";
constexpr LPCSTR kAlreadyThere = "The specified screen [%s] already exists.";
constexpr LPCSTR kRegistered = "Link menu has been registered.";
constexpr LPCSTR kSelectRowToDelete =
    "Please select a screen item to be deleted from the right shortcult key list.";

}  // namespace

BEGIN_MESSAGE_MAP(CConnectMenuDlg, CNewDialog)
ON_BN_CLICKED(IDC_LINK_ADD, &CConnectMenuDlg::OnAdd)
ON_NOTIFY(NM_DBLCLK, IDC_LINK_MENU_TREE, &CConnectMenuDlg::OnTreeDblClk)
ON_BN_CLICKED(IDC_LINK_DELETE, &CConnectMenuDlg::OnDelete)
ON_NOTIFY(NM_DBLCLK, IDC_LINK_LIST, &CConnectMenuDlg::OnListDblClk)
ON_BN_CLICKED(IDC_LINK_DELETE_ALL, &CConnectMenuDlg::OnDeleteAll)
ON_WM_CTLCOLOR()
ON_MESSAGE(UM_LIST_ITEMS_MOVED, &CConnectMenuDlg::OnListItemsMoved)
ON_MESSAGE(UM_DROPPED_ON_LIST, &CConnectMenuDlg::OnDroppedOnList)
ON_BN_CLICKED(IDC_LINK_SEARCH, &CConnectMenuDlg::Search)
ON_BN_CLICKED(IDC_LINK_PREV_HIT, &CConnectMenuDlg::PrevHit)
ON_BN_CLICKED(IDC_LINK_NEXT_HIT, &CConnectMenuDlg::NextHit)
END_MESSAGE_MAP()

CConnectMenuDlg::CConnectMenuDlg(CMenuNode* pMenuRoot, CString strScreenNo, CWnd* pParent)
    : CNewDialog(IDD_LINK_MENU, pParent),
      m_strInitScreenNo(strScreenNo),
      m_pMenuRoot(pMenuRoot),
      m_search(*this, m_treeMenu, m_editSearch, IDC_LINK_HIT_COUNT, m_btnPrev, m_btnNext) {
    m_bCenterOnOwner = FALSE;
}

CString CConnectMenuDlg::Number(int n) {
    CString str;
    str.Format("%d", n);
    return str;
}

CConnectMenuDlg::~CConnectMenuDlg() {
    if (m_imageList.GetSafeHandle()) m_imageList.DeleteImageList();
}

void CConnectMenuDlg::DoDataExchange(CDataExchange* pDX) {
    CNewDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_LINK_DELETE_ALL, m_btnDeleteAll);
    DDX_Control(pDX, IDC_LINK_DELETE, m_btnDelete);
    DDX_Control(pDX, IDC_LINK_ADD, m_btnAdd);
    DDX_Control(pDX, IDC_LINK_STATUS, m_stcStatus);
    DDX_Control(pDX, IDC_LINK_SEARCH_TEXT, m_editSearch);
    DDX_Control(pDX, IDC_LINK_SEARCH, m_btnSearch);
    DDX_Control(pDX, IDC_LINK_PREV_HIT, m_btnPrev);
    DDX_Control(pDX, IDC_LINK_NEXT_HIT, m_btnNext);
}

BOOL CConnectMenuDlg::OnInitDialog() {
    CNewDialog::OnInitDialog();

    // Subclassed rather than exchanged, so the drop targets are registered
    // here: a subclassed control never sees WM_CREATE.
    m_listLink.SubclassDlgItem(IDC_LINK_LIST, this);
    m_treeMenu.SubclassDlgItem(IDC_LINK_MENU_TREE, this);
    m_treeMenu.m_bAllowSelfDrop = FALSE;
    m_listLink.m_bAllowSelfDrop = TRUE;
    m_listLink.m_bAutoScroll = FALSE;
    m_listLink.RegisterDropTarget();
    m_treeMenu.RegisterDropTarget();

    m_listLink.SetExtendedStyle(m_listLink.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_listLink.fnSetRowHeight(kRowHeight);
    m_listLink.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);

    InitTreeImages();
    FillMenuTree();
    InitListColumns();
    LoadConnectMenu();
    CheckLinkMenuReadable();
    m_history.Open();
    return TRUE;
}

void CConnectMenuDlg::InitListColumns() {
    m_listLink.InsertColumn(kInnerTR, "Inner TR", LVCFMT_LEFT, 0);
    m_listLink.InsertColumn(kNo, "No", LVCFMT_CENTER, 28);
    m_listLink.InsertColumn(kTRCode, "TR Code", LVCFMT_CENTER, 55);
    m_listLink.InsertColumn(kScreenName, "Screen Name", LVCFMT_LEFT, 245);
}

// A save that fails keeps the dialog open.
void CConnectMenuDlg::OnOK() {
    if (SaveConnectMenu()) CNewDialog::OnOK();
}

// Enter never ends the dialog; in the search field it searches.
BOOL CConnectMenuDlg::PreTranslateMessage(MSG* pMsg) {
    if (m_history.TranslateKey(GetSafeHwnd(), *pMsg)) return TRUE;
    const auto action = m_history.Track(pMsg->message == WM_KEYDOWN);
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        if (::GetFocus() == m_editSearch.GetSafeHwnd()) Search();
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && ::GetFocus() == m_listLink.GetSafeHwnd() &&
        ListKey(static_cast<UINT>(pMsg->wParam))) {
        return TRUE;
    }
    return CNewDialog::PreTranslateMessage(pMsg);
}

// The list's keyboard route to what the mouse does: Delete deletes as the
// Delete button does; Ctrl with Up, Down, Home or End moves the selected link
// as a drag onto the row above, below, first or last does. FALSE for every
// other key.
BOOL CConnectMenuDlg::ListKey(UINT nKey) {
    const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    if (nKey == VK_DELETE && !bCtrl) {
        OnDelete();
        return TRUE;
    }
    const int nRow = m_listLink.GetNextItem(-1, LVNI_SELECTED);
    const int nLast = m_listLink.GetItemCount() - 1;
    int nTo = -1;
    switch (bCtrl ? nKey : 0) {
        case VK_UP:
            nTo = nRow - 1;
            break;
        case VK_DOWN:
            nTo = nRow + 1;
            break;
        case VK_HOME:
            nTo = 0;
            break;
        case VK_END:
            nTo = nLast;
            break;
        default:
            return FALSE;
    }
    // A drag onto its own row, or past either end, moves nothing. The moved
    // row keeps the keyboard's mark, which Delete acts on.
    if (nRow >= 0 && nTo >= 0 && nTo <= nLast && nTo != nRow) {
        OnListItemsMoved(nRow, nTo);
        m_listLink.SetSelectionMark(nTo);
    }
    return TRUE;
}

const CMenuNode* CConnectMenuDlg::MenuNode(HTREEITEM hItem) const {
    return hItem ? reinterpret_cast<const CMenuNode*>(m_treeMenu.GetItemData(hItem)) : nullptr;
}

void CConnectMenuDlg::OnAdd() {
    UpdateData(TRUE);
    const HTREEITEM hSelected = m_treeMenu.GetSelectedItem();
    if (!hSelected) {
        ShowStatus(kSelectScreen, FALSE);
        return;
    }
    const CMenuNode* pNode = MenuNode(hSelected);
    if (!pNode || pNode->m_nKind != MENU_NODE_SCREEN) {
        ShowStatus(kOnlyScreens, FALSE);
        return;
    }
    const int nRows = m_listLink.GetItemCount();
    if (nRows >= kMaxLinks) {
        ShowStatus(kListFull, TRUE);
        return;
    }
    RegisterScreen(*pNode, nRows);
}

// The tree drag carries nothing: the dragged screen is the tree's selection.
LRESULT CConnectMenuDlg::OnDroppedOnList(WPARAM wParam, LPARAM) {
    const auto nIndex = static_cast<int>(wParam);
    if (nIndex < 0) return 0;
    const CMenuNode* pNode = MenuNode(m_treeMenu.GetSelectedItem());
    if (!pNode || pNode->m_nKind != MENU_NODE_SCREEN) {
        ShowStatus(kOnlyScreens, FALSE);
        return 0;
    }
    // A drop on a row replaces that row's screen, so only a drop after the
    // last row of a full list is refused.
    if (nIndex >= kMaxLinks) {
        ShowStatus(kListFull, TRUE);
        return 0;
    }
    RegisterScreen(*pNode, nIndex);
    return 0;
}

void CConnectMenuDlg::RegisterScreen(const CMenuNode& node, int nIndex) {
    const CString strInnerTR = node.m_pScreen ? node.m_pScreen->m_strSecondCode : CString();
    const CString strScreenNo = node.m_pScreen ? node.m_pScreen->m_strScreenNo : CString();
    if (InsertLinkItem(strInnerTR, strScreenNo, node.m_strName, nIndex) == 1) {
        CString strText;
        strText.Format(kAlreadyThere, node.m_strName.GetString());
        ShowStatus(strText, TRUE);
        return;
    }
    ShowStatus(kRegistered, FALSE);
    m_listLink.SetItemState(nIndex, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_listLink.EnsureVisible(nIndex, FALSE);
}

int CConnectMenuDlg::InsertLinkItem(const CString& strInnerTR, const CString& strScreenNo,
                                    const CString& strName, int nIndex) {
    const int nRows = m_listLink.GetItemCount();
    for (int nRow = 0; nRow < nRows; ++nRow) {
        if (m_listLink.GetItemText(nRow, kInnerTR) == strInnerTR) return 1;
    }
    if (nIndex < 0 || nIndex >= nRows) {
        InsertRow(strInnerTR, strScreenNo, strName, nIndex);
        return 0;
    }
    m_listLink.SetItemText(nIndex, kInnerTR, strInnerTR);
    m_listLink.SetItemText(nIndex, kTRCode, strScreenNo);
    m_listLink.SetItemText(nIndex, kScreenName, strName);
    return 0;
}

// The list puts a row asked for beyond its end at the end; the texts follow
// the row to where it went, so "No" always tells the row's place.
void CConnectMenuDlg::InsertRow(const CString& strInnerTR, const CString& strScreenNo,
                                const CString& strName, int nIndex) {
    const int nRow = m_listLink.InsertItem(LVIF_TEXT | LVIF_STATE, nIndex, strInnerTR,
                                           INDEXTOSTATEIMAGEMASK(1), LVIS_STATEIMAGEMASK, 0, 0);
    if (nRow < 0) return;
    m_listLink.SetItemText(nRow, kNo, Number(nRow + 1));
    m_listLink.SetItemText(nRow, kTRCode, strScreenNo);
    m_listLink.SetItemText(nRow, kScreenName, strName);
}

LRESULT CConnectMenuDlg::OnListItemsMoved(WPARAM wParam, LPARAM lParam) {
    const auto nFrom = static_cast<int>(wParam);
    const auto nTo = static_cast<int>(lParam);
    if (nFrom < 0 || nTo < 0) return 0;
    SwapLinkItems(nFrom, nTo);
    m_listLink.SetItemState(nTo, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_listLink.EnsureVisible(nTo, FALSE);
    return 0;
}

BOOL CConnectMenuDlg::SwapLinkItems(int nFrom, int nTo) {
    if (nTo >= m_listLink.GetItemCount()) return FALSE;
    for (const int nColumn : {kInnerTR, kTRCode, kScreenName}) {
        const CString strKept = m_listLink.GetItemText(nTo, nColumn);
        m_listLink.SetItemText(nTo, nColumn, m_listLink.GetItemText(nFrom, nColumn));
        m_listLink.SetItemText(nFrom, nColumn, strKept);
    }
    RenumberLinkItems();
    return TRUE;
}

void CConnectMenuDlg::RenumberLinkItems() {
    for (int nRow = 0; nRow < m_listLink.GetItemCount(); ++nRow) {
        m_listLink.SetItemText(nRow, kNo, Number(nRow + 1));
    }
}

void CConnectMenuDlg::OnDelete() {
    const int nRow = m_listLink.GetSelectionMark();
    if (nRow < 0 || nRow >= m_listLink.GetItemCount()) {
        ShowStatus(kSelectRowToDelete, FALSE);
        return;
    }
    m_listLink.DeleteItem(nRow);
    RenumberLinkItems();
}

void CConnectMenuDlg::OnDeleteAll() {
    m_listLink.DeleteAllItems();
}

// The tree still opens or closes a double-clicked folder.
void CConnectMenuDlg::OnTreeDblClk(NMHDR*, LRESULT* pResult) {
    OnAdd();
    *pResult = 0;
}

// The double-click acts on the selection mark, not on the row under the cursor.
void CConnectMenuDlg::OnListDblClk(NMHDR*, LRESULT* pResult) {
    const int nRow = m_listLink.GetSelectionMark();
    if (nRow < 0 || nRow >= m_listLink.GetItemCount()) return;
    OnDelete();
    *pResult = 0;
}

void CConnectMenuDlg::ShowStatus(LPCSTR pszText, BOOL bError) {
    m_bStatusError = bError;
    m_stcStatus.Invalidate(TRUE);
    m_stcStatus.SetWindowText(pszText);
}

HBRUSH CConnectMenuDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hBrush = CNewDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_STATIC && pWnd && pWnd->GetDlgCtrlID() == IDC_LINK_STATUS) {
        pDC->SetTextColor(m_bStatusError ? kErrorColor : kTextColor);
    }
    return hBrush;
}

void CConnectMenuDlg::Search() {
    m_search.Search();
}

void CConnectMenuDlg::PrevHit() {
    m_search.PrevHit();
}

void CConnectMenuDlg::NextHit() {
    m_search.NextHit();
}
