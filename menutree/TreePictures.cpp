#include "TreePictures.h"

#include "res/resource.h"

#include <vector>

namespace {

constexpr short kScreenTypeWithOwnPicture = 3;

}  // namespace

void CreateTreeImages(CImageList& images) {
    images.Create(16, 16, ILC_COLOR8 | ILC_MASK, 2, 1);
    const struct {
        UINT nID;
        COLORREF crMask;
    } bitmaps[] = {{IDB_TREE_ROOT, RGB(9, 0, 0)}, {IDB_TREE_ITEMS, RGB(0, 128, 128)}};
    for (const auto& bitmap : bitmaps) {
        CBitmap bmp;
        if (bmp.LoadBitmap(bitmap.nID)) images.Add(&bmp, bitmap.crMask);
    }
}

HTREEITEM InsertTreeItem(CTreeCtrl& tree, HTREEITEM hParent, LPCSTR pszLabel, int nPicture,
                         int nImage, int nSelectedImage, bool bChildren, LPARAM lParam) {
    TVINSERTSTRUCT insert{};
    insert.hParent = hParent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask =
        TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<LPSTR>(pszLabel);
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    insert.item.state = INDEXTOSTATEIMAGEMASK(nPicture);
    insert.item.stateMask = TVIS_STATEIMAGEMASK | TVIS_EXPANDED | TVIS_SELECTED;
    insert.item.cChildren = bChildren ? 1 : 0;
    insert.item.lParam = lParam;
    return tree.InsertItem(&insert);
}

HTREEITEM InsertFolderItem(CTreeCtrl& tree, HTREEITEM hParent, LPCSTR pszLabel, bool bChildren,
                           LPARAM lParam) {
    return InsertTreeItem(tree, hParent, pszLabel, kFolderPicture, 2, 3, bChildren, lParam);
}

HTREEITEM InsertScreenItem(CTreeCtrl& tree, HTREEITEM hParent, LPCSTR pszLabel,
                           const CMenuNode& node) {
    const int nPicture =
        node.m_pScreen && node.m_pScreen->m_nScreenType == kScreenTypeWithOwnPicture
            ? kScreenType3Picture
            : kScreenPicture;
    return InsertTreeItem(tree, hParent, pszLabel, nPicture, nPicture, nPicture, false,
                          reinterpret_cast<LPARAM>(&node));
}

void FillMenuItems(const CMenuNode& node, HTREEITEM hParent,
                   const std::function<HTREEITEM(const CMenuNode& child, HTREEITEM hParent,
                                                 bool bTopLevel)>& add) {
    struct Level {
        const CMenuNode* pNode;
        HTREEITEM hItem;
        int nNext;
    };
    std::vector<Level> levels{{&node, hParent, 0}};
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.nNext == level.pNode->GetChildCount()) {
            levels.pop_back();
            continue;
        }
        const CMenuNode* pChild = level.pNode->GetChild(level.nNext++);
        if (const HTREEITEM hItem = add(*pChild, level.hItem, levels.size() == 1))
            levels.push_back({pChild, hItem, 0});
    }
}
