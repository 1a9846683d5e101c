#include <MenuNode.h>
#include <TerminalSetup.h>

#include <utility>
#include <vector>

// In menu order, so that the first node carrying a number wins; a list of
// our own instead of recursion, as a menu may nest deeper than the stack.
void terminal::BuildScreenIndex(CMenuNode& root, CMapStringToPtr& index) {
    const auto Add = [&index](CMenuNode& node) {
        void* pExisting = nullptr;
        if (node.m_pScreen && !index.Lookup(node.m_pScreen->m_strScreenNo, pExisting))
            index.SetAt(node.m_pScreen->m_strScreenNo, &node);
    };
    Add(root);
    std::vector<std::pair<CMenuNode*, int>> path{{&root, 0}};
    while (!path.empty()) {
        auto& [pNode, nNext] = path.back();
        CMenuNode* pChild = pNode->GetChild(nNext++);
        if (!pChild) {
            path.pop_back();
            continue;
        }
        Add(*pChild);
        path.emplace_back(pChild, 0);
    }
}
