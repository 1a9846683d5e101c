// The item store of the tree-view control: items, their links, the
// navigation codes and the rows that the expansion state makes visible.
#pragma once

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace afx::detail {

struct TreeItem {
    // Whether the item shows an expand button. An item inserted without the
    // children flag shows one exactly when it has child items; the flag, once
    // given, is taken as it is, whatever child items exist.
    enum class Kids { Compute, No, Yes, Callback };

    const std::string& Text() const { return m_text; }  // CP949 bytes
    // Shaping a label is the dearest part of laying a row out, so a label is
    // measured once and again only when it or the font changes.
    void SetText(std::string text) {
        m_text = std::move(text);
        m_widthFont = 0;
    }

    LPARAM lParam = 0;
    UINT state = 0;  // TVIS_* with the overlay and state-image indices
    int image = 0;
    int selectedImage = 0;
    Kids kids = Kids::Compute;

    TreeItem* parent = nullptr;  // the hidden root for top-level items
    TreeItem* firstChild = nullptr;
    TreeItem* lastChild = nullptr;
    TreeItem* prev = nullptr;
    TreeItem* next = nullptr;

    bool Expanded() const { return (state & TVIS_EXPANDED) != 0; }
    int StateImage() const { return static_cast<int>((state & TVIS_STATEIMAGEMASK) >> 12); }
    // The cChildren value the control reports: 0, 1 or I_CHILDRENCALLBACK.
    int ChildrenFlag() const;
    bool HasButton() const { return ChildrenFlag() != 0; }

private:
    friend class TreeLayout;
    friend class TreeModel;

    std::string m_text;
    mutable int m_width = 0;           // the label's measured width...
    mutable unsigned m_widthFont = 0;  // ...in this font generation of the layout (0: none)
    mutable int m_row = -1;            // the item's row...
    mutable unsigned m_rowsBuild = 0;  // ...when the model's rows were counted this time
};

class TreeModel {
public:
    TreeModel();
    TreeModel(const TreeModel&) = delete;
    TreeModel& operator=(const TreeModel&) = delete;

    // Null for a handle that names no live item, so a stale or foreign handle
    // from the caller is refused instead of followed.
    TreeItem* Find(const void* handle) const;

    // `after` null inserts first; the parent's last child inserts last.
    TreeItem* Insert(TreeItem* parent, TreeItem* after);
    TreeItem* LastChildOf(TreeItem* parent) const { return Container(parent)->lastChild; }

    // Deletes the item with everything under it. `onDelete` runs for each item
    // while it is still linked, children before their parent, siblings in
    // order; the item is gone when it returns.
    void Remove(TreeItem* item, const std::function<void(TreeItem&)>& onDelete);
    void RemoveAll(const std::function<void(TreeItem&)>& onDelete);

    TreeItem* FirstRoot() const { return m_root.firstChild; }
    TreeItem* ParentOf(const TreeItem& item) const;
    // The item that follows in tree order when the item's own children are not
    // entered: the next sibling, else the next sibling of the nearest ancestor
    // that has one.
    static TreeItem* NextSkippingChildren(const TreeItem& item);
    // TVGN_NEXTVISIBLE: the first child of an expanded item with children,
    // otherwise the item after its subtree, whether or not the item itself
    // lies in a collapsed folder.
    static TreeItem* NextVisible(const TreeItem& item);
    TreeItem* PreviousVisible(const TreeItem& item) const;
    TreeItem* LastVisible() const;
    bool IsDescendant(const TreeItem& item, const TreeItem& ancestor) const;
    int Count() const { return static_cast<int>(m_items.size()); }

    // Rows in display order: the items whose ancestors are all expanded.
    const std::vector<TreeItem*>& Rows() const;
    int RowOf(const TreeItem& item) const;  // -1 when a collapsed folder hides it
    int DepthOf(const TreeItem& item) const;
    // Tells the model that expansion or structure changed, so the rows are
    // recounted when next asked for.
    void InvalidateRows() { m_rowsValid = false; }

private:
    TreeItem* Container(TreeItem* parent) const;
    void Unlink(TreeItem& item);

    mutable TreeItem m_root;
    std::unordered_map<const TreeItem*, std::unique_ptr<TreeItem>> m_items;
    mutable std::vector<TreeItem*> m_rows;
    // Each count of the rows stamps the items it finds, so an item that a
    // later count left out (collapsed, deleted) reads as having no row.
    mutable unsigned m_rowsBuild = 1;
    mutable bool m_rowsValid = true;
};

}  // namespace afx::detail
