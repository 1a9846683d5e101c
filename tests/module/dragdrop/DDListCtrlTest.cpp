#include <afxcodepage.h>

#include <optional>
#include <string>

#include "DragDropFixture.h"

namespace {

constexpr LPCSTR kOntoItself = "An item can't be dropped onto itself";

enum class Spot {
    Row,             // the middle of the row
    LowerEdge,       // the top pixel of the row's lowest 5
    BelowLastRow,    // empty space below the last row, or the top of an empty list
    RightOfColumns,  // beside the row, right of the last column
    Header,          // above the first visible row
};

// A client point of the list at the spot of a row; the places between the
// drop targets lie a few pixels beside them.
CPoint SpotPoint(const CListCtrl& list, Spot spot, int nRow) {
    if (spot == Spot::Row) return RowPoint(list, nRow);
    if (spot == Spot::BelowLastRow) return EndPoint(list);
    CRect rcRow;
    list.GetItemRect(nRow, &rcRow, LVIR_BOUNDS);
    if (spot == Spot::LowerEdge) return {RowPoint(list, nRow).x, rcRow.bottom - 5};
    if (spot == Spot::RightOfColumns) return {rcRow.right + 10, rcRow.CenterPoint().y};
    CPoint ptTop;
    list.GetItemPosition(list.GetTopIndex(), &ptTop);
    return {rcRow.left + 10, ptTop.y - 8};
}

bool AnyRowHighlighted(const CListCtrl& list) {
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow) {
        if (list.GetItemState(nRow, LVIS_DROPHILITED) != 0) return true;
    }
    return false;
}

