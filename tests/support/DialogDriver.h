// A person at a running dialog, for the tests: the automation library's
// clicks, keys, typing and drags on CP949 controls, with its failures failing
// the test; and what the dialog shows, read back from its controls.
#pragma once

#include <afxautomation.h>
#include <afxcmn.h>
#include <afxwin.h>

#include <string>
#include <vector>

#include <functional>

namespace driver {

// Runs the dialog modally and calls body once it is shown, then ends it with
// IDCANCEL when asked to; the dialog's result. A dialog that never shows
// fails the test.
INT_PTR RunModal(CDialog& dialog, const std::function<void()>& body, bool bEndWithCancel);

void ClickControl(CWnd& dialog, int nID);
// Clears an edit field, then types the CP949 text into it key by key.
void TypeInto(CWnd& dialog, int nID, LPCSTR pszText);
// Gives the control the focus and presses the key there.
void PressKeyIn(CWnd& dialog, int nID, UINT vk);

// A tree item by its labels from the first root item down, e.g.
// {"Halvane VORK Menu", "Quotes", "[0101] Current price"}; null (with a
// failure) when there is none.
HTREEITEM Item(const CTreeCtrl& tree, const std::vector<std::string>& path);
// The labels from the root item down to the item.
std::vector<std::string> PathOf(const CTreeCtrl& tree, HTREEITEM hItem);
// These bring the item into view first, as a person scrolls to it.
CPoint ItemPoint(CTreeCtrl& tree, HTREEITEM hItem);
void ClickItem(CTreeCtrl& tree, HTREEITEM hItem);
void DoubleClickItem(CTreeCtrl& tree, HTREEITEM hItem);

// Clicks a row's cell, or its first one, with the keys held (MK_CONTROL,
// MK_SHIFT), once the row is brought into view.
void ClickCell(CListCtrl& list, int nRow, int nColumn, UINT keys = 0);
inline void ClickRow(CListCtrl& list, int nRow, UINT keys = 0) {
    ClickCell(list, nRow, 0, keys);
}
void DoubleClickRow(CListCtrl& list, int nRow);
// Where a row is pressed or a drag of a row or an item is released: the
// middle of a row or 2 pixels above its lower edge, or below the last
// row; as the row shows now.
CPoint RowPoint(const CListCtrl& list, int nRow, bool bBottom = false);
CPoint EndPoint(const CWnd& control);
// A client point of a window.
struct Place {
    CWnd* pWnd;
    CPoint point;
};
// Presses at `from`, passes over each of `via`, moves to `to` and releases
// there, or presses Escape there when bCancel. False when no drag started.
bool Drag(const Place& from, const std::vector<Place>& via, const Place& to, bool bCancel = false);
inline bool Drag(CWnd& source, CPoint from, CWnd& target, CPoint to) {
    return Drag({&source, from}, {}, {&target, to});
}

// One line per item in tree order, whether or not its folder is open:
// indentation, label, "img=N", then "+" (children flag), "open", "sel".
std::vector<std::string> TreeLines(const CTreeCtrl& tree);

// Does the action, then presses Ctrl+Z twice (the second finds nothing more
// to undo) and Ctrl+Y, expecting shown() to tell what it told before the
// action, and then after it, again; check runs after each, told whether the
// action is undone.
void ExpectUndoneAndRedone(const std::function<std::string()>& shown,
                           const std::function<void()>& act,
                           const std::function<void(bool bUndone)>& check);

}  // namespace driver
