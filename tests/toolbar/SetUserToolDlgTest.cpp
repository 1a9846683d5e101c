// The dialog as a window: what it is made from, what it shows when it opens,
// its list columns, keys, colours and how it ends.
#include <afxcodepage.h>

#include "DialogDriver.h"
#include "ToolbarDialogFixture.h"
#include "menutree/FindScreenItem.h"
#include "dragdrop/DragDropMessages.h"

namespace {

using Window = ToolbarDialog;

using driver::TreeLines;

TEST_F(Window, PathsUseBackslashesAndTheIdentifierWithoutTrailingBlanks) {
    CTestToolDlg dlg(&m_menu, "C:\\Users\\kim", "kim01 \t ", "", &m_index);
    EXPECT_EQ(dlg.m_strUserFile, "C:\\Users\\kim\\ToolBar_kim01.ini");
    EXPECT_EQ(dlg.m_strDefaultFile, "C:\\Users\\kim\\Toolbar.ini");
    EXPECT_FALSE(dlg.m_bModified);
}

// Hidden nodes stay out everywhere, separators below the first level only;
// screens below the first level show their number.
TEST_F(Window, MenuTreeFollowsTheMenuAndPreselectsTheLaunchScreen) {
    WriteToolbars({{"G1", 1001, 2}});
    std::vector<std::string> lines;
    Run([&] { lines = TreeLines(Dlg().m_treeMenu); }, "0a61");
    std::vector<std::string> expected = {
        "Halvane VORK Menu img=1 + open",
        "  Quotes img=2 + open",
        "    Current price(0101) img=4",
        "    Order book(0102) img=5",
        "    Deep img=2 + open",
        "      Deep screen(0A61) img=4 sel",
        "  Many img=2 +",
    };
    for (int n = 1001; n <= 1032; ++n) {
        expected.push_back("    Screen " + std::to_string(n) + "(" + std::to_string(n) + ") img=4");
    }
    expected.push_back("  Top screen img=4");
    expected.push_back("  SEPARATOR img=2");
    expected.push_back("  Empty img=2");
    expected.push_back("Favorites img=2 +");
    EXPECT_EQ(lines, expected);
}

// The search follows the tree whatever is open, ignores letter case, and an
// item without a node ends the walk over its siblings only.
TEST_F(Window, FindScreenItemWalksTheWholeTreeUpToItemsWithoutANode) {
    CMenuNode odd;
    odd.m_nKind = MENU_NODE_FOLDER;
    CMenuNode hidden;
    hidden.m_nKind = MENU_NODE_SCREEN;
    hidden.m_pScreen = std::make_unique<CScreenRecord>();
    hidden.m_pScreen->m_strScreenNo = "7777";
    Run([&] {
        CTreeCtrl& tree = Dlg().m_treeMenu;
        const HTREEITEM hRoot = tree.GetRootItem();
        // First under the root: a folder whose first child carries no node.
        const HTREEITEM hOdd =
            tree.InsertItem(TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN, "Odd", 0, 0, 0, 0,
                            reinterpret_cast<LPARAM>(&odd), hRoot, TVI_FIRST);
        tree.InsertItem("No node", hOdd);
        tree.InsertItem(TVIF_TEXT | TVIF_PARAM, "Hidden(7777)", 0, 0, 0, 0,
                        reinterpret_cast<LPARAM>(&hidden), hOdd, TVI_LAST);
        TVITEM item{};
        item.mask = TVIF_CHILDREN;
        item.hItem = hOdd;
        item.cChildren = 1;
        tree.SetItem(&item);

        const struct {
            HTREEITEM hStart;
            LPCSTR pszScreenNo;
            HTREEITEM hFound;
        } cases[] = {
            {hRoot, "0a61", MenuItem({"Quotes", "Deep", "Deep screen(0A61)"})},
            {hRoot, "0101", MenuItem({"Quotes", "Current price(0101)"})},
            {hRoot, "0900", MenuItem({"Top screen"})},
            {hRoot, "7777", nullptr},
            {hOdd, "7777", nullptr},
            {MenuItem({"Many"}), "0101", nullptr},
            {hRoot, "", nullptr},
            {MenuItem({"Top screen"}), "0900", nullptr},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.pszScreenNo);
            EXPECT_EQ(FindScreenItem(tree, c.hStart, c.pszScreenNo), c.hFound);
        }
    });
}

