// The menu tree of the link dialog: every screen the user may link, labelled
// "[number] name" at every level, in folders that hold something to link.
#include "ConnectMenuDlg.h"
#include "toolbar/FindScreenItem.h"
#include "toolbar/TreePictures.h"

namespace {

constexpr LPCSTR kSeparator = "SEPARATOR";
constexpr short kScreenTypeNotCounted = 9;

}  // namespace

void CConnectMenuDlg::InitTreeImages() {
    CreateTreeImages(m_imageList);
    m_treeMenu.SetImageList(&m_imageList, TVSIL_STATE);
}

void CConnectMenuDlg::FillMenuTree(CTreeCtrl& tree) {
    const HTREEITEM hRoot =
        InsertTreeItem(tree, TVI_ROOT, "Halvane VORK Menu", kRootPicture, 0, 1, true, 0);
    if (m_pMenuRoot) AddMenuChildren(tree, *m_pMenuRoot, hRoot);

    const HTREEITEM hScreen = FindScreenItem(tree, hRoot, m_strInitScreenNo);
    if (!hScreen) {
        tree.Expand(hRoot, TVE_EXPAND);
        return;
    }
    if (const HTREEITEM hParent = tree.GetParentItem(hScreen)) tree.Expand(hParent, TVE_EXPAND);
    tree.SelectItem(hScreen);
}

// Hidden nodes, separators and folders without a screen to link stay out.
// Under the root a separator is known by its name in any letter case, below
// it only by the name in capitals.
void CConnectMenuDlg::AddMenuChildren(CTreeCtrl& tree, const CMenuNode& node, HTREEITEM hParent) {
    const bool bFirstLevel = tree.GetParentItem(hParent) == nullptr;
    for (int i = 0; i < node.GetChildCount(); ++i) {
        const CMenuNode* pChild = node.GetChild(i);
        if (pChild->m_dwShow == 0) continue;
        if (bFirstLevel ? pChild->m_strName.CompareNoCase(kSeparator) == 0
                        : pChild->m_strName == kSeparator) {
            continue;
        }
        if (pChild->m_nKind == MENU_NODE_FOLDER) {
            if (CountScreens(pChild) < 1) continue;
            const HTREEITEM hFolder =
                InsertFolderItem(tree, hParent, pChild->m_strName, pChild->GetChildCount() > 0,
                                 reinterpret_cast<LPARAM>(pChild));
            AddMenuChildren(tree, *pChild, hFolder);
            continue;
        }
        CString strLabel;
        strLabel.Format("[%s] %s",
                        pChild->m_pScreen ? pChild->m_pScreen->m_strScreenNo.GetString() : "",
                        pChild->m_strName.GetString());
        InsertScreenItem(tree, hParent, strLabel, *pChild);
    }
}

// Children count whatever their own show flag: a hidden screen still makes
// its folder worth showing.
int CConnectMenuDlg::CountScreens(const CMenuNode* pNode) {
    if (!pNode) return 0;
    int nCount = pNode->m_dwShow != 0 && !pNode->m_strName.IsEmpty() &&
                         pNode->m_strName != kSeparator && pNode->m_pScreen &&
                         pNode->m_pScreen->m_nScreenType != kScreenTypeNotCounted
                     ? 1
                     : 0;
    for (int i = 0; i < pNode->GetChildCount(); ++i) nCount += CountScreens(pNode->GetChild(i));
    return nCount;
}
