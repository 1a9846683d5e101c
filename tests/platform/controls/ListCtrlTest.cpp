// The list-view control in report view through CListCtrl and its messages:
// columns, rows, hit testing and scrolling in a short window, the selection by
// mouse with its mark, the drop highlight as drawn, owner-drawn rows.
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

TEST_F(ListTest, ColumnsAndTextsAreKept) {
    EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 2);
    EXPECT_EQ(list.GetColumnWidth(0), 40);
    EXPECT_EQ(list.GetColumnWidth(1), 120);
    LVCOLUMN column{};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    ASSERT_TRUE(list.GetColumn(1, &column));
    EXPECT_EQ(column.fmt, LVCFMT_CENTER);
    EXPECT_EQ(list.GetItemCount(), kRows);
    EXPECT_EQ(std::string(list.GetItemText(7, 1)), "row 7");
    EXPECT_EQ(std::string(list.GetItemText(7, 0)), "7");
    EXPECT_EQ(std::string(list.GetItemText(7, 5)), "");
    // The whole row is one rectangle over all columns, under the header.
    EXPECT_EQ(first.left, 0);
    EXPECT_EQ(first.right, 160);
    EXPECT_GT(first.top, 0);
    EXPECT_EQ(Row(1).top, first.bottom);
    CPoint pos;
    ASSERT_TRUE(list.GetItemPosition(3, &pos));
    EXPECT_EQ(pos.y, Row(3).top);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(std::string(list.GetItemText(0, 1)), "row 1");
    EXPECT_FALSE(list.DeleteItem(kRows));
    ASSERT_EQ(host.Codes(), std::vector<UINT>{LVN_DELETEITEM});
    EXPECT_EQ(host.notes[0].row, 0);
}

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
    EXPECT_EQ(list.GetCountPerPage(), 5);
}

// Without full-row select a row is hit on its first column only; the
// sub-item test names the row and the column anywhere in the columns.
TEST_F(ListTest, TheWheelOverTheRowsScrollsByTheSystemsWheelLines) {
    const struct {
        int delta;
        int top;
    } turns[] = {{-WHEEL_DELTA, 3}, {-WHEEL_DELTA * 10, kRows - 5}, {WHEEL_DELTA * 2, kRows - 11}};
    for (const auto& turn : turns) {
        Wheel(list, Inside(list.GetTopIndex()), turn.delta);
        EXPECT_EQ(list.GetTopIndex(), turn.top) << turn.delta;
    }
}

// A focused list with no focused row shows the focus on its first visible
// row, or where the first row would stand when it is empty.
TEST_F(ListTest, AFocusedListWithoutAFocusedRowShowsWhereTheKeysStart) {
    for (const bool empty : {false, true}) {
        if (empty) list.DeleteAllItems();
        host.SetFocus();
        auto cue = [this] {
            const QImage image = Grab(list);
            int dark = 0;
            for (int x = first.left; x < first.right; ++x)
                dark += image.pixelColor(x, first.top).value() < 80;
            return dark;
        };
        EXPECT_EQ(cue(), 0) << empty;
        list.SetFocus();
        EXPECT_GT(cue(), 5) << empty;
        EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), -1);
    }
}

// A title that needs the header's margins gets them and shows whole.
TEST_F(ListTest, AColumnJustWideEnoughShowsItsWholeTitle) {
    HDC dc = ::GetDC(list);
    SIZE title{};
    ASSERT_TRUE(::GetTextExtentPoint32A(dc, "Name", 4, &title));
    ::ReleaseDC(list, dc);
    list.SetColumnWidth(1, title.cx + 2);
    const QImage image = Grab(list);
    const int right = list.GetColumnWidth(0) + title.cx + 2;  // the column's right edge
    int ink = 0;
    for (int y = 0; y < first.top; ++y) {
        for (int x = right - 5; x < right - 2; ++x) ink += image.pixelColor(x, y).value() < 160;
    }
    EXPECT_GT(ink, 0);
}

TEST_F(ListTest, TheSubItemTestCoversEveryColumnWithoutFullRowSelect) {
    list.SetExtendedStyle(list.GetExtendedStyle() & ~LVS_EX_FULLROWSELECT);
    const int y = Inside(2).y;
    const struct {
        int x;
        int row;     // LVM_HITTEST
        int subRow;  // LVM_SUBITEMHITTEST
        int subColumn;
    } cases[] = {
        {5, 2, 2, 0},       // first column's label
        {100, -1, 2, 1},    // second column
        {180, -1, -1, -1},  // beyond the columns
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(list.HitTest(CPoint(c.x, y)), c.row);
        LVHITTESTINFO info{};
        info.pt = {c.x, y};
        EXPECT_EQ(list.SubItemHitTest(&info), c.subRow);
        EXPECT_EQ(info.iItem, c.subRow);
        EXPECT_EQ(info.iSubItem, c.subColumn);
    }
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
    EXPECT_EQ(list.GetItemCount(), 0);

    // Only one row holds the focus.
    for (int i = 0; i < 3; ++i) list.InsertItem(i, "x");
    list.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
    list.SetItemState(2, LVIS_FOCUSED, LVIS_FOCUSED);
    EXPECT_EQ(list.GetItemState(0, LVIS_FOCUSED), 0u);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 2);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_ALL), 0);
    EXPECT_EQ(list.GetNextItem(2, LVNI_ALL), -1);
}

