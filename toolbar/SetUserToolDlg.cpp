#include "SetUserToolDlg.h"

#include <RoVuvi21.h>

#include "dragdrop/DragDropMessages.h"
#include "res/resource.h"

namespace {

constexpr LPCSTR kAppCaption = "Halvane VORK";
constexpr COLORREF kStaticColor = RGB(234, 233, 245);

}  // namespace

BEGIN_MESSAGE_MAP(CSetUserToolDlg, CVoDialog)
ON_WM_CTLCOLOR()
ON_NOTIFY(TVN_DELETEITEM, IDC_GROUP_TREE, &CSetUserToolDlg::OnDeleteGroupItem)
ON_NOTIFY(TVN_DELETEITEM, IDC_MENU_TREE, &CSetUserToolDlg::OnDeleteMenuItem)
ON_BN_CLICKED(IDC_REGIST, &CSetUserToolDlg::RegisterScreen)
ON_BN_CLICKED(IDC_DELETE_SCREEN, &CSetUserToolDlg::DeleteScreens)
ON_BN_CLICKED(IDC_ADD_GROUP, &CSetUserToolDlg::AddGroup)
ON_BN_CLICKED(IDC_RENAME_GROUP, &CSetUserToolDlg::RenameGroup)
ON_BN_CLICKED(IDC_DELETE_GROUP, &CSetUserToolDlg::DeleteGroup)
ON_BN_CLICKED(IDC_DELETE_TOOLBAR, &CSetUserToolDlg::DeleteScreens)
ON_BN_CLICKED(IDC_MOVE_TOOLBAR, &CSetUserToolDlg::MoveScreenToGroup)
ON_BN_CLICKED(IDC_SAVE, &CSetUserToolDlg::SaveToolbarFile)
ON_NOTIFY(TVN_BEGINLABELEDIT, IDC_GROUP_TREE, &CSetUserToolDlg::OnBeginGroupEdit)
ON_NOTIFY(TVN_ENDLABELEDIT, IDC_GROUP_TREE, &CSetUserToolDlg::OnEndGroupEdit)
ON_NOTIFY(TVN_ITEMEXPANDING, IDC_GROUP_TREE, &CSetUserToolDlg::OnGroupItemExpanding)
ON_NOTIFY(TVN_SELCHANGED, IDC_GROUP_TREE, &CSetUserToolDlg::OnGroupSelChanged)
ON_NOTIFY(NM_DBLCLK, IDC_GROUP_TREE, &CSetUserToolDlg::OnGroupDblClk)
ON_NOTIFY(NM_DBLCLK, IDC_MENU_TREE, &CSetUserToolDlg::OnMenuDblClk)
ON_NOTIFY(NM_DBLCLK, IDC_TOOL_LIST, &CSetUserToolDlg::OnListDblClk)
ON_BN_CLICKED(IDC_DELETE_ALL_SCREENS, &CSetUserToolDlg::DeleteAllScreens)
ON_BN_CLICKED(IDC_SCREEN_TOP, &CSetUserToolDlg::MoveScreenToTop)
ON_BN_CLICKED(IDC_SCREEN_UP, &CSetUserToolDlg::MoveScreenUp)
ON_BN_CLICKED(IDC_SCREEN_DOWN, &CSetUserToolDlg::MoveScreenDown)
ON_BN_CLICKED(IDC_SCREEN_BOTTOM, &CSetUserToolDlg::MoveScreenToBottom)
ON_BN_CLICKED(IDC_SEARCH, &CSetUserToolDlg::Search)
ON_BN_CLICKED(IDC_PREV_HIT, &CSetUserToolDlg::PrevHit)
ON_BN_CLICKED(IDC_NEXT_HIT, &CSetUserToolDlg::NextHit)
ON_BN_CLICKED(IDC_MODIFY_GROUP, &CSetUserToolDlg::ModifyGroup)
ON_MESSAGE(UM_SHORT_NAME_EDITED, &CSetUserToolDlg::OnShortNameEdited)
ON_MESSAGE(UM_LIST_ITEMS_MOVED, &CSetUserToolDlg::OnListItemsMoved)
ON_MESSAGE(UM_DROPPED_ON_LIST, &CSetUserToolDlg::OnDroppedOnList)
ON_MESSAGE(UM_LIST_DROPPED_ON_GROUPS, &CSetUserToolDlg::OnListDroppedOnGroups)
ON_MESSAGE(UM_LIST_DROPPED_ON_MENU, &CSetUserToolDlg::OnListDroppedOnMenu)
ON_MESSAGE(UM_MENU_ITEM_DROPPED, &CSetUserToolDlg::OnMenuItemDropped)
END_MESSAGE_MAP()

