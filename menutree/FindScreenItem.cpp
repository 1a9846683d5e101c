#include "FindScreenItem.h"

#include <MenuNode.h>

// A pre-order walk in a loop rather than recursion, so that a tree of any
// depth is searched on any stack.
HTREEITEM FindScreenItem(const CTreeCtrl& tree, HTREEITEM hStart, const CString& strScreenNo) {
    if (!hStart || !tree.ItemHasChildren(hStart)) return nullptr;
    for (HTREEITEM hItem = tree.GetChildItem(hStart); hItem;) {
        const auto* pNode = reinterpret_cast<const CMenuNode*>(tree.GetItemData(hItem));
        HTREEITEM hNext = nullptr;
        if (pNode) {
            if (pNode->m_nKind == MENU_NODE_SCREEN && pNode->m_pScreen &&
                pNode->m_pScreen->m_strScreenNo.CompareNoCase(strScreenNo) == 0) {
                return hItem;
            }
            if (tree.ItemHasChildren(hItem)) hNext = tree.GetChildItem(hItem);
            if (!hNext) hNext = tree.GetNextSiblingItem(hItem);
        }
        for (HTREEITEM hLevel = hItem; !hNext;) {
            hLevel = tree.GetParentItem(hLevel);
            if (!hLevel || hLevel == hStart) return nullptr;
            hNext = tree.GetNextSiblingItem(hLevel);
        }
        hItem = hNext;
    }
    return nullptr;
}
