// The tree control of both dialogs: starts a drag of the pressed item, accepts
// drops through its CTreeDropTarget, keeps Enter and Escape inside an active
// label edit, and offers the leaf search of the menu search.
#pragma once

#include <afxcmn.h>

#include "dragdrop/TreeDropTarget.h"

class CDDTreeCtrl : public CTreeCtrl {
public:
    CDDTreeCtrl() = default;

    // Registers the drop target; needed once after SubclassDlgItem, because a
    // subclassed control never sees WM_CREATE.
    void RegisterDropTarget();

    // This tree's window rectangle when it started its drag, in screen coordinates.
    CRect GetDragStartRect() const { return m_rcDragStart; }
    // TRUE while a drag that started in this tree is running.
    BOOL IsDragging() const { return m_bDragging; }
    // The tree whose drag is running, NULL when no tree drag runs. One for the
    // whole module: a drop target learns from it whether the drag came from a tree.
    static HWND GetDragSource() { return s_hDragSource; }

    // The first leaf at or after hStart, in tree order down to the end of the
    // tree, expanded or not, whose label contains strKey regardless of letter
    // case; NULL when there is none.
    HTREEITEM FindItem(HTREEITEM hStart, const CString& strKey);
    // Sets strLabel to a label as the leaf search compares it: as far as a
    // label is read for it (511 bytes, in whole characters), in capitals. A
    // string used again for label after label allocates once.
    static void SearchedLabel(LPCSTR pszLabel, CString& strLabel);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // What the owner makes of this tree, set right after subclassing; the
    // defaults are a plain tree whose items all drag and whose drops tell the
    // owner nothing but moves within the tree.

    // TRUE: items of this tree may be dropped on it, and folders under the
    // cursor expand during a drag.
    BOOL m_bAllowSelfDrop = TRUE;
    // FALSE: pressing and dragging an item only selects it; no drag starts.
    BOOL m_bAllowDrag = TRUE;
    // TRUE: only leaves leave this tree; dragging a folder shows a notice and
    // starts no drag.
    BOOL m_bDragLeavesOnly = FALSE;
    // Sent to the owner of another tree when an item of this tree lands on it,
    // with the dragged and the target item; 0 sends nothing.
    UINT m_nItemDropMessage = 0;
    // Sent to this tree's owner when rows of a list land on it, with 0 and the
    // target item; 0 sends nothing.
    UINT m_nListDropMessage = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    CTreeDropTarget m_dropTarget;
    CRect m_rcDragStart;
    BOOL m_bDragging = FALSE;

    static HWND s_hDragSource;
};