CSetUserToolDlg::CSetUserToolDlg(CMenuNode* pMenuRoot, CString strUserDir, CString strUserID,
                                 CString strScreenNo, CMapStringToPtr* pScreenIndex, CWnd* pParent)
    : CVoDialog(IDD_TOOLBAR_SETTINGS, pParent),
      m_strInitScreenNo(strScreenNo),
      m_search(*this, m_treeMenu, m_editSearch, IDC_HIT_COUNT, m_btnPrev, m_btnNext),
      m_pScreenIndex(pScreenIndex) {
    if (pMenuRoot) m_menuRoot = *pMenuRoot;
    m_groupRoot.m_nKind = MENU_KIND_ROOT;
    strUserID.TrimRight();
    m_strDefaultFile.Format("%s\\Toolbar.ini", strUserDir.GetString());
    m_strUserFile.Format("%s\\ToolBar_%s.ini", strUserDir.GetString(), strUserID.GetString());
}

CSetUserToolDlg::~CSetUserToolDlg() {
    if (m_imageList.GetSafeHandle()) m_imageList.DeleteImageList();
    if (m_hStaticBrush) ::DeleteObject(m_hStaticBrush);
}

void CSetUserToolDlg::DoDataExchange(CDataExchange* pDX) {
    CVoDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MODIFY_GROUP, m_btnModifyGroup);
    DDX_Control(pDX, IDC_SEARCH_TEXT, m_editSearch);
    DDX_Control(pDX, IDC_PREV_HIT, m_btnPrev);
    DDX_Control(pDX, IDC_NEXT_HIT, m_btnNext);
    DDX_Control(pDX, IDC_SEARCH, m_btnSearch);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_SAVE, m_btnSave);
    DDX_Control(pDX, IDC_ADD_GROUP, m_btnAddGroup);
    DDX_Control(pDX, IDC_RENAME_GROUP, m_btnRenameGroup);
    DDX_Control(pDX, IDC_DELETE_GROUP, m_btnDeleteGroup);
    DDX_Control(pDX, IDC_DELETE_TOOLBAR, m_btnDeleteToolbar);
    DDX_Control(pDX, IDC_MOVE_TOOLBAR, m_btnMoveToolbar);
    DDX_Control(pDX, IDC_REGIST, m_btnRegist);
    DDX_Control(pDX, IDC_DELETE_SCREEN, m_btnDelete);
    DDX_Control(pDX, IDC_DELETE_ALL_SCREENS, m_btnDeleteAll);
    DDX_Control(pDX, IDC_SCREEN_TOP, m_btnTop);
    DDX_Control(pDX, IDC_SCREEN_UP, m_btnUp);
    DDX_Control(pDX, IDC_SCREEN_DOWN, m_btnDown);
    DDX_Control(pDX, IDC_SCREEN_BOTTOM, m_btnBottom);
}

