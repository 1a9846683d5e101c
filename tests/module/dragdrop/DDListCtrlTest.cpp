#include <afxcodepage.h>

#include <optional>
#include <string>

#include "DragDropFixture.h"

namespace {

constexpr LPCSTR kOntoItself = "An item can't be dropped onto itself";

enum class Spot {
    Row,             // the middle of the row
    LowerEdge,       // 3 pixels above the row's bottom
    BelowLastRow,    // empty space below the last row
    RightOfColumns,  // beside the row, right of the last column
    Header,          // above the first visible row
};

// A client point of the list at the spot of a row.
CPoint SpotPoint(const CListCtrl& list, Spot spot, int nRow) {
    CRect rcRow;
    list.GetItemRect(nRow, &rcRow, LVIR_BOUNDS);
    switch (spot) {
        case Spot::Row:
            return {rcRow.left + 10, rcRow.CenterPoint().y};
        case Spot::LowerEdge:
            return {rcRow.left + 10, rcRow.bottom - 3};
        case Spot::BelowLastRow: {
            CRect rcLast;
            list.GetItemRect(list.GetItemCount() - 1, &rcLast, LVIR_BOUNDS);
            return {rcLast.left + 10, rcLast.bottom + 8};
        }
        case Spot::RightOfColumns:
            return {rcRow.right + 10, rcRow.CenterPoint().y};
        case Spot::Header: {
            CPoint ptTop;
            list.GetItemPosition(list.GetTopIndex(), &ptTop);
            return {rcRow.left + 10, ptTop.y - 8};
        }
    }
    return {};
}

bool AnyRowHighlighted(const CListCtrl& list) {
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow) {
        if (list.GetItemState(nRow, LVIS_DROPHILITED) != 0) return true;
    }
    return false;
}

