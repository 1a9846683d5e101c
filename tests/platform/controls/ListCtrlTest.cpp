// The list-view control in report view through CListCtrl and its messages:
// hit testing and scrolling in a short window, the selection by mouse with its
// mark.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "HostWnd.h"
#include "afxautomation.h"

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS;
constexpr int kRows = 20;

// Twenty rows in a window that shows five and a half of them.
class ListTest : public ::testing::Test {
protected:
    void SetUp() override { Build(kListStyle); }

    void Build(DWORD style) {
        ASSERT_TRUE(list.Create(style, CRect(0, 0, 200, 300), &host, 1033));
        list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        list.InsertColumn(0, "No", LVCFMT_LEFT, 40);
        list.InsertColumn(1, "Name", LVCFMT_CENTER, 120);
        for (int i = 0; i < kRows; ++i) {
            const std::string text = "row " + std::to_string(i);
            EXPECT_EQ(list.InsertItem(i, std::to_string(i).c_str()), i);
            list.SetItemText(i, 1, text.c_str());
        }
        list.GetItemRect(0, &first, LVIR_BOUNDS);
        rowHeight = first.Height();
        list.MoveWindow(0, 0, 200, first.top + 5 * rowHeight + rowHeight / 2);
        host.Clear();
    }

    CRect Row(int row) {
        CRect rect;
        EXPECT_TRUE(list.GetItemRect(row, &rect, LVIR_BOUNDS));
        return rect;
    }
    CPoint Inside(int row) { return CRect(Row(row)).CenterPoint(); }

    std::set<int> Selected() {
        std::set<int> rows;
        for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1;
             i = list.GetNextItem(i, LVNI_SELECTED)) {
            rows.insert(i);
        }
        return rows;
    }

    HostWnd host;
    CListCtrl list;
    CRect first;
    int rowHeight = 0;
};

TEST_F(ListTest, HitTestAndPagingFollowTheScrollPosition) {
    EXPECT_EQ(list.GetCountPerPage(), 5);
    EXPECT_EQ(list.GetTopIndex(), 0);
    // The lower five pixels of a row still name that row.
    for (int row : {0, 3, 4}) {
        const CRect rect = Row(row);
        for (int y = rect.bottom - 5; y < rect.bottom; ++y) {
            UINT flags = 0;
            EXPECT_EQ(list.HitTest(CPoint(10, y), &flags), row) << y;
            EXPECT_TRUE(flags & LVHT_ONITEM);
        }
    }
    UINT flags = 0;
    EXPECT_EQ(list.HitTest(CPoint(180, first.top + 2), &flags), -1);  // beyond the columns
    EXPECT_EQ(flags, static_cast<UINT>(LVHT_NOWHERE));

    // Scrolling moves by whole rows: half a row or more counts as one.
    ASSERT_TRUE(list.Scroll(CSize(0, 2 * rowHeight)));
    EXPECT_EQ(list.GetTopIndex(), 2);
    EXPECT_EQ(list.HitTest(CPoint(10, first.top + 1)), 2);
    EXPECT_EQ(Row(2).top, first.top);
    list.Scroll(CSize(0, rowHeight / 2 - 1));
    EXPECT_EQ(list.GetTopIndex(), 2);
    list.Scroll(CSize(0, (rowHeight + 1) / 2));
    EXPECT_EQ(list.GetTopIndex(), 3);

    ASSERT_TRUE(list.EnsureVisible(kRows - 1, FALSE));
    EXPECT_EQ(list.GetTopIndex(), kRows - 5);
    list.SendMessage(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(list.GetTopIndex(), kRows - 6);
    list.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(list.GetTopIndex(), kRows - 5);  // never past the last page
    list.EnsureVisible(1, FALSE);
    EXPECT_EQ(list.GetTopIndex(), 1);
    list.SendMessage(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(list.GetTopIndex(), 0);
}

TEST_F(ListTest, ClicksSelectAsWindowsDoesAndMoveTheSelectionMark) {
    afx::Click(list, Inside(2));
    EXPECT_EQ(Selected(), (std::set<int>{2}));
    EXPECT_EQ(list.GetSelectionMark(), 2);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);

    host.Clear();
    afx::Click(list, Inside(4), MK_CONTROL);
    EXPECT_EQ(Selected(), (std::set<int>{2, 4}));
    EXPECT_EQ(list.GetSelectionMark(), 4);
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    // Each change of a row's state is reported with the states before and after.
    bool reported = false;
    for (const Note& note : host.notes) {
        if (note.code == LVN_ITEMCHANGED && note.row == 4 && (note.newState & LVIS_SELECTED) &&
            !(note.oldState & LVIS_SELECTED)) {
            reported = true;
        }
    }
    EXPECT_TRUE(reported);

    afx::Click(list, Inside(3), MK_SHIFT);  // from the mark
    EXPECT_EQ(Selected(), (std::set<int>{3, 4}));
    EXPECT_EQ(list.GetSelectionMark(), 4);
    afx::Click(list, Inside(2), MK_CONTROL);
    afx::Click(list, Inside(2), MK_CONTROL);  // a second Ctrl+click takes the row out again
    EXPECT_EQ(Selected(), (std::set<int>{3, 4}));
    EXPECT_EQ(list.GetSelectionMark(), 2);

    // A plain click on a row of the selection leaves that row alone selected.
    afx::Click(list, Inside(4));
    EXPECT_EQ(Selected(), (std::set<int>{4}));
    // Below the last row nothing is hit and the selection goes.
    list.DeleteAllItems();
    list.InsertItem(0, "only");
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    afx::Click(list, CPoint(10, Row(0).bottom + 10));
    EXPECT_EQ(list.GetSelectedCount(), 0u);

    afx::DoubleClick(list, Inside(0));
    EXPECT_EQ(host.notes.back().code, static_cast<UINT>(NM_DBLCLK));
    EXPECT_EQ(host.notes.back().row, 0);
}

TEST_F(ListTest, TheSelectionMarkFollowsInsertionsAndDeletions) {
    EXPECT_EQ(list.GetSelectionMark(), -1);
    // Selecting a row while there is no mark makes it the mark.
    list.SetItemState(6, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetSelectionMark(), 6);
    EXPECT_EQ(list.SetSelectionMark(3), 6);
    list.InsertItem(0, "new");
    EXPECT_EQ(list.GetSelectionMark(), 4);
    list.DeleteItem(1);
    EXPECT_EQ(list.GetSelectionMark(), 3);
    list.DeleteItem(3);  // the mark's own row: it stays on the row now there
    EXPECT_EQ(list.GetSelectionMark(), 3);
    list.DeleteAllItems();
    EXPECT_EQ(list.GetSelectionMark(), -1);

    // Only one row holds the focus.
    for (int i = 0; i < 3; ++i) list.InsertItem(i, "x");
    list.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
    list.SetItemState(2, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(list.GetItemState(0, LVIS_FOCUSED), 0u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_ALL), 0);
    EXPECT_EQ(list.GetNextItem(2, LVNI_ALL), -1);

    // A single-selection list keeps one row.
    list.DestroyWindow();
    Build(kListStyle | LVS_SINGLESEL);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(Selected(), (std::set<int>{3}));
    afx::Click(list, Inside(4), MK_SHIFT);
    EXPECT_EQ(Selected(), (std::set<int>{4}));
}

}  // namespace