BOOL CSetUserToolDlg::OnInitDialog() {
    CVoDialog::OnInitDialog();
    m_hStaticBrush = ::CreateSolidBrush(kStaticColor);

    // The trees and the list are subclassed rather than exchanged, so their
    // drop targets are registered here: they never see WM_CREATE.
    m_listTool.SubclassDlgItem(IDC_TOOL_LIST, this);
    m_treeGroup.SubclassDlgItem(IDC_GROUP_TREE, this);
    m_treeMenu.SubclassDlgItem(IDC_MENU_TREE, this);
    m_listTool.m_bAllowSelfDrop = TRUE;
    m_listTool.m_bEditable = TRUE;
    m_listTool.m_bAutoScroll = FALSE;
    m_treeGroup.m_bAllowSelfDrop = FALSE;
    m_treeGroup.m_bAllowDrag = FALSE;
    m_treeGroup.m_nListDropMessage = UM_LIST_DROPPED_ON_GROUPS;
    m_treeMenu.m_bAllowSelfDrop = FALSE;
    m_treeMenu.m_bDragLeavesOnly = TRUE;
    m_treeMenu.m_nItemDropMessage = UM_MENU_ITEM_DROPPED;
    m_treeMenu.m_nListDropMessage = UM_LIST_DROPPED_ON_MENU;
    m_listTool.RegisterDropTarget();
    m_treeGroup.RegisterDropTarget();
    m_treeMenu.RegisterDropTarget();

    m_listTool.SetExtendedStyle(m_listTool.GetExtendedStyle() | LVS_EX_GRIDLINES |
                                LVS_EX_FULLROWSELECT);
    m_btnDeleteAll.SetToolTipText("Delete all");
    m_btnTop.SetToolTipText("to the top");
    m_btnUp.SetToolTipText("up");
    m_btnDown.SetToolTipText("down");
    m_btnBottom.SetToolTipText("to the bottom");
    InsertListColumns();

    CheckUserFileReadable();
    LoadToolbarFile();
    BuildImageList();
    FillMenuTree();
    FillGroupTree();

    m_btnPrev.EnableWindow(FALSE);
    m_btnNext.EnableWindow(FALSE);
    m_history.Open();
    return TRUE;
}

// Columns share the client width in sevenths: 1.5, 3.5 and the rest.
void CSetUserToolDlg::InsertListColumns() {
    CRect rcClient;
    m_listTool.GetClientRect(&rcClient);
    const int nWidth = rcClient.Width();
    const int nUnit = nWidth / 7;
    m_listTool.InsertColumn(0, "Screen no", LVCFMT_LEFT, nUnit * 3 / 2);
    m_listTool.InsertColumn(1, "Screen name", LVCFMT_LEFT, nUnit * 7 / 2);
    m_listTool.InsertColumn(2, "Short name", LVCFMT_LEFT, nWidth - 5 * nUnit);
}

BOOL CSetUserToolDlg::PreTranslateMessage(MSG* pMsg) {
    if (m_history.TranslateKey(GetSafeHwnd(), *pMsg)) return TRUE;
    const auto action = m_history.Track(pMsg->message == WM_KEYDOWN);
    if (pMsg->message == WM_KEYDOWN) {
        const HWND hFocus = ::GetFocus();
        if (hFocus == m_listTool.GetSafeHwnd() && ListKey(static_cast<UINT>(pMsg->wParam)))
            return TRUE;
        switch (pMsg->wParam) {
            case VK_DELETE:
                if (hFocus == m_listTool.GetSafeHwnd()) {
                    DeleteScreens();
                } else if (hFocus == m_treeGroup.GetSafeHwnd()) {
                    DeleteGroup();
                }
                break;
            case VK_RETURN:
                // Enter searches in the search field and never presses Save.
                if (hFocus == m_editSearch.GetSafeHwnd()) Search();
                return TRUE;
            case VK_ESCAPE:
                return TRUE;
            default:
                break;
        }
    }
    return CVoDialog::PreTranslateMessage(pMsg);
}

// The list's keyboard route to what the mouse does: F2 edits the short name
// of the focused row, Ctrl with Up, Down, Home or End moves the selected row
// as the arrow buttons do. FALSE for every other key.
BOOL CSetUserToolDlg::ListKey(UINT nKey) {
    const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    if (nKey == VK_F2 && !bCtrl) {
        m_listTool.EditShortName(m_listTool.GetNextItem(-1, LVNI_FOCUSED));
        return TRUE;
    }
    if (!bCtrl) return FALSE;
    switch (nKey) {
        case VK_UP:
            MoveScreenUp();
            return TRUE;
        case VK_DOWN:
            MoveScreenDown();
            return TRUE;
        case VK_HOME:
            MoveScreenToTop();
            return TRUE;
        case VK_END:
            MoveScreenToBottom();
            return TRUE;
        default:
            return FALSE;
    }
}

HBRUSH CSetUserToolDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hBrush = CVoDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor != CTLCOLOR_STATIC) return hBrush;
    pDC->SetBkMode(TRANSPARENT);
    return m_hStaticBrush;
}