// Rows dragged within their list report the first dragged row and the
// insertion index, unless they land on their own block; a screen from a tree
// reports the insertion index alone.
TEST_F(DragDrop, DropsOnAListReportTheInsertionIndex) {
    struct Case {
        const char* name;
        std::vector<int> rows;  // selected, dragged by the first; none: a screen of the menu tree
        int nRowCount;          // rows of the list (the rest are deleted)
        int nTopIndex;          // row scrolled to the top
        Spot spot;
        int nSpotRow;
        std::optional<int> expectedIndex;  // the insertion index, if a message is sent
        bool bRefusedOntoItself = false;
    };
    constexpr std::optional<int> kNone;
    const Case cases[] = {
        {"a row onto a later row", {2}, 20, 0, Spot::Row, 5, 5},
        {"the lower 5 pixels name the next row", {2}, 20, 0, Spot::LowerEdge, 5, 6},
        {"rows 2 to 4 onto row 5", {2, 3, 4}, 20, 0, Spot::Row, 5, 5},
        {"rows 2 to 4 onto row 0", {2, 3, 4}, 20, 0, Spot::Row, 0, 0},
        {"rows 2 to 4, lower edge of row 1", {2, 3, 4}, 20, 0, Spot::LowerEdge, 1, kNone, true},
        {"rows 2 to 4 onto row 3", {2, 3, 4}, 20, 0, Spot::Row, 3, kNone, true},
        {"rows 2 to 4 onto row 4", {2, 3, 4}, 20, 0, Spot::Row, 4, kNone, true},
        {"rows 1 and 5 span the block 1 to 5", {1, 5}, 20, 0, Spot::Row, 3, kNone, true},
        {"below the last row", {0}, 4, 0, Spot::BelowLastRow, 0, 4},
        {"a block ending at the last row, below it", {2, 3}, 4, 0, Spot::BelowLastRow, 0, 4},
        {"between rows, beside the columns", {2}, 20, 0, Spot::RightOfColumns, 4, kNone},
        {"above the first row shown of a scrolled list", {12}, 20, 10, Spot::Header, 10, 0},
        {"a screen onto row 2", {}, 20, 0, Spot::Row, 2, 2},
        {"a screen onto the lower edge of row 2", {}, 20, 0, Spot::LowerEdge, 2, 3},
        {"a screen between rows", {}, 20, 0, Spot::RightOfColumns, 2, kNone},
        {"a screen onto an empty list", {}, 0, 0, Spot::BelowLastRow, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDragDropTestDlg dlg;
        afx::ClearMessageBoxRecords();
        dlg.Run([&] {
            CDDListCtrl& list = dlg.m_listTool;
            while (list.GetItemCount() > c.nRowCount) list.DeleteItem(list.GetItemCount() - 1);
            if (c.nRowCount > 0) {
                list.EnsureVisible(list.GetItemCount() - 1, FALSE);
                list.EnsureVisible(c.nTopIndex, FALSE);
                ASSERT_EQ(list.GetTopIndex(), c.nTopIndex);
            }
            std::vector<Received> expected;
            if (c.rows.empty()) {
                EXPECT_TRUE(Drag({&dlg.m_treeMenu, ItemPoint(dlg.m_treeMenu, dlg.m_hBalance)}, {},
                                 {&list, SpotPoint(list, c.spot, c.nSpotRow)}));
                if (c.expectedIndex)
                    expected.push_back(
                        {UM_DROPPED_ON_LIST, static_cast<WPARAM>(*c.expectedIndex), 0, ""});
            } else {
                SelectRows(list, c.rows);
                EXPECT_TRUE(Drag({&list, RowPoint(list, c.rows.front())}, {},
                                 {&list, SpotPoint(list, c.spot, c.nSpotRow)}));
                if (c.expectedIndex)
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

TEST_F(DragDrop, LeavingAListTakesItsHighlightAway) {
    m_dlg.Run([&] {
        CDDListCtrl& list = m_dlg.m_listTool;
        EXPECT_TRUE(Drag({&m_dlg.m_treeMenu, ItemPoint(m_dlg.m_treeMenu, m_dlg.m_hBalance)},
                         {{&list, RowPoint(list, 3)}},
                         {&m_dlg.m_treeGroup, ItemPoint(m_dlg.m_treeGroup, m_dlg.m_hGroup1)},
                         true));
        EXPECT_FALSE(AnyRowHighlighted(list));
        EXPECT_TRUE(m_dlg.m_received.empty());
    });
}

// 300 ms to the first line, then a line each 100 ms, while the cursor rests
// within 10 pixels of the top or the bottom; the drop stops the timer. The
// rest lasts long enough that a loaded machine still sees the first line.
TEST_F(DragDrop, TimerScrollsTheListWhileTheCursorRestsNearAnEdge) {
    const struct {
        const char* name;
        BOOL bAutoScroll;
        bool bBottom;
        int nMinLines, nMaxLines;
    } cases[] = {{"bottom zone", TRUE, true, 1, 10},
                 {"top zone", TRUE, false, -10, -1},
                 {"switched off", FALSE, true, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CDragDropTestDlg dlg;
        dlg.Run([&] {
            CDDListCtrl& list = dlg.m_listTool;
            list.m_bAutoScroll = c.bAutoScroll;
            const int nStartTop = c.bBottom ? 0 : 10;
            list.EnsureVisible(list.GetItemCount() - 1, FALSE);
            list.EnsureVisible(nStartTop, FALSE);
            CRect rcClient;
            list.GetClientRect(&rcClient);
            const CPoint rest = ToScreen(list, CPoint(20, c.bBottom ? rcClient.bottom - 5 : 5));
            const auto path = {afx::DragStep::MoveTo(rest), afx::DragStep::MoveTo(rest),
                               afx::DragStep::Wait(1200), afx::DragStep::Release()};
            afx::DragFrom(dlg.m_treeMenu, ItemPoint(dlg.m_treeMenu, dlg.m_hBalance), path);
            EXPECT_GE(list.GetTopIndex() - nStartTop, c.nMinLines);
            EXPECT_LE(list.GetTopIndex() - nStartTop, c.nMaxLines);
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
    enum Input { Type, Set };  // typed key by key, or set whole (beyond the editor's limit)
    struct Case {
        const char* name;
        Input input;
        CString strInput;
        std::optional<CString> sent;  // text of UM_SHORT_NAME_EDITED and the row's new short name
        LPCSTR pszBox;
        CString strBefore = "OLD";  // the row's short name before the edit
        UINT nEndKey = VK_RETURN;
    };
    const std::optional<CString> kNo;
    const Case cases[] = {
        {"8 Latin letters", Type, "ABCDEFGH", CString("ABCDEFGH"), nullptr},
        {"typing stops at 8 bytes", Type, "ABCDEFGHI", CString("ABCDEFGH"), nullptr},
        {"9 letters", Set, "ABCDEFGHI", kNo, kTooLong},
        {"4 Korean characters", Type, Cp949("현재가격"), Cp949("현재가격"), nullptr},
        {"5 Korean characters", Set, Cp949("현재가격표"), kNo, kTooLong},
        {"blanks only", Type, "   ", kNo, kTooLong},
        {"blanks around are trimmed first", Set, "  ABCDEFGH  ", CString("ABCDEFGH"), nullptr},
        {"a colon", Type, "A:B", kNo, kBadCharacters},
        {"a colon in a name too long", Set, "ABCDEFGHIJ:", kNo, kBadCharacters},
        {"a comma", Type, "A,B", kNo, kBadCharacters},
        {"a backslash", Type, "A\\B", kNo, kBadCharacters},
        {"a vertical bar", Type, "A|B", kNo, kBadCharacters},
        {"Escape on an empty name", Type, "AB", kNo, kEnterName, "", VK_ESCAPE},
        {"Escape on a name", Type, "AB", kNo, nullptr, "OLD", VK_ESCAPE},
    };
    constexpr int nRow = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDragDropTestDlg dlg;
        afx::ClearMessageBoxRecords();
        dlg.Run([&] {
            CDDListCtrl& list = dlg.m_listTool;
            list.SetItemText(nRow, 2, c.strBefore);
            ClickRow(list, nRow);
            ClickCell(list, nRow, 2);
            CEdit* pEditor = Editor(list);
            ASSERT_NE(pEditor, nullptr);
            EXPECT_EQ(pEditor->GetLimitText(), 8u);
            pEditor->SetWindowText("");
            if (c.input == Type) {
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
        ClickCell(tool, 1, 1);
        ClickCell(tool, 1, 1);
        EXPECT_EQ(Editor(tool), nullptr);
        EXPECT_EQ(tool.GetSelectionMark(), 1);

        // A column too narrow to type in.
        tool.SetColumnWidth(2, 9);
        ClickCell(tool, 1, 2);
        EXPECT_EQ(Editor(tool), nullptr);
        EXPECT_EQ(tool.EditSubLabel(1, 3, "X"), nullptr);

        // A list without editing.
        tool.SetColumnWidth(2, 80);
        tool.m_bEditable = FALSE;
        ClickCell(tool, 1, 2);
        EXPECT_EQ(Editor(tool), nullptr);
    });
    EXPECT_TRUE(m_dlg.m_received.empty());
    EXPECT_TRUE(BoxTexts().empty());
}

}  // namespace
