#include "TreeModel.h"

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
    auto it = m_items.find(static_cast<const TreeItem*>(handle));
    return it == m_items.end() ? nullptr : it->second.get();
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
    item->prev = after;
    item->next = after ? after->next : owner->firstChild;
    (item->prev ? item->prev->next : owner->firstChild) = item;
    (item->next ? item->next->prev : owner->lastChild) = item;
    m_rowsValid = false;
    return item;
}

void TreeModel::Unlink(TreeItem& item) {
    TreeItem* owner = item.parent;
    (item.prev ? item.prev->next : owner->firstChild) = item.next;
    (item.next ? item.next->prev : owner->lastChild) = item.prev;
    m_rowsValid = false;
    m_items.erase(&item);
}

void TreeModel::Remove(TreeItem* item, const std::function<void(TreeItem&)>& onDelete) {
    while (item->firstChild) Remove(item->firstChild, onDelete);
    onDelete(*item);
    Unlink(*item);
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
    int depth = 0;
    for (const TreeItem* at = item.parent; at != &m_root; at = at->parent) ++depth;
    return depth;
}

}  // namespace afx::detail
