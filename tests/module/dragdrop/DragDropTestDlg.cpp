#include "DragDropTestDlg.h"

#include <afxcmn.h>
#include <afxresource.h>

namespace {

// Trees and lists in the styles of the module's templates; the lists are
// wider than their columns, so a point right of the last column is on no row.
const afx::DialogControl kControls[] = {
    {CDragDropTestDlg::IDC_MENU_TREE, "SysTreeView32", "",
     WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
         TVS_SHOWSELALWAYS,
     5, 5, 90, 120},
    {CDragDropTestDlg::IDC_GROUP_TREE, "SysTreeView32", "",
     WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
         TVS_SHOWSELALWAYS | TVS_EDITLABELS,
     100, 5, 90, 120},
    {CDragDropTestDlg::IDC_LINK_TREE, "SysTreeView32", "",
     WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, 195, 5,
     70, 60},
    {CDragDropTestDlg::IDC_TOOL_LIST, "SysListView32", "",
     WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, 5, 130, 220, 80},
};
AFX_DIALOG_RESOURCE(kDragDropTest, CDragDropTestDlg::IDD, "Drag and drop",
                    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, "Tahoma", 9, 0, 0, 400, 220,
                    kControls);

constexpr int kColumnWidths[] = {40, 100, 80};
constexpr int kLinkScreens = 40;

}  // namespace

BEGIN_MESSAGE_MAP(CDragDropTestDlg, CDialog)
ON_MESSAGE(UM_LIST_ITEMS_MOVED, &CDragDropTestDlg::OnPrivateMessage<UM_LIST_ITEMS_MOVED>)
ON_MESSAGE(UM_TREE_ITEM_MOVED, &CDragDropTestDlg::OnPrivateMessage<UM_TREE_ITEM_MOVED>)
ON_MESSAGE(UM_DROPPED_ON_LIST, &CDragDropTestDlg::OnPrivateMessage<UM_DROPPED_ON_LIST>)
ON_MESSAGE(UM_LIST_DROPPED_ON_GROUPS,
           &CDragDropTestDlg::OnPrivateMessage<UM_LIST_DROPPED_ON_GROUPS>)
ON_MESSAGE(UM_LIST_DROPPED_ON_MENU, &CDragDropTestDlg::OnPrivateMessage<UM_LIST_DROPPED_ON_MENU>)
ON_MESSAGE(UM_MENU_ITEM_DROPPED, &CDragDropTestDlg::OnPrivateMessage<UM_MENU_ITEM_DROPPED>)
ON_MESSAGE(UM_SHORT_NAME_EDITED, &CDragDropTestDlg::OnPrivateMessage<UM_SHORT_NAME_EDITED>)
ON_NOTIFY(TVN_ENDLABELEDIT, CDragDropTestDlg::IDC_GROUP_TREE,
          &CDragDropTestDlg::OnGroupEndLabelEdit)
END_MESSAGE_MAP()

void CDragDropTestDlg::Run(const std::function<void()>& body) {
    const afx::ModalHook previous = afx::SetModalHook([&](const afx::ModalInfo& info) {
        if (info.hwnd != m_hWnd) return;
        body();
        if (afx::TopModalWindow() == m_hWnd) afx::EndModal(IDCANCEL);
    });
    DoModal();
    afx::SetModalHook(previous);
}

