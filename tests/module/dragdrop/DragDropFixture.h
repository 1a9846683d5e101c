// The test dialog in a running application, answering every message box with
// OK, and the geometry that scripted drags need.
#pragma once

#include <gtest/gtest.h>

#include <afxautomation.h>

#include <utility>
#include <vector>

#include "DragDropTestDlg.h"

class DragDrop : public ::testing::Test {
protected:
    void SetUp() override {
        afx::SetMessageBoxHandler([](HWND, LPCSTR, LPCSTR, UINT) { return IDOK; });
        afx::ClearMessageBoxRecords();
    }
    void TearDown() override {
        afx::SetMessageBoxHandler({});
        afx::ClearMessageBoxRecords();
    }

    // The texts of the message boxes shown so far.
    static std::vector<CString> BoxTexts() {
        std::vector<CString> texts;
        for (const afx::MessageBoxRecord& record : afx::MessageBoxRecords()) {
            texts.push_back(record.text);
        }
        return texts;
    }

    // Exactly one box was shown, a "Notice" with the exclamation icon on the window.
    static void ExpectOneNotice(LPCSTR pszText, HWND hOwner) {
        ASSERT_EQ(afx::MessageBoxRecords().size(), 1u);
        const afx::MessageBoxRecord& box = afx::MessageBoxRecords()[0];
        EXPECT_EQ(box.text, CString(pszText));
        EXPECT_EQ(box.caption, CString("Notice"));
        EXPECT_EQ(box.type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
        EXPECT_EQ(box.owner, hOwner);
    }

    static CPoint ToScreen(const CWnd& wnd, CPoint point) {
        wnd.ClientToScreen(&point);
        return point;
    }

    // Two moves onto a client point of a window: the first may enter the
    // window, the second is a drag-over there.
    static std::vector<afx::DragStep> Over(const CWnd& wnd, CPoint point) {
        return {afx::DragStep::MoveTo(ToScreen(wnd, CPoint(point.x + 1, point.y))),
                afx::DragStep::MoveTo(ToScreen(wnd, point))};
    }
    // Hovers over each point in turn, then releases.
    static std::vector<afx::DragStep> DropPath(
        const std::vector<std::pair<const CWnd*, CPoint>>& points) {
        std::vector<afx::DragStep> path;
        for (const auto& [pWnd, point] : points) {
            const std::vector<afx::DragStep> steps = Over(*pWnd, point);
            path.insert(path.end(), steps.begin(), steps.end());
        }
        path.push_back(afx::DragStep::Release());
        return path;
    }
    // The middle of an item's label.
    static CPoint ItemPoint(const CTreeCtrl& tree, HTREEITEM hItem) {
        CRect rc;
        tree.GetItemRect(hItem, &rc, TRUE);
        return rc.CenterPoint();
    }
    // A point in column 0 of a row, dy pixels below the row's top (its middle by default).
    static CPoint RowPoint(const CListCtrl& list, int nRow, int dy = -1) {
        CRect rc;
        list.GetItemRect(nRow, &rc, LVIR_BOUNDS);
        return {rc.left + 10, dy < 0 ? rc.CenterPoint().y : rc.top + dy};
    }
    // A point of a row in the given column.
    static CPoint CellPoint(const CListCtrl& list, int nRow, int nCol) {
        CRect rc;
        list.GetItemRect(nRow, &rc, LVIR_BOUNDS);
        int x = rc.left;
        for (int i = 0; i < nCol; ++i) x += list.GetColumnWidth(i);
        return {x + list.GetColumnWidth(nCol) / 2, rc.CenterPoint().y};
    }
    static void SelectRows(CListCtrl& list, const std::vector<int>& rows) {
        for (int nRow = 0; nRow < list.GetItemCount(); ++nRow) {
            list.SetItemState(nRow, 0, LVIS_SELECTED | LVIS_FOCUSED);
        }
        for (int nRow : rows) list.SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
        list.SetSelectionMark(rows.front());
    }

    afx::AutomationSession m_session;
    CDragDropTestDlg m_dlg;
};