TEST_F(Window, WithoutALaunchScreenOnlyTheRootOpensAndNothingIsSelected) {
    for (LPCSTR pszScreenNo : {"", "9999"}) {
        SCOPED_TRACE(pszScreenNo);
        std::vector<std::string> lines;
        Run([&] { lines = TreeLines(Dlg().m_treeMenu); }, pszScreenNo);
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[0], "Halvane VORK Menu img=1 + open");
        EXPECT_EQ(lines[1], "  Quotes img=2 +");
        for (const std::string& line : lines) EXPECT_EQ(line.find(" sel"), std::string::npos);
    }
}

TEST_F(Window, GroupTreeShowsTheGroupsAndTheFirstGroupsScreens) {
    WriteToolbars({{"G1", 1001, 3}, {"G2", 1010, 2}});
    Run([&] {
        const std::string strRoot = afx::Utf8ToCp949("도구 아이콘 그룹목록");
        EXPECT_EQ(
            TreeLines(Dlg().m_treeGroup),
            (std::vector<std::string>{strRoot + " img=1 + open", "  G1 img=2 sel", "  G2 img=2"}));
        EXPECT_EQ(ListScreens(), Numbers(1001, 3));
        EXPECT_EQ(ListSelection(), std::vector<int>{0});
        EXPECT_EQ(Dlg().m_hCurGroup, GroupItem("G1"));
        EXPECT_FALSE(Dlg().GetDlgItem(IDC_PREV_HIT)->IsWindowEnabled());
        EXPECT_FALSE(Dlg().GetDlgItem(IDC_NEXT_HIT)->IsWindowEnabled());
        EXPECT_TRUE(Dlg().GetDlgItem(IDC_SEARCH)->IsWindowEnabled());
        const DWORD dwStyle = Dlg().m_listTool.GetExtendedStyle();
        EXPECT_EQ(dwStyle & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
                  static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT));
    });
    EXPECT_TRUE(Boxes().empty());
}

// The columns share the list's client width in sevenths.
TEST_F(Window, ListColumnsFollowTheClientWidth) {
    const struct {
        int nClient;
        int nWidths[3];
    } cases[] = {{140, {30, 70, 40}}, {100, {21, 49, 30}}, {146, {30, 70, 46}}};
    Run([&] {
        CListCtrl& list = Dlg().m_listTool;
        CRect rcWindow, rcClient;
        list.GetWindowRect(&rcWindow);
        list.GetClientRect(&rcClient);
        const int nFrame = rcWindow.Width() - rcClient.Width();
        for (const auto& c : cases) {
            SCOPED_TRACE(c.nClient);
            list.SetWindowPos(nullptr, 0, 0, c.nClient + nFrame, rcWindow.Height(),
                              SWP_NOMOVE | SWP_NOZORDER);
            for (int nCol = 2; nCol >= 0; --nCol) list.DeleteColumn(nCol);
            Dlg().InsertListColumns();
            for (int nCol = 0; nCol < 3; ++nCol) {
                EXPECT_EQ(list.GetColumnWidth(nCol), c.nWidths[nCol]) << nCol;
            }
        }
    });
}

