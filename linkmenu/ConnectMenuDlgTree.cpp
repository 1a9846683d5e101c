// The menu tree of the link dialog: every screen the user may link, labelled
// "[number] name" at every level, in folders that hold something to link.
#include "ConnectMenuDlg.h"
#include "menutree/FindScreenItem.h"
#include "menutree/TreePictures.h"

#include <utility>
#include <vector>

namespace {

constexpr LPCSTR kSeparator = "SEPARATOR";
constexpr short kScreenTypeNotCounted = 9;

}  // namespace

void CConnectMenuDlg::InitTreeImages() {
    CreateTreeImages(m_imageList);
    m_treeMenu.SetImageList(&m_imageList, TVSIL_STATE);
}

void CConnectMenuDlg::FillMenuTree() {
    CTreeCtrl& tree = m_treeMenu;
    // The root says it has children, so the search is not told of it.
    const HTREEITEM hRoot =
        InsertTreeItem(tree, TVI_ROOT, "Halvane VORK Menu", kRootPicture, 0, 1, true, 0);
    if (m_pMenuRoot) AddMenuChildren(*m_pMenuRoot, hRoot);

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
void CConnectMenuDlg::AddMenuChildren(const CMenuNode& node, HTREEITEM hParent) {
    CTreeCtrl& tree = m_treeMenu;
    const std::unordered_set<const CMenuNode*> holding = NodesHoldingScreens(node);
    const bool bRootLevel = tree.GetParentItem(hParent) == nullptr;
    FillMenuItems(node, hParent, [&](const CMenuNode& child, HTREEITEM hLevel, bool bTopLevel) {
        if (child.m_dwShow == 0) return HTREEITEM{};
        if (bRootLevel && bTopLevel ? child.m_strName.CompareNoCase(kSeparator) == 0
                                    : child.m_strName == kSeparator) {
            return HTREEITEM{};
        }
        if (child.m_nKind == MENU_NODE_FOLDER) {
            if (holding.count(&child) == 0) return HTREEITEM{};
            const bool bChildren = child.GetChildCount() > 0;
            const HTREEITEM hFolder = InsertFolderItem(tree, hLevel, child.m_strName, bChildren,
                                                       reinterpret_cast<LPARAM>(&child));
            m_search.Add(hFolder, child.m_strName, bChildren);
            return hFolder;
        }
        CString strLabel;
        strLabel.Format("[%s] %s",
                        child.m_pScreen ? child.m_pScreen->m_strScreenNo.GetString() : "",
                        child.m_strName.GetString());
        m_search.Add(InsertScreenItem(tree, hLevel, strLabel, child), strLabel, false);
        return HTREEITEM{};
    });
}

// A shown screen counts whatever the show flags above it: a hidden folder's
// screen still makes the folders above it worth showing.
bool CConnectMenuDlg::IsScreenToLink(const CMenuNode& node) {
    return node.m_dwShow != 0 && !node.m_strName.IsEmpty() && node.m_strName != kSeparator &&
           node.m_pScreen && node.m_pScreen->m_nScreenType != kScreenTypeNotCounted;
}

// One walk down the whole menu, with the path to the current node in a list:
// a screen to link marks itself and the nodes above it, up to the first one
// already marked, so no node is looked at twice.
std::unordered_set<const CMenuNode*> CConnectMenuDlg::NodesHoldingScreens(const CMenuNode& root) {
    std::unordered_set<const CMenuNode*> holding;
    std::vector<std::pair<const CMenuNode*, int>> path{{&root, 0}};
    if (IsScreenToLink(root)) holding.insert(&root);
    while (!path.empty()) {
        auto& [pNode, nNext] = path.back();
        if (nNext == pNode->GetChildCount()) {
            path.pop_back();
            continue;
        }
        const CMenuNode* pChild = pNode->GetChild(nNext++);
        path.emplace_back(pChild, 0);
        if (!IsScreenToLink(*pChild)) continue;
        for (auto it = path.rbegin(); it != path.rend() && holding.insert(it->first).second; ++it) {
        }
    }
    return holding;
}
