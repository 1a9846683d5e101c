#include "MenuTreeItems.h"

#include "res/resource.h"

namespace {

constexpr short kScreenTypeWithOwnPicture = 3;

}  // namespace

void CreateTreeImages(CImageList& imageList) {
    imageList.Create(16, 16, ILC_COLOR8 | ILC_MASK, 2, 1);
    const struct {
        UINT nID;
        COLORREF crMask;
    } bitmaps[] = {{IDB_TREE_ROOT, RGB(9, 0, 0)}, {IDB_TREE_ITEMS, RGB(0, 128, 128)}};
    for (const auto& bitmap : bitmaps) {
        CBitmap bmp;
        if (bmp.LoadBitmap(bitmap.nID)) imageList.Add(&bmp, bitmap.crMask);
    }
}

int ScreenPicture(const CMenuNode& node) {
    return node.m_pScreen && node.m_pScreen->m_nScreenType == kScreenTypeWithOwnPicture
               ? kScreenType3Picture
               : kScreenPicture;
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
