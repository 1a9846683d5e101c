#include <MenuNode.h>

#include <utility>
#include <vector>

// A menu may nest deeper than the stack allows frames, so nothing here
// recurses along the tree: copies and destruction keep their own lists.

CMenuNode::CMenuNode() = default;

CMenuNode::CMenuNode(const CMenuNode& src) {
    CopyFields(src);
    std::vector<std::pair<const CMenuNode*, CMenuNode*>> pending{{&src, this}};
    while (!pending.empty()) {
        const auto [pFrom, pTo] = pending.back();
        pending.pop_back();
        pTo->m_children.reserve(pFrom->m_children.size());
        for (const auto& pChild : pFrom->m_children) {
            CMenuNode* pCopy = pTo->AddChild();
            pCopy->CopyFields(*pChild);
            pending.emplace_back(pChild.get(), pCopy);
        }
    }
}

CMenuNode::CMenuNode(CMenuNode&& src) noexcept = default;

// Each node taken from the list hands its children to the list before it
// goes, so it is destroyed without any.
CMenuNode::~CMenuNode() {
    std::vector<std::unique_ptr<CMenuNode>> pending = std::move(m_children);
    while (!pending.empty()) {
        std::unique_ptr<CMenuNode> pNode = std::move(pending.back());
        pending.pop_back();
        for (auto& pChild : pNode->m_children) pending.push_back(std::move(pChild));
        pNode->m_children.clear();
    }
}

// The copy is made before anything of this node is let go, so a node can be
// assigned from one of its own descendants.
CMenuNode& CMenuNode::operator=(const CMenuNode& src) {
    if (this != &src) *this = CMenuNode(src);
    return *this;
}

CMenuNode& CMenuNode::operator=(CMenuNode&& src) noexcept = default;

int CMenuNode::GetChildCount() const {
    return static_cast<int>(m_children.size());
}

CMenuNode* CMenuNode::GetChild(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetChildCount()) return nullptr;
    return m_children[static_cast<std::size_t>(nIndex)].get();
}

CMenuNode* CMenuNode::AddChild() {
    return m_children.emplace_back(std::make_unique<CMenuNode>()).get();
}

void CMenuNode::CopyFields(const CMenuNode& src) {
    m_strName = src.m_strName;
    m_nKind = src.m_nKind;
    m_dwShow = src.m_dwShow;
    m_pScreen = src.m_pScreen ? std::make_unique<CScreenRecord>(*src.m_pScreen) : nullptr;
}
