// The tree-view control ("SysTreeView32"): its window procedure implements
// the TVM_* messages and the mouse and keyboard behaviour over TreeModel, and
// its widget paints the rows, lines, buttons and images.
#pragma once

#include "ControlWidget.h"
#include "TreeLayout.h"
#include "TreeModel.h"

namespace afx::detail {

class TreeView : public ControlWidget {
public:
    TreeView(Window& window, QWidget* parent);

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    void paintEvent(QPaintEvent* event) override;
    void SetClientSize(int width, int height) override;
    ScrollRanges Ranges() const override;
    void Scrolled(Qt::Orientation orientation, int value) override;

private:
    // Dispatches each message to the member that answers it.
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam);
    void NoteFocusFreshness(UINT message);

    // The answers to the TVM_* messages, named after them; a null structure
    // answers the message's failure value.
    HTREEITEM OnInsertItem(const TVINSERTSTRUCTA* in);
    bool OnDeleteItem(HTREEITEM handle);  // null or TVI_ROOT deletes every item
    bool OnGetItemRect(bool textOnly, RECT* rect) const;
    void OnSetIndent(int indent);
    HIMAGELIST OnSetImageList(WPARAM which, HIMAGELIST images);
    HTREEITEM OnGetNextItem(UINT code, HTREEITEM handle);
    bool OnSelectItem(UINT code, HTREEITEM handle);
    bool OnGetItem(TVITEMA* query) const;
    bool OnSetItem(const TVITEMA* in);
    UINT OnGetItemState(HTREEITEM handle, UINT mask) const;
    bool OnEndEditLabelNow(bool cancel);
    HTREEITEM OnHitTest(TVHITTESTINFO* info) const;
    bool OnEnsureVisible(HTREEITEM handle);
    int OnSetItemHeight(int height);

    // The answers to the window messages.
    LRESULT OnTimer(WPARAM id, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    void OnButtonDown(WPARAM keys, POINT pt);
    void OnDoubleClick(POINT pt);
    void OnRightButtonDown();
    void OnKeyDown(UINT key);

    TreeItem* Item(HTREEITEM handle) const { return m_model.Find(handle); }
    static HTREEITEM Handle(const TreeItem* item) {
        return reinterpret_cast<HTREEITEM>(const_cast<TreeItem*>(item));
    }
    void Fill(TVITEMA& out, const TreeItem* item, UINT mask) const;

    void Apply(TreeItem& item, const TVITEMA& in);
    bool Delete(TreeItem* item);  // null deletes every item
    TreeItem* Next(UINT code, HTREEITEM handle) const;
    bool Expand(TreeItem* item, UINT code, bool byUser);
    bool SelectCaret(TreeItem* item, UINT action);
    void SetDropHilite(TreeItem* item);
    // Expands the item's collapsed ancestors and scrolls it into view.
    void Reveal(TreeItem& item);
    bool ItemRect(TreeItem* item, bool textOnly, RECT& rect) const;

    HWND EditLabel(TreeItem* item);
    void EndEdit(bool cancel);
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void CancelClickEdit();
    void Changed() override;
    void UpdateMetrics() override;

    TreeModel m_model;
    TreeLayout m_layout{m_model};
    TreeItem* m_caret = nullptr;
    TreeItem* m_drop = nullptr;
    HIMAGELIST m_normalImages = nullptr;
    HIMAGELIST m_stateImages = nullptr;
    int m_fixedItemHeight = -1;  // set by TVM_SETITEMHEIGHT; -1 follows font and images
    HWND m_edit = nullptr;
    TreeItem* m_editItem = nullptr;
    TreeItem* m_clickEditItem = nullptr;  // waits for the double-click time to pass
    bool m_freshFocus = false;            // the focus came with the press being handled
    // The Edit class's procedure, which every label editor passes on to.
    static inline WNDPROC s_editProc = nullptr;
};

}  // namespace afx::detail
