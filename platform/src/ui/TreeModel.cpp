#include "TreeModel.h"

#include <afx.h>

#include "DebugChecks.h"

namespace afx::detail {

int TreeItem::ChildrenFlag() const {
    switch (kids) {
        case Kids::Yes:
            return 1;
        case Kids::No:
            return 0;
        case Kids::Callback:
            return I_CHILDRENCALLBACK;
        case Kids::Compute:
            break;
    }
    return firstChild != nullptr ? 1 : 0;
}

TreeModel::TreeModel() {
    m_root.state = TVIS_EXPANDED;
}

TreeItem* TreeModel::Find(const void* handle) const {
    if (handle != nullptr && handle == m_recent) return m_recent;
    auto it = m_items.find(static_cast<const TreeItem*>(handle));
    return it == m_items.end() ? nullptr : Recent(it->second.get());
}

TreeItem* TreeModel::Container(TreeItem* parent) const {
    return parent ? parent : &m_root;
}

TreeItem* TreeModel::Insert(TreeItem* parent, TreeItem* after) {
    TreeItem* owner = Container(parent);
    auto made = std::make_unique<TreeItem>();
    TreeItem* item = made.get();
    m_items.emplace(item, std::move(made));
    item->parent = owner;
    item->m_depth = parent ? parent->m_depth + 1 : 0;
    item->prev = after;
    item->next = after ? after->next : owner->firstChild;
    (item->prev ? item->prev->next : owner->firstChild) = item;
    (item->next ? item->next->prev : owner->lastChild) = item;
    // An item under a collapsed or hidden folder adds no row: filling a large
    // menu into closed folders keeps the rows counted.
    const bool hidden =
        m_rowsValid && parent && (!parent->Expanded() || parent->m_rowsBuild != m_rowsBuild);
    if (!hidden) m_rowsValid = false;
    return item;
}

void TreeModel::Unlink(TreeItem& item) {
    TreeItem* owner = item.parent;
    (item.prev ? item.prev->next : owner->firstChild) = item.next;
    (item.next ? item.next->prev : owner->lastChild) = item.prev;
    m_rowsValid = false;
    if (&item == m_recent) m_recent = nullptr;
    m_items.erase(&item);
}

// A loop rather than recursion, so that a tree of any depth is deleted on
// any stack: the deepest first child goes first, then its parent's next
// child's deepest first child, and a parent once it has no children left.
void TreeModel::Remove(TreeItem* item, const std::function<void(TreeItem&)>& onDelete) {
    for (TreeItem* at = item;;) {
        while (at->firstChild) at = at->firstChild;
        TreeItem* parent = at->parent;
        const bool done = at == item;
        onDelete(*at);
        Unlink(*at);
        if (done) return;
        at = parent;
    }
}

void TreeModel::RemoveAll(const std::function<void(TreeItem&)>& onDelete) {
    while (m_root.firstChild) Remove(m_root.firstChild, onDelete);
}

TreeItem* TreeModel::ParentOf(const TreeItem& item) const {
    return item.parent == &m_root ? nullptr : item.parent;
}

TreeItem* TreeModel::NextSkippingChildren(const TreeItem& item) {
    for (const TreeItem* at = &item; at; at = at->parent) {
        if (at->next) return at->next;
    }
    return nullptr;
}

TreeItem* TreeModel::NextVisible(const TreeItem& item) {
    if (item.Expanded() && item.firstChild) return item.firstChild;
    return NextSkippingChildren(item);
}

TreeItem* TreeModel::PreviousVisible(const TreeItem& item) const {
    if (!item.prev) return ParentOf(item);
    TreeItem* at = item.prev;
    while (at->Expanded() && at->lastChild) at = at->lastChild;
    return at;
}

TreeItem* TreeModel::LastVisible() const {
    TreeItem* at = m_root.lastChild;
    while (at && at->Expanded() && at->lastChild) at = at->lastChild;
    return at;
}

bool TreeModel::IsDescendant(const TreeItem& item, const TreeItem& ancestor) const {
    for (const TreeItem* at = item.parent; at; at = at->parent) {
        if (at == &ancestor) return true;
    }
    return false;
}

const std::vector<TreeItem*>& TreeModel::Rows() const {
    if (!m_rowsValid) {
        m_rows.clear();
        ++m_rowsBuild;
        for (TreeItem* at = m_root.firstChild; at; at = NextVisible(*at)) {
            at->m_row = static_cast<int>(m_rows.size());
            at->m_rowsBuild = m_rowsBuild;
            m_rows.push_back(at);
        }
        m_rowsValid = true;
    }
    return m_rows;
}

int TreeModel::RowOf(const TreeItem& item) const {
    Rows();
    return item.m_rowsBuild == m_rowsBuild ? item.m_row : -1;
}

int TreeModel::DepthOf(const TreeItem& item) const {
    return item.m_depth;
}

void TreeModel::Verify(std::initializer_list<const TreeItem*> marks) const {
    if constexpr (!kDebugChecks) return;
    for (const TreeItem* mark : marks) ASSERT(mark == nullptr || Find(mark) == mark);
    if (m_items.size() > kDebugWalkLimit) return;
    if (m_rowsValid) {
        std::size_t row = 0;
        for (const TreeItem* at = m_root.firstChild; at; at = NextVisible(*at), ++row) {
            ASSERT(row < m_rows.size() && m_rows[row] == at);
            ASSERT(at->m_rowsBuild == m_rowsBuild && at->m_row == static_cast<int>(row));
        }
        ASSERT(row == m_rows.size());
    }
    // Walked by the links alone, with no lookup per item, to keep a walk
    // after every message cheap.
    std::size_t reached = 0;
    const TreeItem* owner = &m_root;
    const TreeItem* prev = nullptr;
    for (const TreeItem* at = m_root.firstChild;;) {
        if (at) {
            ++reached;
            ASSERT(reached <= m_items.size());  // also ends a chain that runs in a circle
            ASSERT(at->parent == owner);
            ASSERT(at->prev == prev);
            owner = at;
            prev = nullptr;
            at = at->firstChild;
            continue;
        }
        ASSERT(owner->lastChild == prev);
        if (owner == &m_root) break;
        prev = owner;
        at = owner->next;
        owner = owner->parent;
    }
    ASSERT(reached == m_items.size());
}

}  // namespace afx::detail
