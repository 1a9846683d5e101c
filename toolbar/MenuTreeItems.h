// What the menu trees of both dialogs and the toolbar dialog's group tree
// share: their pictures and how an item is put in.
#pragma once

#include <MenuNode.h>
#include <afxcmn.h>

// State-image indices of the pictures. The normal image indices are set
// beside them (root 0 and 1, folder 2 and 3, a screen its picture twice),
// although no normal image list is attached.
constexpr int kRootPicture = 1;
constexpr int kFolderPicture = 2;
constexpr int kScreenPicture = 4;
constexpr int kScreenType3Picture = 5;

// The pictures, 16 x 16: bitmap 1714 (two, the second a tree's root) and
// then 1715 (five); a bitmap that cannot be loaded is left out.
void CreateTreeImages(CImageList& imageList);

// A screen's picture: screens of type 3 have their own.
int ScreenPicture(const CMenuNode& node);

// Appends an item to hParent's children, collapsed and unselected.
HTREEITEM InsertTreeItem(CTreeCtrl& tree, HTREEITEM hParent, LPCSTR pszLabel, int nPicture,
                         int nImage, int nSelectedImage, bool bChildren, LPARAM lParam);