BOOL CDragDropTestDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // As the module's dialogs set their controls up.
    m_listTool.SubclassDlgItem(IDC_TOOL_LIST, this);
    m_treeMenu.SubclassDlgItem(IDC_MENU_TREE, this);
    m_treeGroup.SubclassDlgItem(IDC_GROUP_TREE, this);
    m_treeLink.SubclassDlgItem(IDC_LINK_TREE, this);
    m_listTool.SetExtendedStyle(m_listTool.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_listTool.m_bAllowSelfDrop = TRUE;
    m_listTool.m_bEditable = TRUE;
    m_listTool.m_bAutoScroll = FALSE;
    for (CDDTreeCtrl* pTree : {&m_treeMenu, &m_treeGroup, &m_treeLink}) {
        pTree->m_bAllowSelfDrop = FALSE;
        pTree->RegisterDropTarget();
    }
    m_treeGroup.m_bAllowDrag = FALSE;
    m_treeGroup.m_nListDropMessage = UM_LIST_DROPPED_ON_GROUPS;
    m_treeMenu.m_bDragLeavesOnly = TRUE;
    m_treeMenu.m_nItemDropMessage = UM_MENU_ITEM_DROPPED;
    m_treeMenu.m_nListDropMessage = UM_LIST_DROPPED_ON_MENU;
    m_listTool.RegisterDropTarget();
    FillTrees();
    FillList();
    return TRUE;
}

void CDragDropTestDlg::FillTrees() {
    m_hMenuRoot = m_treeMenu.InsertItem("VORK menu");
    m_hQuotes = m_treeMenu.InsertItem("Quotes", m_hMenuRoot);
    m_hCurrentPrice = m_treeMenu.InsertItem("Current price", m_hQuotes);
    m_hDailyChart = m_treeMenu.InsertItem("Daily chart", m_hQuotes);
    m_treeMenu.InsertItem("Cash order", m_treeMenu.InsertItem("Orders", m_hMenuRoot));
    m_hBalance = m_treeMenu.InsertItem("Balance", m_hMenuRoot);
    m_treeMenu.Expand(m_hMenuRoot, TVE_EXPAND);
    m_treeMenu.Expand(m_hQuotes, TVE_EXPAND);

    m_hGroupRoot = m_treeGroup.InsertItem("my Menu");
    m_hGroup1 = m_treeGroup.InsertItem("Group 1", m_hGroupRoot);
    m_hGroup2 = m_treeGroup.InsertItem("Group 2", m_hGroupRoot);
    m_treeGroup.InsertItem("Quote screen", m_hGroup2);
    m_treeGroup.Expand(m_hGroupRoot, TVE_EXPAND);

    m_hLinkRoot = m_treeLink.InsertItem("Screens");
    m_hLinkFolder = m_treeLink.InsertItem("Folder", m_hLinkRoot);
    m_treeLink.InsertItem("Inner screen", m_hLinkFolder);
    for (int i = 0; i < kLinkScreens; ++i) {
        CString strLabel;
        strLabel.Format("Screen %02d", i);
        const HTREEITEM hItem = m_treeLink.InsertItem(strLabel, m_hLinkRoot);
        if (i == 0) m_hLinkFirst = hItem;
        if (i == 1) m_hLinkSecond = hItem;
    }
    // Wider than the tree, so that the tree scrolls sideways.
    m_treeLink.InsertItem("A screen with a label far wider than the tree that shows it",
                          m_hLinkRoot);
    m_treeLink.Expand(m_hLinkRoot, TVE_EXPAND);
}

void CDragDropTestDlg::FillList() {
    const char* const aHeadings[] = {"No", "Screen", "Short name"};
    for (int nCol = 0; nCol < 3; ++nCol) {
        m_listTool.InsertColumn(nCol, aHeadings[nCol], LVCFMT_LEFT, kColumnWidths[nCol]);
    }
    for (int nRow = 0; nRow < kToolRows; ++nRow) {
        CString strText;
        strText.Format("%02d", nRow);
        m_listTool.InsertItem(nRow, strText);
        strText.Format("Screen %02d", nRow);
        m_listTool.SetItemText(nRow, 1, strText);
        strText.Format("S%02d", nRow);
        m_listTool.SetItemText(nRow, 2, strText);
    }
}

void CDragDropTestDlg::OnGroupEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) {
    const TVITEM& item = reinterpret_cast<NMTVDISPINFO*>(pNMHDR)->item;
    m_labelEdits.push_back({item.pszText == nullptr, item.pszText != nullptr ? item.pszText : "",
                            m_treeGroup.GetItemText(m_treeGroup.GetSelectedItem())});
    *pResult = FALSE;
}
