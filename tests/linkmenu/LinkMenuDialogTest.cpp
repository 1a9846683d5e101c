// The link dialog driven as a person does: adding by button, double-click
// and drag, refusals in the status line, swapping, deleting and the keys.
#include "LinkMenuFixture.h"

namespace {

using LinkMenu = LinkMenuDialog;

constexpr LPCSTR kSelectScreen = "From the left tree menu, select the screen to be added.";
constexpr LPCSTR kOnlyScreens = "From the left tree menu, you can add only screen.";
constexpr LPCSTR kFull = "For link screen, it is possible to register only 10 items!";
constexpr LPCSTR kRegistered = "Link menu has been registered.";
constexpr LPCSTR kSelectRow =
    "Please select a screen item to be deleted from the right shortcult key list.";

const Screen kPrice = {"Current price", "TR0101", "0101"};
const Screen kBook = {"Order book", "TR0102", "0102"};
const Screen kTop = {"Top screen", "TR0900", "0900"};

Screen Numbered(int n) {
    const std::string s = std::to_string(n);
    return {"Screen " + s, "TR" + s, s};
}

// The list as a file of n numbered screens from 1001 leaves it.
std::string FileOf(int nCount) {
    std::string file = "[USERMENUCOUNT]\r\nCount=" + std::to_string(nCount) + "\r\n[USERMENU]\r\n";
    for (int i = 1; i <= nCount; ++i) {
        const std::string s = std::to_string(1000 + i);
        file += std::to_string(i) + "=Screen " + s + ",TR" + s + "," + s + "\r\n";
    }
    return file;
}

std::vector<std::string> NumberedRows(const std::vector<int>& numbers) {
    std::vector<std::string> rows;
    for (int n : numbers) rows.push_back(RowOf(static_cast<int>(rows.size()), Numbered(n)));
    return rows;
}

// Each step: what the person does, then the status line, its colour and the list.
TEST_F(LinkMenu, AddingReportsEveryOutcomeInTheStatusLine) {
    WriteFile("[USERMENUCOUNT]\r\nCount=1\r\n[USERMENU]\r\n1=Renamed,TR0102,0102\r\n");
    Run([&] {
        EXPECT_EQ(Status(), "");
        const struct {
            const char* pszStep;
            std::function<void()> act;
            std::string status;
            bool bRed;
            std::vector<std::string> rows;
        } steps[] = {
            {"nothing selected",
             [&] { driver::ClickControl(Dlg(), IDC_LINK_ADD); },
             kSelectScreen,
             false,
             {"1|0102|Renamed|TR0102"}},
            {"a folder", [&] { Add({"Quotes"}); }, kOnlyScreens, false, {"1|0102|Renamed|TR0102"}},
            {"the root",
             [&] {
                 driver::ClickItem(Tree(), Tree().GetRootItem());
                 driver::ClickControl(Dlg(), IDC_LINK_ADD);
             },
             kOnlyScreens,
             false,
             {"1|0102|Renamed|TR0102"}},
            {"a node of another kind",
             [&] {
                 Add({"Mixed", "[0903] Odd"});
             },
             kOnlyScreens,
             false,
             {"1|0102|Renamed|TR0102"}},
            {"a screen",
             [&] {
                 Add({"Quotes", "[0101] Current price"});
             },
             kRegistered,
             false,
             {"1|0102|Renamed|TR0102", RowOf(1, kPrice)}},
            {"its inner TR under another name",
             [&] {
                 Add({"Quotes", "[0102] Order book"});
             },
             "The specified screen [Order book] already exists.",
             true,
             {"1|0102|Renamed|TR0102", RowOf(1, kPrice)}},
            {"black again after a success",
             [&] { Add({"[0900] Top screen"}); },
             kRegistered,
             false,
             {"1|0102|Renamed|TR0102", RowOf(1, kPrice), RowOf(2, kTop)}},
            {"double-click on a screen",
             [&] {
                 driver::DoubleClickItem(Tree(), MenuItem({"Many", "[1001] Screen 1001"}));
             },
             kRegistered,
             false,
             {"1|0102|Renamed|TR0102", RowOf(1, kPrice), RowOf(2, kTop), RowOf(3, Numbered(1001))}},
        };
        for (const auto& step : steps) {
            SCOPED_TRACE(step.pszStep);
            step.act();
            EXPECT_EQ(Status(), step.status);
            EXPECT_EQ(StatusIsRed(), step.bRed);
            EXPECT_EQ(Rows(), step.rows);
        }
        EXPECT_EQ(SelectedRows(), std::vector<int>{3}) << "the added row is selected";
    });
}

// A double-click on a folder refuses it and still opens or closes it.
TEST_F(LinkMenu, DoubleClickingAFolderOpensItAndAddsNothing) {
    Run([&] {
        const HTREEITEM hFolder = MenuItem({"Many"});
        for (const bool bOpen : {true, false}) {
            driver::DoubleClickItem(Tree(), hFolder);
            EXPECT_EQ((Tree().GetItemState(hFolder, TVIS_EXPANDED) & TVIS_EXPANDED) != 0, bOpen);
            EXPECT_EQ(Status(), kOnlyScreens);
            EXPECT_TRUE(Rows().empty());
        }
    });
}

TEST_F(LinkMenu, TenRowsAreTheLimitButADropReplacesARow) {
    WriteFile(FileOf(10));
    Run([&] {
        Add({"Many", "[1011] Screen 1011"});
        EXPECT_EQ(Status(), kFull);
        EXPECT_TRUE(StatusIsRed());
        EXPECT_EQ(Rows(),
                  NumberedRows({1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010}));

        // The tree drag drops the selected screen.
        const HTREEITEM hScreen = MenuItem({"Many", "[1011] Screen 1011"});
        ASSERT_TRUE(driver::Drag(Tree(), driver::ItemPoint(Tree(), hScreen), List(),
                                 driver::RowPoint(List(), 3)));
        EXPECT_EQ(Status(), kRegistered);
        EXPECT_FALSE(StatusIsRed());
        EXPECT_EQ(Rows(),
                  NumberedRows({1001, 1002, 1003, 1011, 1005, 1006, 1007, 1008, 1009, 1010}));
        EXPECT_EQ(SelectedRows(), std::vector<int>{3});

        const HTREEITEM hOther = MenuItem({"Many", "[1012] Screen 1012"});
        driver::ClickItem(Tree(), hOther);
        List().EnsureVisible(9, FALSE);
        ASSERT_TRUE(driver::Drag(Tree(), driver::ItemPoint(Tree(), hOther), List(),
                                 driver::EndPoint(List())));
        EXPECT_EQ(Status(), kFull);
        EXPECT_TRUE(StatusIsRed());

        // A screen already in the list is refused wherever it is dropped.
        const HTREEITEM hThere = MenuItem({"Many", "[1005] Screen 1005"});
        ASSERT_TRUE(driver::Drag(Tree(), driver::ItemPoint(Tree(), hThere), List(),
                                 driver::RowPoint(List(), 0)));
        EXPECT_EQ(Status(), "The specified screen [Screen 1005] already exists.");
        EXPECT_EQ(Rows(),
                  NumberedRows({1001, 1002, 1003, 1011, 1005, 1006, 1007, 1008, 1009, 1010}));
    });
}

TEST_F(LinkMenu, DropsInsertWhereTheyLandAndRefuseFolders) {
    WriteFile(FileOf(2));
    Run([&] {
        const HTREEITEM hBook = MenuItem({"Quotes", "[0102] Order book"});
        ASSERT_TRUE(driver::Drag(Tree(), driver::ItemPoint(Tree(), hBook), List(),
                                 driver::EndPoint(List())));
        EXPECT_EQ(Rows(), (std::vector<std::string>{RowOf(0, Numbered(1001)),
                                                    RowOf(1, Numbered(1002)), RowOf(2, kBook)}));
        EXPECT_EQ(Status(), kRegistered);

        const HTREEITEM hFolder = MenuItem({"Quotes", "Deep"});
        driver::Drag(Tree(), driver::ItemPoint(Tree(), hFolder), List(),
                     driver::RowPoint(List(), 1));
        EXPECT_EQ(Status(), kOnlyScreens);
        EXPECT_FALSE(StatusIsRed());
        EXPECT_EQ(Rows().size(), 3u);
    });
}

// Rows trade places; the rows between them stay; "No" reads 1 to n.
TEST_F(LinkMenu, DraggingARowSwapsItWithTheRowItLandsOn) {
    WriteFile(FileOf(5));
    Run([&] {
        driver::ClickRow(List(), 0);
        ASSERT_TRUE(
            driver::Drag(List(), driver::RowPoint(List(), 0), List(), driver::RowPoint(List(), 3)));
        EXPECT_EQ(Rows(), NumberedRows({1004, 1002, 1003, 1001, 1005}));
        EXPECT_EQ(SelectedRows(), std::vector<int>{3});

        driver::ClickRow(List(), 4);
        ASSERT_TRUE(
            driver::Drag(List(), driver::RowPoint(List(), 4), List(), driver::RowPoint(List(), 1)));
        EXPECT_EQ(Rows(), NumberedRows({1004, 1005, 1003, 1001, 1002}));

        // After the last row nothing is swapped.
        driver::ClickRow(List(), 1);
        driver::Drag(List(), driver::RowPoint(List(), 1), List(), driver::EndPoint(List()));
        EXPECT_EQ(Rows(), NumberedRows({1004, 1005, 1003, 1001, 1002}));
        EXPECT_EQ(Status(), "");
    });
}

// In the list, Ctrl with Up, Down, Home or End swaps the selected row as a
// drag onto the row above, below, first or last does; Delete deletes it as
// the button does.
TEST_F(LinkMenu, KeysInTheListMoveAsADragAndDeleteAsTheButton) {
    WriteFile(FileOf(5));
    Run([&] {
        const struct {
            int nRow;
            UINT nKey;
            std::vector<int> rows;
            int nSelected;  // -1: not checked
        } steps[] = {
            {0, VK_DOWN, {1002, 1001, 1003, 1004, 1005}, 1},
            {1, VK_UP, {1001, 1002, 1003, 1004, 1005}, 0},
            {1, VK_END, {1001, 1005, 1003, 1004, 1002}, 4},
            {4, VK_HOME, {1002, 1005, 1003, 1004, 1001}, 0},
            {0, VK_UP, {1002, 1005, 1003, 1004, 1001}, 0},
            {2, VK_DELETE, {1002, 1005, 1004, 1001}, -1},
            {1, VK_DOWN, {1002, 1004, 1005, 1001}, 2},
            {-1, VK_DELETE, {1002, 1004, 1001}, -1},  // the moved row
        };
        for (const auto& step : steps) {
            if (step.nRow >= 0) driver::ClickRow(List(), step.nRow);
            afx::PressKey(step.nKey, step.nKey == VK_DELETE ? 0 : MK_CONTROL);
            EXPECT_EQ(Rows(), NumberedRows(step.rows)) << step.nKey;
            if (step.nSelected >= 0) {
                EXPECT_EQ(SelectedRows(), std::vector<int>{step.nSelected});
            }
        }
        EXPECT_EQ(Status(), "");
        EXPECT_EQ(afx::TopModalWindow(), Dlg().GetSafeHwnd());
    });
}

TEST_F(LinkMenu, DeletingRemovesTheMarkedRowAndRenumbers) {
    WriteFile(FileOf(4));
    Run([&] {
        driver::ClickControl(Dlg(), IDC_LINK_DELETE);
        EXPECT_EQ(Status(), kSelectRow);
        EXPECT_FALSE(StatusIsRed());
        EXPECT_EQ(Rows().size(), 4u);

        driver::ClickRow(List(), 1);
        driver::ClickControl(Dlg(), IDC_LINK_DELETE);
        EXPECT_EQ(Rows(), NumberedRows({1001, 1003, 1004}));
        EXPECT_EQ(Status(), kSelectRow) << "a deletion says nothing";

        driver::DoubleClickRow(List(), 2);
        EXPECT_EQ(Rows(), NumberedRows({1001, 1003}));

        driver::ClickControl(Dlg(), IDC_LINK_DELETE_ALL);
        EXPECT_TRUE(Rows().empty());
        driver::ClickControl(Dlg(), IDC_LINK_DELETE);
        EXPECT_EQ(Rows().size(), 0u);
        EXPECT_EQ(Status(), kSelectRow);
    });
}

// Enter never closes the dialog (in the search field it searches); Escape
// cancels; OK saves.
TEST_F(LinkMenu, EnterStaysEscapeCancelsOkSaves) {
    EXPECT_EQ(RunToEnd([&] {
                  for (int nID : {IDC_LINK_MENU_TREE, IDC_LINK_LIST, IDC_LINK_ADD, IDOK}) {
                      driver::PressKeyIn(Dlg(), nID, VK_RETURN);
                  }
                  driver::TypeInto(Dlg(), IDC_LINK_SEARCH_TEXT, "Top");
                  afx::PressKey(VK_RETURN);
                  EXPECT_EQ(Tree().GetSelectedItem(), MenuItem({"[0900] Top screen"}));
                  EXPECT_FALSE(ReadFile());
                  driver::PressKeyIn(Dlg(), IDC_LINK_MENU_TREE, VK_ESCAPE);
              }),
              IDCANCEL);
    EXPECT_FALSE(ReadFile());
    EXPECT_EQ(RunToEnd([&] { driver::ClickControl(Dlg(), IDOK); }), IDOK);
    EXPECT_EQ(ReadFile(), "[USERMENUCOUNT]\r\nCount=0\r\n");
}

}  // namespace