// Escape never closes the dialog, Enter never presses Save; Cancel ends it
// at once, changes or not.
TEST_F(Window, KeysLeaveTheDialogOpenAndCancelEndsItWithoutAsking) {
    WriteToolbars({{"G1", 1001, 3}});
    bool bOpen = false;
    EXPECT_EQ(RunToEnd([&] {
                  for (int nID : {IDC_SEARCH_TEXT, IDC_TOOL_LIST, IDC_GROUP_TREE, IDC_MENU_TREE}) {
                      CWnd* pControl = Dlg().GetDlgItem(nID);
                      PressKeyIn(*pControl, VK_ESCAPE);
                      PressKeyIn(*pControl, VK_RETURN);
                  }
                  bOpen = Dlg().IsWindowVisible() != FALSE;
                  SelectRows({1});
                  ClickButton(IDC_DELETE_SCREEN);
                  ClickButton(IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_TRUE(bOpen);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Window, SaveWithoutChangesEndsWithOk) {
    WriteToolbars({{"G1", 1001, 3}});
    EXPECT_EQ(RunToEnd([&] { ClickButton(IDC_SAVE); }), IDOK);
    EXPECT_TRUE(Boxes().empty());
}

// Double-clicking a group only selects it; double-clicking a menu folder
// registers nothing.
TEST_F(Window, DoubleClicksOnGroupsAndFoldersChangeNothing) {
    WriteToolbars({{"G1", 1001, 3}, {"G2", 1010, 2}});
    Run([&] {
        DoubleClickItem(Dlg().m_treeGroup, GroupItem("G2"));
        EXPECT_EQ(ListScreens(), Numbers(1010, 2));
        DoubleClickItem(Dlg().m_treeMenu, MenuItem({"Quotes"}));
        EXPECT_EQ(ListScreens(), Numbers(1010, 2));
        EXPECT_FALSE(Dlg().m_bModified);
    });
    EXPECT_TRUE(Boxes().empty());
}

// A short name typed into the list's editor goes to the record of the row
// in the selected group; a refused one changes nothing.
TEST_F(Window, EditedShortNamesGoToTheRecord) {
    WriteToolbars({{"G1", 1001, 3}});
    Run([&] {
        CListCtrl& list = Dlg().m_listTool;
        // The editor opens on a click on the short-name cell or with F2.
        const auto editName = [&](int nRow, LPCSTR pszName, bool bF2) {
            SelectRows({nRow});
            CRect rc;
            list.GetItemRect(nRow, &rc, LVIR_BOUNDS);
            const int x = rc.left + list.GetColumnWidth(0) + list.GetColumnWidth(1) + 5;
            if (bF2) {
                afx::PressKey(VK_F2);
            } else {
                afx::Click(list.GetSafeHwnd(), CPoint(x, rc.CenterPoint().y));
            }
            ASSERT_NE(list.GetDlgItem(1002), nullptr);
            afx::TypeText(pszName);
            afx::PressKey(VK_RETURN);
        };
        editName(1, "A:B", false);
        EXPECT_EQ(Dlg().m_groupRoot.GetChild(0)->GetChild(1)->m_strShortName, "S1002");
        EXPECT_FALSE(Dlg().m_bModified);
        editName(1, "Fast", true);
        EXPECT_EQ(Dlg().m_groupRoot.GetChild(0)->GetChild(1)->m_strShortName, "Fast");
        EXPECT_EQ(list.GetItemText(1, 2), "Fast");
        EXPECT_TRUE(Dlg().m_bModified);
        EXPECT_EQ(afx::TopModalWindow(), Dlg().GetSafeHwnd());
    });
    EXPECT_EQ(Boxes(),
              std::vector<Box>{OwnBox("<,>, <\\> cannot be used for name editing.", "Notice")});
}

// A group that shows an expand button without child items loses the button
// when the user opens it.
TEST_F(Window, AStaleExpandButtonGoesWhenTheGroupIsOpened) {
    WriteToolbars({{"G1", 1001, 3}});
    Run([&] {
        CTreeCtrl& tree = Dlg().m_treeGroup;
        const HTREEITEM hGroup = GroupItem("G1");
        Dlg().RefreshGroupItem(hGroup);  // the record has screens, the item no children
        ASSERT_TRUE(tree.ItemHasChildren(hGroup));
        DoubleClickItem(tree, hGroup);
        EXPECT_FALSE(tree.ItemHasChildren(hGroup));
        EXPECT_EQ(ListScreens(), Numbers(1001, 3));
        EXPECT_EQ(tree.GetItemText(hGroup), "G1");
        EXPECT_FALSE(Dlg().m_bModified);
    });
}

// A group's item takes its record along; the root's stays.
TEST_F(Window, DeletingAGroupItemFreesItsRecord) {
    WriteToolbars({{"G1", 1001, 3}, {"G2", 1010, 2}});
    Run([&] {
        Dlg().m_treeGroup.DeleteItem(GroupItem("G1"));
        ASSERT_EQ(Dlg().m_groupRoot.m_listChild.GetCount(), 1);
        EXPECT_EQ(Dlg().m_groupRoot.GetChild(0)->m_strName, "G2");
        EXPECT_TRUE(Dlg().m_bModified);
    });
}

}  // namespace
