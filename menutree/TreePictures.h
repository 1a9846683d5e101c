// The pictures of both dialogs' trees (the toolbar settings dialog's group
// and menu trees, the group move dialog's tree and the link menu dialog's
// menu tree) and the one way their items are inserted: at the end of their
// parent, collapsed and unselected, with a state picture. The trees have no
// normal image list, but each item keeps the normal image indices that stand
// beside its picture.
#pragma once

#include <MenuNode.h>
#include <afxcmn.h>

#include <functional>

// State-image indices into the list CreateTreeImages builds.
constexpr int kRootPicture = 1;
constexpr int kFolderPicture = 2;
constexpr int kScreenPicture = 4;
constexpr int kScreenType3Picture = 5;

// 16 x 16 pictures: bitmap 1714 (two) and 1715 (five); a bitmap that does
// not load is left out.
void CreateTreeImages(CImageList& images);

HTREEITEM InsertTreeItem(CTreeCtrl& tree, HTREEITEM hParent, LPCSTR pszLabel, int nPicture,
                         int nImage, int nSelectedImage, bool bChildren, LPARAM lParam);
// A folder or a group: picture 2, images 2 and 3.
HTREEITEM InsertFolderItem(CTreeCtrl& tree, HTREEITEM hParent, LPCSTR pszLabel, bool bChildren,
                           LPARAM lParam);
// A screen of the terminal's menu: picture, image and selected image alike,
// 5 for a screen of type 3, else 4.
HTREEITEM InsertScreenItem(CTreeCtrl& tree, HTREEITEM hParent, LPCSTR pszLabel,
                           const CMenuNode& node);

// Offers each child of node to add, in the order a recursive fill takes:
// a folder's children right after it, before its next sibling. add gets the
// child, the item to insert it under (hParent for node's own children, who
// come with bTopLevel) and returns the item to fill with the child's
// children, or null to leave them out. The folders being filled are kept in
// a list rather than on the stack, so a menu of any depth fills on any stack.
void FillMenuItems(
    const CMenuNode& node, HTREEITEM hParent,
    const std::function<HTREEITEM(const CMenuNode& child, HTREEITEM hParent, bool bTopLevel)>& add);
