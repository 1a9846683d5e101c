#include <MenuNode.h>
#include <TerminalSetup.h>

#include <utility>
#include <vector>

// In menu order, so that the first node carrying a number wins; a list of
// our own instead of recursion, as a menu may nest deeper than the stack.
void terminal::BuildScreenIndex(CMenuNode& root, CMapStringToPtr& index) {
    // One look-up per node: a number met again finds its slot already set.
    const auto Add = [&index](CMenuNode& node) {
        if (!node.m_pScreen) return;
        void*& pSlot = index[node.m_pScreen->m_strScreenNo];
        if (!pSlot) pSlot = &node;
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
