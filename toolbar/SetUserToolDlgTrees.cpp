// The dialog's two trees: their pictures, the menu tree built from the
// dialog's copy of the terminal's menu, and the items of the group tree.
#include "menutree/FindScreenItem.h"
#include "SetUserToolDlg.h"
#include "menutree/TreePictures.h"

void CSetUserToolDlg::BuildImageList() {
    CreateTreeImages(m_imageList);
    m_treeMenu.SetImageList(&m_imageList, TVSIL_STATE);
    m_treeGroup.SetImageList(&m_imageList, TVSIL_STATE);
}

void CSetUserToolDlg::FillMenuTree() {
    m_menuRoot.m_nKind = MENU_KIND_ROOT;
    m_menuRoot.m_strName = "Halvane VORK Menu";
    const bool bRootChildren = m_menuRoot.GetChildCount() > 0;
    const HTREEITEM hRoot =
        InsertTreeItem(m_treeMenu, TVI_ROOT, m_menuRoot.m_strName, kRootPicture, 0, 1,
                       bRootChildren, reinterpret_cast<LPARAM>(&m_menuRoot));
    m_search.Add(hRoot, m_menuRoot.m_strName, bRootChildren);
    InsertMenuChildren(m_menuRoot, hRoot, true);
    // The favorites branch goes in while the root is still closed: every row
    // added below an open root would lay the first level out again.
    AddFavoritesToMenuTree();

    const HTREEITEM hScreen = m_strInitScreenNo.IsEmpty()
                                  ? nullptr
                                  : FindScreenItem(m_treeMenu, hRoot, m_strInitScreenNo);
    if (hScreen) {
        m_treeMenu.Expand(m_treeMenu.GetParentItem(hScreen), TVE_EXPAND);
        m_treeMenu.SelectItem(hScreen);
    } else {
        m_treeMenu.Expand(hRoot, TVE_EXPAND);
    }
}

// Hidden nodes stay out at every level. Below the first level separators
// stay out too, and screens show their number after their name.
void CSetUserToolDlg::InsertMenuChildren(const CMenuNode& node, HTREEITEM hParent,
                                         bool bFirstLevel) {
    FillMenuItems(node, hParent, [&](const CMenuNode& child, HTREEITEM hLevel, bool bTopLevel) {
        const bool bFirst = bFirstLevel && bTopLevel;
        if (child.m_dwShow == 0) return HTREEITEM{};
        if (!bFirst && child.m_strName == "SEPARATOR") return HTREEITEM{};
        if (child.m_nKind == MENU_NODE_FOLDER) {
            const bool bChildren = child.GetChildCount() > 0;
            const HTREEITEM hFolder = InsertFolderItem(m_treeMenu, hLevel, child.m_strName,
                                                       bChildren, reinterpret_cast<LPARAM>(&child));
            m_search.Add(hFolder, child.m_strName, bChildren);
            return hFolder;
        }
        CString strLabel = child.m_strName;
        if (!bFirst && child.m_pScreen) {
            strLabel.Format("%s(%s)", child.m_strName.GetString(),
                            child.m_pScreen->m_strScreenNo.GetString());
        }
        m_search.Add(InsertScreenItem(m_treeMenu, hLevel, strLabel, child), strLabel, false);
        return HTREEITEM{};
    });
}

HTREEITEM CSetUserToolDlg::InsertGroupItem(CMenuInfo* pInfo, HTREEITEM hParent) {
    const auto lParam = reinterpret_cast<LPARAM>(pInfo);
    if (pInfo->m_nKind == MENU_KIND_ROOT) {
        return InsertTreeItem(m_treeGroup, hParent, pInfo->m_strName, kRootPicture, 0, 1,
                              !pInfo->m_listChild.IsEmpty(), lParam);
    }
    return InsertFolderItem(m_treeGroup, hParent, pInfo->m_strName, false, lParam);
}

// The label follows the record's name and the expand button its children;
// state and pictures are written back as they were.
void CSetUserToolDlg::RefreshGroupItem(HTREEITEM hItem) {
    TVITEM item{};
    item.hItem = hItem;
    item.mask = TVIF_STATE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.stateMask = static_cast<UINT>(-1);
    if (!m_treeGroup.GetItem(&item)) return;
    const CMenuInfo* pInfo = GroupRecord(hItem);
    if (!pInfo) return;
    item.mask |= TVIF_TEXT | TVIF_CHILDREN;
    item.pszText = const_cast<LPSTR>(pInfo->m_strName.GetString());
    item.cChildren = pInfo->m_listChild.IsEmpty() ? 0 : 1;
    m_treeGroup.SetItem(&item);
}
