#include "FindScreenItem.h"

#include <MenuNode.h>

HTREEITEM FindScreenItem(const CTreeCtrl& tree, HTREEITEM hStart, const CString& strScreenNo) {
    if (!hStart || !tree.ItemHasChildren(hStart)) return nullptr;
    for (HTREEITEM hChild = tree.GetChildItem(hStart); hChild;
         hChild = tree.GetNextSiblingItem(hChild)) {
        const auto* pNode = reinterpret_cast<const CMenuNode*>(tree.GetItemData(hChild));
        if (!pNode) return nullptr;
        if (pNode->m_nKind == MENU_NODE_SCREEN && pNode->m_pScreen &&
            pNode->m_pScreen->m_strScreenNo.CompareNoCase(strScreenNo) == 0) {
            return hChild;
        }
        if (const HTREEITEM hFound = FindScreenItem(tree, hChild, strScreenNo)) return hFound;
    }
    return nullptr;
}
