// The report list of both dialogs: drags its selected rows, accepts drops
// through its COleListCtrlDropTarget with a row highlight and an optional
// timer scroll, and edits the short name in column 2 in place.
#pragma once

#include <vector>

#include <afxcmn.h>
#include <afxole.h>

#include "dragdrop/OleListCtrlDropTarget.h"
#include "JListCtrl.h"

class CDDListCtrl : public CJListCtrl {
public:
    CDDListCtrl() = default;

    // Registers the drop target; called once by the owner after SubclassDlgItem.
    void RegisterDropTarget();

    // This list's window rectangle when it started its drag, in screen coordinates.
    CRect GetDragStartRect() const { return m_rcDragStart; }
    // TRUE while a drag that started in this list is running.
    BOOL IsDragging() const { return m_bDragging; }

    // Moves the drop highlight to nItem, redrawing only the row that loses it
    // and the row that gets it; a negative nItem clears it from every row.
    void SetDropHighlight(int nItem);
    // Highlights the row at a client point and returns it; elsewhere returns -1
    // and leaves the highlight where it is.
    int HighlightAtPoint(CPoint point);

    // The row and column at a client point; -1 when no cell is there.
    int HitTestEx(CPoint point, int* pnCol) const;
    // Opens the terminal's in-place editor over a cell; NULL when the cell
    // cannot be shown or is too narrow. The editor destroys itself.
    CEdit* EditSubLabel(int nItem, int nCol, const CString& strText);
    // Opens the short-name editor on a row's short-name cell, limited to a
    // short name's bytes; NULL when the list is not editable or the cell
    // cannot be edited.
    CEdit* EditShortName(int nItem);

    // TRUE: rows of this list may be dropped on it (reordering).
    BOOL m_bAllowSelfDrop = TRUE;
    // TRUE: a drag resting near the top or bottom edge scrolls by timer.
    BOOL m_bAutoScroll = TRUE;
    // TRUE: a click on column 2 of the selected row edits the short name.
    BOOL m_bEditable = FALSE;

protected:
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    friend class COleListCtrlDropTarget;

    static constexpr UINT_PTR kScrollTimer = 1;
    const UINT m_nScrollDelay = 300;     // ms from entering a scroll zone to the first line
    const int m_nScrollMargin = 10;      // px, height of the zones at the top and bottom
    const UINT m_nScrollInterval = 100;  // ms between lines once scrolling runs

    // TRUE when a client y lies in the top or bottom scroll zone.
    BOOL IsInScrollZone(int y) const;
    // Shows a "Notice" box on the list.
    void Notice(LPCSTR lpszText);

    COleDataSource m_dataSource;  // never holds data: the drop side reads the list's state
    COleListCtrlDropTarget m_dropTarget;
    CRect m_rcDragStart;
    BOOL m_bDragging = FALSE;
    int m_nHighlight = -1;
    std::vector<int> m_aDraggedRows;  // selected rows at drag start, ascending
};
