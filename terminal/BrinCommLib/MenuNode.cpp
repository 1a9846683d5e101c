#include <MenuNode.h>

CMenuNode::CMenuNode() = default;

CMenuNode::CMenuNode(const CMenuNode& src)
    : m_strName(src.m_strName),
      m_nKind(src.m_nKind),
      m_dwShow(src.m_dwShow),
      m_pScreen(src.m_pScreen ? std::make_unique<CScreenRecord>(*src.m_pScreen) : nullptr) {
    m_children.reserve(src.m_children.size());
    for (const auto& pChild : src.m_children)
        m_children.push_back(std::make_unique<CMenuNode>(*pChild));
}

CMenuNode::CMenuNode(CMenuNode&& src) noexcept = default;

CMenuNode::~CMenuNode() = default;

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