TEST_F(DragDrop, RowsDroppedOnTheirOwnListReportFirstRowAndInsertionIndex) {
    struct Case {
        const char* name;
        std::vector<int> rows;  // selected, dragged by the first
        int nRowCount;          // rows of the list (the rest are deleted)
        int nTopIndex;          // row scrolled to the top
        Spot spot;
        int nSpotRow;
        std::optional<int> expectedIndex;  // UM_LIST_ITEMS_MOVED's lParam, if sent
        bool bRefusedOntoItself;
    };
    const Case cases[] = {
        {"a row onto a later row", {2}, 20, 0, Spot::Row, 5, 5, false},
        {"the lower 5 pixels name the next row", {2}, 20, 0, Spot::LowerEdge, 5, 6, false},
        {"rows 2 to 4 onto row 5", {2, 3, 4}, 20, 0, Spot::Row, 5, 5, false},
        {"rows 2 to 4 onto row 0", {2, 3, 4}, 20, 0, Spot::Row, 0, 0, false},
        {"rows 2 to 4 onto row 3", {2, 3, 4}, 20, 0, Spot::Row, 3, std::nullopt, true},
        {"the lower edge of row 1 is row 2 of the block",
         {2, 3, 4},
         20,
         0,
         Spot::LowerEdge,
         1,
         std::nullopt,
         true},
        {"rows 1 and 5 span the block 1 to 5", {1, 5}, 20, 0, Spot::Row, 3, std::nullopt, true},
        {"below the last row", {0}, 4, 0, Spot::BelowLastRow, 0, 4, false},
        {"a block ending at the last row, below it", {2, 3}, 4, 0, Spot::BelowLastRow, 0, 4, false},
        {"between rows, beside the columns",
         {2},
         20,
         0,
         Spot::RightOfColumns,
         4,
         std::nullopt,
         false},
        {"above the first visible row of a scrolled list",
         {12},
         20,
         10,
         Spot::Header,
         10,
         0,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDragDropTestDlg dlg;
        afx::ClearMessageBoxRecords();
        dlg.Run([&] {
            CDDListCtrl& list = dlg.m_listTool;
            while (list.GetItemCount() > c.nRowCount) list.DeleteItem(list.GetItemCount() - 1);
            list.EnsureVisible(list.GetItemCount() - 1, FALSE);
            list.EnsureVisible(c.nTopIndex, FALSE);
            ASSERT_EQ(list.GetTopIndex(), c.nTopIndex);
            SelectRows(list, c.rows);

            EXPECT_TRUE(afx::DragFrom(list, RowPoint(list, c.rows.front()),
                                      DropPath({{&list, SpotPoint(list, c.spot, c.nSpotRow)}})));

            std::vector<Received> expected;
            if (c.expectedIndex) {
                expected.push_back({UM_LIST_ITEMS_MOVED, static_cast<WPARAM>(c.rows.front()),
                                    *c.expectedIndex, ""});
            }
            EXPECT_EQ(dlg.m_received, expected);
            EXPECT_EQ(BoxTexts(), c.bRefusedOntoItself ? std::vector<CString>{kOntoItself}
                                                       : std::vector<CString>{});
            EXPECT_FALSE(AnyRowHighlighted(list));
        });
        if (c.bRefusedOntoItself) {
            // The framework's own box: OK only, the application's title as caption.
            ASSERT_EQ(afx::MessageBoxRecords().size(), 1u);
            EXPECT_EQ(afx::MessageBoxRecords()[0].type, static_cast<UINT>(MB_OK));
        }
    }
}

TEST_F(DragDrop, ScreensDroppedOnAListReportTheInsertionIndex) {
    struct Case {
        const char* name;
        UINT nListId;
        Spot spot;
        int nSpotRow;
        std::optional<int> expectedIndex;  // UM_DROPPED_ON_LIST's wParam, if sent
    };
    const Case cases[] = {
        {"onto row 2", CDragDropTestDlg::IDC_TOOL_LIST, Spot::Row, 2, 2},
        {"onto the lower edge of row 2", CDragDropTestDlg::IDC_TOOL_LIST, Spot::LowerEdge, 2, 3},
        {"between rows", CDragDropTestDlg::IDC_TOOL_LIST, Spot::RightOfColumns, 2, std::nullopt},
        {"onto an empty list", CDragDropTestDlg::IDC_LINK_LIST, Spot::Row, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDragDropTestDlg dlg;
        dlg.Run([&] {
            CDDListCtrl& list =
                c.nListId == CDragDropTestDlg::IDC_TOOL_LIST ? dlg.m_listTool : dlg.m_listLink;
            CRect rcClient;
            list.GetClientRect(&rcClient);
            const CPoint point =
                c.nSpotRow < 0 ? rcClient.CenterPoint() : SpotPoint(list, c.spot, c.nSpotRow);
            EXPECT_TRUE(afx::DragFrom(dlg.m_treeMenu, ItemPoint(dlg.m_treeMenu, dlg.m_hBalance),
                                      DropPath({{&list, point}})));
            std::vector<Received> expected;
            if (c.expectedIndex) {
                expected.push_back(
                    {UM_DROPPED_ON_LIST, static_cast<WPARAM>(*c.expectedIndex), 0, ""});
            }
            EXPECT_EQ(dlg.m_received, expected);
            EXPECT_FALSE(AnyRowHighlighted(list));
        });
    }
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(DragDrop, ListWithoutSelfDropsRefusesItsOwnRows) {
    m_dlg.Run([&] {
        CDDListCtrl& list = m_dlg.m_listTool;
        list.m_bAllowSelfDrop = FALSE;
        SelectRows(list, {2});
        const std::vector<afx::DragStep> path = Over(list, RowPoint(list, 6));
        EXPECT_TRUE(afx::DragFrom(list, RowPoint(list, 2), {path[0], path[1]}));
        // The path ended without a release: the drag is cancelled, showing
        // the no-drop cursor to the last.
        EXPECT_EQ(afx::DragFeedback(), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
        EXPECT_TRUE(afx::DragFrom(list, RowPoint(list, 2), DropPath({{&list, RowPoint(list, 6)}})));
        EXPECT_TRUE(m_dlg.m_received.empty());
        EXPECT_FALSE(AnyRowHighlighted(list));
    });
}

TEST_F(DragDrop, LeavingAListTakesItsHighlightAway) {
    m_dlg.Run([&] {
        CDDListCtrl& list = m_dlg.m_listTool;
        std::vector<afx::DragStep> path = Over(list, RowPoint(list, 3));
        const std::vector<afx::DragStep> away =
            Over(m_dlg.m_treeGroup, ItemPoint(m_dlg.m_treeGroup, m_dlg.m_hGroup1));
        path.insert(path.end(), away.begin(), away.end());
        path.push_back(afx::DragStep::Escape());
        EXPECT_TRUE(
            afx::DragFrom(m_dlg.m_treeMenu, ItemPoint(m_dlg.m_treeMenu, m_dlg.m_hBalance), path));
        EXPECT_FALSE(AnyRowHighlighted(list));
        EXPECT_TRUE(m_dlg.m_received.empty());
    });
}

TEST_F(DragDrop, TimerScrollsTheListWhileTheCursorRestsNearAnEdge) {
    struct Case {
        const char* name;
        BOOL bAutoScroll;
        bool bBottom;
    };
    const Case cases[] = {
        {"bottom zone", TRUE, true},
        {"top zone", TRUE, false},
        {"switched off", FALSE, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDragDropTestDlg dlg;
        dlg.Run([&] {
            CDDListCtrl& list = dlg.m_listTool;
            list.m_bAutoScroll = c.bAutoScroll;
            const int nStartTop = c.bBottom ? 0 : 10;
            list.EnsureVisible(list.GetItemCount() - 1, FALSE);
            list.EnsureVisible(nStartTop, FALSE);
            ASSERT_EQ(list.GetTopIndex(), nStartTop);
            CRect rcClient;
            list.GetClientRect(&rcClient);
            const CPoint ptEdge(20, c.bBottom ? rcClient.bottom - 5 : 5);
            std::vector<afx::DragStep> path = Over(list, ptEdge);
            // 300 ms to the first line, then a line each 100 ms.
            path.push_back(afx::DragStep::Wait(650));
            path.push_back(afx::DragStep::Release());  // the drop stops the timer
            afx::DragFrom(dlg.m_treeMenu, ItemPoint(dlg.m_treeMenu, dlg.m_hBalance), path);
            const int nLines = list.GetTopIndex() - nStartTop;
            if (!c.bAutoScroll) {
                EXPECT_EQ(nLines, 0);
            } else if (c.bBottom) {
                EXPECT_GE(nLines, 1);
                EXPECT_LE(nLines, 4);
            } else {
                EXPECT_LE(nLines, -1);
                EXPECT_GE(nLines, -4);
            }
        });
    }
}

// --- Short names edited in place ---------------------------------------------

CString Cp949(const char* pszUtf8) {
    return afx::Utf8ToCp949(pszUtf8);
}

constexpr LPCSTR kBadCharacters = "<,>, <\\> cannot be used for name editing.";
constexpr LPCSTR kTooLong = "It is possble to edit up to 8 letters for English.";
constexpr LPCSTR kEnterName = "Please enter the shortcut name.";

CEdit* Editor(const CListCtrl& list) {
    return static_cast<CEdit*>(list.GetDlgItem(1002));
}

TEST_F(DragDrop, ShortNamesAreCheckedBeforeTheDialogHearsOfThem) {
    enum class Input { Type, Set };  // typed key by key, or set whole (beyond the editor's limit)
    struct Case {
        const char* name;
        CString strBefore;  // the row's short name before the edit
        Input input;
        CString strInput;
        UINT nEndKey;
        std::optional<CString> sent;  // text of UM_SHORT_NAME_EDITED and the row's new short name
        LPCSTR pszBox;
    };
    const Case cases[] = {
        {"8 Latin letters", "OLD", Input::Type, "ABCDEFGH", VK_RETURN, CString("ABCDEFGH"),
         nullptr},
        {"typing stops at 8 bytes", "OLD", Input::Type, "ABCDEFGHI", VK_RETURN, CString("ABCDEFGH"),
         nullptr},
        {"9 letters", "OLD", Input::Set, "ABCDEFGHI", VK_RETURN, std::nullopt, kTooLong},
        {"4 Korean characters", "OLD", Input::Type, Cp949("현재가격"), VK_RETURN, Cp949("현재가격"),
         nullptr},
        {"5 Korean characters", "OLD", Input::Set, Cp949("현재가격표"), VK_RETURN, std::nullopt,
         kTooLong},
        {"blanks only", "OLD", Input::Type, "   ", VK_RETURN, std::nullopt, kTooLong},
        {"blanks around are trimmed first", "OLD", Input::Set, "  ABCDEFGH  ", VK_RETURN,
         CString("ABCDEFGH"), nullptr},
        {"a colon", "OLD", Input::Type, "A:B", VK_RETURN, std::nullopt, kBadCharacters},
        {"a colon in a name too long", "OLD", Input::Set, "ABCDEFGHIJ:", VK_RETURN, std::nullopt,
         kBadCharacters},
        {"a comma", "OLD", Input::Type, "A,B", VK_RETURN, std::nullopt, kBadCharacters},
        {"a backslash", "OLD", Input::Type, "A\\B", VK_RETURN, std::nullopt, kBadCharacters},
        {"a vertical bar", "OLD", Input::Type, "A|B", VK_RETURN, std::nullopt, kBadCharacters},
        {"Escape on an empty name", "", Input::Type, "AB", VK_ESCAPE, std::nullopt, kEnterName},
        {"Escape on a name", "OLD", Input::Type, "AB", VK_ESCAPE, std::nullopt, nullptr},
    };
    constexpr int nRow = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDragDropTestDlg dlg;
        afx::ClearMessageBoxRecords();
        dlg.Run([&] {
            CDDListCtrl& list = dlg.m_listTool;
            list.SetItemText(nRow, 2, c.strBefore);
            afx::Click(list, RowPoint(list, nRow));
            afx::Click(list, CellPoint(list, nRow, 2));
            CEdit* pEditor = Editor(list);
            ASSERT_NE(pEditor, nullptr);
            EXPECT_EQ(pEditor->GetLimitText(), 8u);
            pEditor->SetWindowText("");
            if (c.input == Input::Type) {
                afx::TypeText(c.strInput);
            } else {
                pEditor->SetWindowText(c.strInput);
            }
            afx::PressKey(c.nEndKey);

            EXPECT_EQ(Editor(list), nullptr);
            std::vector<Received> expected;
            if (c.sent) expected.push_back({UM_SHORT_NAME_EDITED, nRow, 0, *c.sent});
            // The pointer is valid only during the call; compare the rest.
            for (Received& r : dlg.m_received) r.lParam = 0;
            EXPECT_EQ(dlg.m_received, expected);
            EXPECT_EQ(list.GetItemText(nRow, 2), c.sent.value_or(c.strBefore));
            EXPECT_EQ(afx::TopModalWindow(), dlg.m_hWnd);
            if (c.pszBox == nullptr) {
                EXPECT_TRUE(BoxTexts().empty());
            } else {
                ExpectOneNotice(c.pszBox, list);
            }
        });
    }
}

TEST_F(DragDrop, OnlyTheShortNameColumnOfAnEditableListOpensAnEditor) {
    m_dlg.Run([&] {
        CDDListCtrl& tool = m_dlg.m_listTool;
        afx::Click(tool, CellPoint(tool, 1, 1));
        afx::Click(tool, CellPoint(tool, 1, 1));
        EXPECT_EQ(Editor(tool), nullptr);
        EXPECT_EQ(tool.GetSelectionMark(), 1);

        // A column too narrow to type in.
        tool.SetColumnWidth(2, 9);
        afx::Click(tool, CellPoint(tool, 1, 2));
        EXPECT_EQ(Editor(tool), nullptr);
        EXPECT_EQ(tool.EditSubLabel(1, 3, "X"), nullptr);

        // A list without editing.
        CDDListCtrl& link = m_dlg.m_listLink;
        link.InsertItem(0, "00");
        link.SetItemText(0, 2, "S00");
        afx::Click(link, CellPoint(link, 0, 2));
        afx::Click(link, CellPoint(link, 0, 2));
        EXPECT_EQ(Editor(link), nullptr);
    });
    EXPECT_TRUE(m_dlg.m_received.empty());
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(DragDrop, ExtendedHitTestNamesRowAndColumn) {
    m_dlg.Run([&] {
        CDDListCtrl& list = m_dlg.m_listTool;
        CRect rcRow;
        list.GetItemRect(2, &rcRow, LVIR_BOUNDS);
        const int y = rcRow.CenterPoint().y;
        struct Case {
            int x;
            int nRow;
            int nCol;
        };
        // Columns are 40, 100 and 80 pixels wide; a border pixel belongs to the left column.
        const Case cases[] = {
            {rcRow.left + 1, 2, 0},    {rcRow.left + 40, 2, 0},  {rcRow.left + 41, 2, 1},
            {rcRow.left + 140, 2, 1},  {rcRow.left + 141, 2, 2}, {rcRow.left + 219, 2, 2},
            {rcRow.left + 230, -1, 0},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.x - rcRow.left);
            int nCol = -7;
            EXPECT_EQ(list.HitTestEx(CPoint(c.x, y), &nCol), c.nRow);
            if (c.nRow != -1) {
                EXPECT_EQ(nCol, c.nCol);
            }
        }
    });
}

}  // namespace