// A group's item takes its record (and the record its screens) with it; the
// root's record is the dialog's own.
void CSetUserToolDlg::OnDeleteGroupItem(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    auto* pInfo =
        reinterpret_cast<CMenuInfo*>(reinterpret_cast<NMTREEVIEW*>(pNMHDR)->itemOld.lParam);
    if (!pInfo || pInfo->m_nKind == MENU_KIND_ROOT) return;
    if (const POSITION pos = m_groupRoot.m_listChild.Find(pInfo)) {
        m_groupRoot.m_listChild.RemoveAt(pos);
    }
    delete pInfo;
    m_bModified = TRUE;
}

void CSetUserToolDlg::OnDeleteMenuItem(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
}

// An item whose last child has gone keeps its expand button until here.
void CSetUserToolDlg::OnGroupItemExpanding(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const HTREEITEM hItem = reinterpret_cast<NMTREEVIEW*>(pNMHDR)->itemNew.hItem;
    if (!m_treeGroup.ItemHasChildren(hItem) || m_treeGroup.GetChildItem(hItem)) return;
    TVITEM item{};
    item.mask = TVIF_CHILDREN;
    item.hItem = hItem;
    item.cChildren = 0;
    m_treeGroup.SetItem(&item);
}

void CSetUserToolDlg::OnGroupSelChanged(NMHDR* pNMHDR, LRESULT* pResult) {
    ShowGroupScreens(reinterpret_cast<NMTREEVIEW*>(pNMHDR)->itemNew.hItem);
    *pResult = 0;
}

void CSetUserToolDlg::OnGroupDblClk(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
}

void CSetUserToolDlg::OnMenuDblClk(NMHDR*, LRESULT* pResult) {
    const CMenuNode* pNode = MenuNode(m_treeMenu.GetSelectedItem());
    if (!pNode || pNode->m_nKind != MENU_NODE_SCREEN) return;
    ClickButton(m_btnRegist);
    *pResult = 0;
}

void CSetUserToolDlg::OnListDblClk(NMHDR*, LRESULT* pResult) {
    if (GetSelectedListIndex() < 0) return;
    ClickButton(m_btnDelete);
    *pResult = 0;
}

void CSetUserToolDlg::ClickButton(CButton& button) {
    SendMessage(WM_COMMAND, MAKEWPARAM(button.GetDlgCtrlID(), BN_CLICKED),
                reinterpret_cast<LPARAM>(button.GetSafeHwnd()));
}

LRESULT CSetUserToolDlg::OnShortNameEdited(WPARAM wParam, LPARAM lParam) {
    const CString strShortName = reinterpret_cast<LPCSTR>(lParam);
    CMenuInfo* pGroup = GroupRecord(m_treeGroup.GetSelectedItem());
    const auto nRow = static_cast<INT_PTR>(wParam);
    if (!pGroup || nRow < 0 || nRow >= pGroup->m_listChild.GetCount()) return 0;
    pGroup->GetChild(static_cast<int>(nRow))->m_strShortName = strShortName;
    m_bModified = TRUE;
    return 0;
}

CMenuInfo* CSetUserToolDlg::GroupRecord(HTREEITEM hItem) const {
    return hItem ? reinterpret_cast<CMenuInfo*>(m_treeGroup.GetItemData(hItem)) : nullptr;
}

CMenuNode* CSetUserToolDlg::MenuNode(HTREEITEM hItem) const {
    return hItem ? reinterpret_cast<CMenuNode*>(m_treeMenu.GetItemData(hItem)) : nullptr;
}

void CSetUserToolDlg::Alert(LPCSTR pszText) {
    CRoVuvi21::VoMessageBox(pszText, 0, kAppCaption, this, nullptr);
}

bool CSetUserToolDlg::Ask(LPCSTR pszQuestion) {
    return CRoVuvi21::VoMessageBox(pszQuestion, MB_OKCANCEL, kAppCaption, this, nullptr) == IDOK;
}

void CSetUserToolDlg::Warn(LPCSTR pszText, LPCSTR pszCaption) {
    MessageBox(pszText, pszCaption, MB_OK | MB_ICONEXCLAMATION);
}
