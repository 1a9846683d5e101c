// The dialog's two trees: their pictures, the menu tree built from the
// dialog's copy of the terminal's menu, and the items of the group tree.
#include "FindScreenItem.h"
#include "SetUserToolDlg.h"
#include "res/resource.h"

namespace {

// State-image indices of the pictures; the normal image indices stand
// beside them although no normal image list is attached.
constexpr int kRootPicture = 1;
constexpr int kFolderPicture = 2;
constexpr int kScreenPicture = 4;
constexpr int kScreenType3Picture = 5;
constexpr short kScreenTypeWithOwnPicture = 3;

constexpr UINT kInsertMask =
    TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM | TVIF_CHILDREN;
// Items are inserted collapsed and unselected with their picture.
constexpr UINT kInsertStateMask = TVIS_STATEIMAGEMASK | TVIS_EXPANDED | TVIS_SELECTED;

HTREEITEM InsertItem(CTreeCtrl& tree, HTREEITEM hParent, LPCSTR pszLabel, int nPicture, int nImage,
                     int nSelectedImage, bool bChildren, LPARAM lParam) {
    TVINSERTSTRUCT insert{};
    insert.hParent = hParent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = kInsertMask;
    insert.item.pszText = const_cast<LPSTR>(pszLabel);
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    insert.item.state = INDEXTOSTATEIMAGEMASK(nPicture);
    insert.item.stateMask = kInsertStateMask;
    insert.item.cChildren = bChildren ? 1 : 0;
    insert.item.lParam = lParam;
    return tree.InsertItem(&insert);
}

int ScreenPicture(const CMenuNode& node) {
    return node.m_pScreen && node.m_pScreen->m_nScreenType == kScreenTypeWithOwnPicture
               ? kScreenType3Picture
               : kScreenPicture;
}

}  // namespace

void CSetUserToolDlg::BuildImageList() {
    m_imageList.Create(16, 16, ILC_COLOR8 | ILC_MASK, 2, 1);
    const struct {
        UINT nID;
        COLORREF crMask;
    } bitmaps[] = {{IDB_TREE_ROOT, RGB(9, 0, 0)}, {IDB_TREE_ITEMS, RGB(0, 128, 128)}};
    for (const auto& bitmap : bitmaps) {
        CBitmap bmp;
        if (bmp.LoadBitmap(bitmap.nID)) m_imageList.Add(&bmp, bitmap.crMask);
    }
    m_treeMenu.SetImageList(&m_imageList, TVSIL_STATE);
    m_treeGroup.SetImageList(&m_imageList, TVSIL_STATE);
}

void CSetUserToolDlg::FillMenuTree() {
    m_menuRoot.m_nKind = MENU_KIND_ROOT;
    m_menuRoot.m_strName = "Halvane VORK Menu";
    const HTREEITEM hRoot =
        InsertItem(m_treeMenu, TVI_ROOT, m_menuRoot.m_strName, kRootPicture, 0, 1,
                   m_menuRoot.GetChildCount() > 0, reinterpret_cast<LPARAM>(&m_menuRoot));
    InsertMenuChildren(m_menuRoot, hRoot, true);

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
    for (int i = 0; i < node.GetChildCount(); ++i) {
        const CMenuNode* pChild = node.GetChild(i);
        if (pChild->m_dwShow == 0) continue;
        if (!bFirstLevel && pChild->m_strName == "SEPARATOR") continue;
        const auto lParam = reinterpret_cast<LPARAM>(pChild);
        if (pChild->m_nKind == MENU_NODE_FOLDER) {
            const HTREEITEM hFolder =
                InsertItem(m_treeMenu, hParent, pChild->m_strName, kFolderPicture, 2, 3,
                           pChild->GetChildCount() > 0, lParam);
            InsertMenuChildren(*pChild, hFolder, false);
            continue;
        }
        CString strLabel = pChild->m_strName;
        if (!bFirstLevel && pChild->m_pScreen) {
            strLabel.Format("%s(%s)", pChild->m_strName.GetString(),
                            pChild->m_pScreen->m_strScreenNo.GetString());
        }
        const int nPicture = ScreenPicture(*pChild);
        InsertItem(m_treeMenu, hParent, strLabel, nPicture, nPicture, nPicture, false, lParam);
    }
}

HTREEITEM CSetUserToolDlg::InsertGroupItem(CMenuInfo* pInfo, HTREEITEM hParent) {
    const auto lParam = reinterpret_cast<LPARAM>(pInfo);
    if (pInfo->m_nKind == MENU_KIND_ROOT) {
        return InsertItem(m_treeGroup, hParent, pInfo->m_strName, kRootPicture, 0, 1,
                          !pInfo->m_listChild.IsEmpty(), lParam);
    }
    return InsertItem(m_treeGroup, hParent, pInfo->m_strName, kFolderPicture, 2, 3, false, lParam);
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