TEST_F(ListTest, ASingleSelectionListKeepsOneRow) {
    list.DestroyWindow();
    Build(kListStyle | LVS_SINGLESEL);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(Selected(), (std::set<int>{3}));
    afx::Click(list, Inside(4), MK_SHIFT);
    EXPECT_EQ(Selected(), (std::set<int>{4}));
}

TEST_F(ListTest, TheDropHighlightMarksExactlyOneRow) {
    auto marked = [this] {
        const QImage image = Grab(list);
        const QColor highlight = SysColour(COLOR_HIGHLIGHT);
        std::vector<int> rows;
        for (int row = 0; row < list.GetCountPerPage(); ++row) {
            const CRect rect = Row(row);
            if (Near(image.pixelColor(rect.right - 3, rect.top + 2), highlight))
                rows.push_back(row);
        }
        return rows;
    };
    EXPECT_TRUE(marked().empty());
    list.SetItemState(3, LVIS_DROPHILITED, LVIS_DROPHILITED);
    EXPECT_EQ(marked(), std::vector<int>{3});
    list.SetItemState(3, 0, LVIS_DROPHILITED);
    list.SetItemState(1, LVIS_DROPHILITED, LVIS_DROPHILITED);
    list.RedrawItems(1, 3);
    EXPECT_EQ(marked(), std::vector<int>{1});
    EXPECT_EQ(list.GetNextItem(-1, LVNI_DROPHILITED), 1);
}

// An owner-drawn list whose rows its owner measures and draws.
class OwnerDrawnList : public CListCtrl {
public:
    std::vector<UINT> drawn;
    void DrawItem(LPDRAWITEMSTRUCT draw) override {
        drawn.push_back(draw->itemID);
        CDC::FromHandle(draw->hDC)->FillSolidRect(&draw->rcItem, RGB(0, 200, 0));
    }
};

TEST(OwnerDrawnListTest, TheOwnerSetsTheRowHeightAndDrawsEachRow) {
    HostWnd host;
    host.measuredHeight = 22;
    OwnerDrawnList list;
    ASSERT_TRUE(list.Create(kListStyle | LVS_OWNERDRAWFIXED, CRect(0, 0, 200, 150), &host, 1079));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
    for (int i = 0; i < 3; ++i) list.InsertItem(i, "row");
    // The owner is asked again whenever the frame changes.
    list.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
    CRect rect;
    ASSERT_TRUE(list.GetItemRect(1, &rect, LVIR_BOUNDS));
    EXPECT_EQ(rect.Height(), 22);

    const QImage image = Grab(list);
    EXPECT_EQ(list.drawn.size() >= 3, true);
    EXPECT_TRUE(Near(image.pixelColor(rect.left + 5, rect.top + 5), QColor(0, 200, 0)));
}

// An owner-drawn list that answers its owner's measure request itself.
class SelfMeasuringList : public OwnerDrawnList {
public:
    UINT rowHeight = 0;
    int measured = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT measure) {
        ++measured;
        measure->itemHeight = rowHeight;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfMeasuringList, OwnerDrawnList)
ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

TEST(OwnerDrawnListTest, AReflectingListMeasuresItsOwnRowsWhenTheFrameChanges) {
    HostWnd host;  // leaves the request to the framework
    SelfMeasuringList list;
    ASSERT_TRUE(list.Create(kListStyle | LVS_OWNERDRAWFIXED, CRect(0, 0, 200, 150), &host, 1033));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 150);
    for (int i = 0; i < 3; ++i) list.InsertItem(i, "row");
    CRect before;
    ASSERT_TRUE(list.GetItemRect(1, &before, LVIR_BOUNDS));
    ASSERT_NE(before.Height(), 31);

    for (const UINT height : {31U, 17U}) {
        list.rowHeight = height;
        const int measured = list.measured;
        list.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
        EXPECT_EQ(list.measured, measured + 1);
        CRect rect;
        ASSERT_TRUE(list.GetItemRect(2, &rect, LVIR_BOUNDS));
        EXPECT_EQ(rect.Height(), static_cast<int>(height));
        const int firstRowTop = before.top - before.Height();
        EXPECT_EQ(rect.top, firstRowTop + 2 * static_cast<int>(height));
    }
}

}  // namespace
