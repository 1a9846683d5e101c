// The tree control of both dialogs: starts a drag of the pressed item, accepts
// drops through its CTreeDropTarget, keeps Enter and Escape inside an active
// label edit, and offers the leaf search of the menu search.
#pragma once

#include <afxcmn.h>

#include "dragdrop/TreeDropTarget.h"

class CDDTreeCtrl : public CTreeCtrl {
public:
    // Controls of the toolbar settings dialog that behave specially.
    static constexpr int kMenuTreeId = 1030;   // the terminal's menu: only screens leave it
    static constexpr int kGroupTreeId = 1032;  // the toolbar groups: never a drag source

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

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // TRUE: items of this tree may be dropped on it, and folders under the
    // cursor expand during a drag.
    BOOL m_bAllowSelfDrop = TRUE;

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
