// The dialog as a window: what it shows when it opens, its keys and how it
// ends.
#include <afxcodepage.h>

#include "ToolbarDialogFixture.h"

namespace {

using Window = ToolbarDialog;

using driver::TreeLines;

// Hidden nodes stay out everywhere, separators below the first level only;
// screens below the first level show their number.
TEST_F(Window, MenuTreeFollowsTheMenuAndPreselectsTheLaunchScreen) {
    WriteToolbars({{"G1", 1001, 2}});
    std::vector<std::string> lines;
    Run([&] { lines = TreeLines(MenuTree()); }, "0a61");
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
    for (const char* pszLine :
         {"  Top screen img=4", "  SEPARATOR img=2", "  Empty img=2", "Favorites img=2 +"}) {
        expected.emplace_back(pszLine);
    }
    EXPECT_EQ(lines, expected);
}

TEST_F(Window, OpensOnTheRecordedGroupWithItsScreensAndTheFirstRowSelected) {
    WriteToolbars({{"G1", 1001, 3}, {"G2", 1010, 2}});
    Run([&] {
        const std::string strRoot = Cp949("도구 아이콘 그룹목록");
        EXPECT_EQ(
            TreeLines(GroupTree()),
            (std::vector<std::string>{strRoot + " img=1 + open", "  G1 img=2 sel", "  G2 img=2"}));
        EXPECT_EQ(ListScreens(), Numbers(1001, 3));
        EXPECT_EQ(ListSelection(), std::vector<int>{0});
        EXPECT_FALSE(Dlg().GetDlgItem(IDC_PREV_HIT)->IsWindowEnabled());
        EXPECT_FALSE(Dlg().GetDlgItem(IDC_NEXT_HIT)->IsWindowEnabled());
    });
    EXPECT_TRUE(Boxes().empty());
}

// Escape never ends the dialog and Enter never presses Save, wherever the
// focus is and whether or not there are changes: the dialog is still open
// after every key. Cancel then ends it at once without a question.
TEST_F(Window, EscapeAndEnterNeverEndTheDialog) {
    WriteToolbars({{"G1", 1001, 3}});
    std::vector<std::function<void()>> steps;
    for (const bool bChanged : {false, true}) {
        if (bChanged) steps.push_back([this] { ClickButton(IDC_DELETE_SCREEN); });
        for (int nID : {IDC_SEARCH_TEXT, IDC_TOOL_LIST, IDC_GROUP_TREE, IDC_MENU_TREE}) {
            for (UINT vk : {VK_ESCAPE, VK_RETURN}) {
                steps.push_back([this, nID, vk] { PressKeyIn(*Dlg().GetDlgItem(nID), vk); });
            }
        }
    }
    steps.push_back([this] { EXPECT_TRUE(Boxes().empty()); });
    EXPECT_EQ(RunSteps(steps), IDCANCEL);
    EXPECT_EQ(RunToEnd([&] {
                  ClickButton(IDC_DELETE_SCREEN);
                  ClickButton(IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_TRUE(Boxes().empty());
    Run([&] { EXPECT_EQ(ListScreens(), Numbers(1001, 3)); });
}

// Double-clicking a group only selects it; double-clicking a menu folder
// registers nothing: Save then has no change to ask about.
TEST_F(Window, DoubleClicksOnGroupsAndFoldersChangeNothing) {
    WriteToolbars({{"G1", 1001, 3}, {"G2", 1010, 2}});
    EXPECT_EQ(RunToEnd([&] {
                  DoubleClickItem(GroupTree(), GroupItem("G2"));
                  EXPECT_EQ(ListScreens(), Numbers(1010, 2));
                  DoubleClickItem(MenuTree(), MenuItem({"Quotes"}));
                  EXPECT_EQ(ListScreens(), Numbers(1010, 2));
                  ClickButton(IDC_SAVE);
              }),
              IDOK);
    EXPECT_TRUE(Boxes().empty());
}

// A short name typed into the list's editor, opened by a click on the
// short-name cell or by F2, is the row's and is saved; a refused one
// changes nothing.
TEST_F(Window, EditedShortNamesAreShownAndSaved) {
    WriteToolbars({{"G1", 1001, 3}});
    EXPECT_EQ(RunToEnd([&] {
                  CListCtrl& list = List();
                  const auto editName = [&](int nRow, LPCSTR pszName, bool bF2) {
                      SelectRows({nRow});
                      if (bF2) {
                          afx::PressKey(VK_F2);
                      } else {
                          driver::ClickCell(list, nRow, 2);
                      }
                      ASSERT_NE(list.GetDlgItem(1002), nullptr);
                      afx::TypeText(pszName);
                      afx::PressKey(VK_RETURN);
                  };
                  editName(1, "A:B", false);
                  EXPECT_EQ(list.GetItemText(1, 2), "S1002");
                  editName(1, "Fast", true);
                  EXPECT_EQ(list.GetItemText(1, 2), "Fast");
                  ClickButton(IDC_SAVE);
              }),
              IDOK);
    EXPECT_EQ(Boxes(),
              (std::vector<Box>{OwnBox("<,>, <\\> cannot be used for name editing.", "Notice"),
                                kSaveQuestion}));
    EXPECT_NE(ReadBytes(UserFile()).find("02=1002,Fast,Screen 1002\r\n"), std::string::npos);
}

}  // namespace
