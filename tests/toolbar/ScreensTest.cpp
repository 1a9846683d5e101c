// The screens of a toolbar group: registering, removing, reordering and the
// drops, each through the dialog's controls, with the list and the group's
// screens checked after every step.
#include <map>
#include <string>

#include "ToolbarDialogFixture.h"

namespace {

using Screens = ToolbarDialog;

const Box kOnlyScreens = OwnBox("You can add only screen in the VORK menu.", "Notice");

// Each refusal shows its message and leaves the list as it was, and nothing
// to save: Save then asks no question.
TEST_F(Screens, RefusedRegistrationsChangeNothing) {
    WriteToolbars({{"G1", 1001, 6}, {"Full", 1001, 30}});
    const struct {
        const char* pszName;
        const char* pszGroup;  // null: the root
        std::vector<const char*> menuPath;
        Box box;
    } cases[] = {
        {"31st screen", "Full", {"Many", "Screen 1031(1031)"}, VoBox(kLimit)},
        {"duplicate",
         "G1",
         {"Many", "Screen 1003(1003)"},
         VoBox("[Screen 1003] The specified screen already exists.")},
        {"folder", "G1", {"Quotes"}, kOnlyScreens},
        {"favorites", "G1", {"..."}, kOnlyScreens},
        {"root selected",
         nullptr,
         {"Quotes", "Current price(0101)"},
         VoBox("Specify group to insert.")},
        {"nothing in the menu selected",
         "G1",
         {},
         VoBox("Please select a menu item to add from the Halvane VORK menu..")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        ClearBoxes();
        EXPECT_EQ(RunToEnd([&] {
                      CTreeCtrl& menu = MenuTree();
                      ClickGroup(c.pszGroup);
                      if (c.menuPath.size() == 1 && std::string(c.menuPath[0]) == "...") {
                          ClickItem(menu, menu.GetNextSiblingItem(menu.GetRootItem()));
                      } else if (!c.menuPath.empty()) {
                          ClickItem(menu, c.menuPath.size() == 1
                                              ? MenuItem({c.menuPath[0]})
                                              : MenuItem({c.menuPath[0], c.menuPath[1]}));
                      }
                      const std::vector<CString> before = ListScreens();
                      ClickButton(IDC_REGIST);
                      EXPECT_EQ(Boxes(), std::vector<Box>{c.box});
                      EXPECT_EQ(ListScreens(), before);
                      ClickButton(IDC_SAVE);
                  }),
                  IDOK);
        EXPECT_EQ(Boxes(), std::vector<Box>{c.box});
    }
}

TEST_F(Screens, RegisteringInsertsAfterTheFirstSelectedRowAndSelectsIt) {
    WriteToolbars({{"G1", 1001, 6}, {"Nearly", 1001, 29}});
    Run([&] {
        SelectRows({2, 3});
        ClickItem(MenuTree(), MenuItem({"Quotes", "Current price(0101)"}));
        ClickButton(IDC_REGIST);
        EXPECT_EQ(ListScreens(),
                  (std::vector<CString>{"1001", "1002", "1003", "0101", "1004", "1005", "1006"}));
        EXPECT_EQ(ListSelection(), std::vector<int>{3});

        // With no row selected the screen goes last and row 0 is selected;
        // the thirtieth screen is taken.
        ClickGroup("Nearly");
        SelectRows({});
        DoubleClickItem(MenuTree(), MenuItem({"Many", "Screen 1032(1032)"}));
        EXPECT_EQ(ListScreens().size(), 30u);
        EXPECT_EQ(ListScreens().back(), "1032");
        EXPECT_EQ(ListSelection(), std::vector<int>{0});
    });
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Screens, DeletingSelectsTheRowWhereTheFirstDeletedOneStood) {
    WriteToolbars({{"Six", 1001, 6}, {"Five", 1011, 5}});
    Run([&] {
        SelectRows({1, 3, 4});
        ClickButton(IDC_DELETE_SCREEN);
        EXPECT_EQ(ListScreens(), Numbers({1001, 1003, 1006}));
        EXPECT_EQ(ListSelection(), std::vector<int>{1});
        EXPECT_EQ(GroupScreens("Six"), Numbers({1001, 1003, 1006}));

        ClickGroup("Five");
        SelectRows({3, 4});
        PressKeyIn(List(), VK_DELETE);
        EXPECT_EQ(ListScreens(), Numbers(1011, 3));
        EXPECT_EQ(ListSelection(), std::vector<int>{2});

        driver::DoubleClickRow(List(), 0);
        EXPECT_EQ(ListScreens(), Numbers({1012, 1013}));
    });
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Screens, RemovalsWithoutASelectionAskForOne) {
    WriteToolbars({{"G1", 1001, 3}, {"Empty", 1001, 0}});
    const Box kSelect = OwnBox("Select screen to delete from the my Menu", "my Menu Editor");
    Run([&] {
        SelectRows({});
        ClickButton(IDC_DELETE_SCREEN);
        ClickGroup("Empty");
        ClickButton(IDC_DELETE_ALL_SCREENS);
        EXPECT_EQ(Boxes(), (std::vector<Box>{kSelect, VoBox("There is no issue selected.")}));
        EXPECT_EQ(GroupScreens("G1"), Numbers(1001, 3));

        ClickGroup("G1");
        ClickButton(IDC_DELETE_ALL_SCREENS);
        EXPECT_TRUE(ListScreens().empty());
        EXPECT_TRUE(GroupScreens("G1").empty());
    });
}

// The arrow buttons move the first selected row; at the ends they refuse.
// Ctrl with Up, Down, Home or End in the list moves as the buttons do.
TEST_F(Screens, MoveButtonsAndCtrlKeysMoveOneRowAndRefuseAtTheEnds) {
    const char* const kBegin = "You are at the beginning of data.";
    const char* const kEnd = "You are at the end of data.";
    const struct {
        int nButton;
        int nRow;
        std::vector<int> order;  // screen numbers afterwards
        int nSelected;
        const char* pszRefusal;
    } cases[] = {
        {IDC_SCREEN_TOP, 2, {1003, 1001, 1002, 1004}, 0, nullptr},
        {IDC_SCREEN_UP, 2, {1001, 1003, 1002, 1004}, 1, nullptr},
        {IDC_SCREEN_DOWN, 1, {1001, 1003, 1002, 1004}, 2, nullptr},
        {IDC_SCREEN_BOTTOM, 1, {1001, 1003, 1004, 1002}, 3, nullptr},
        {IDC_SCREEN_TOP, 0, {1001, 1002, 1003, 1004}, 0, kBegin},
        {IDC_SCREEN_UP, 0, {1001, 1002, 1003, 1004}, 0, kBegin},
        {IDC_SCREEN_DOWN, 3, {1001, 1002, 1003, 1004}, 3, kEnd},
        {IDC_SCREEN_BOTTOM, 3, {1001, 1002, 1003, 1004}, 3, kEnd},
        {IDC_SCREEN_UP, -1, {1001, 1002, 1003, 1004}, -1, "Please select issue."},
    };
    const std::map<int, UINT> keys{{IDC_SCREEN_TOP, VK_HOME},
                                   {IDC_SCREEN_UP, VK_UP},
                                   {IDC_SCREEN_DOWN, VK_DOWN},
                                   {IDC_SCREEN_BOTTOM, VK_END}};
    WriteToolbars({{"G1", 1001, 4}});
    for (const auto& c : cases) {
        for (const bool bKey : {false, true}) {
            SCOPED_TRACE(std::to_string(c.nButton) + " row " + std::to_string(c.nRow) +
                         (bKey ? " key" : ""));
            ClearBoxes();
            Run([&] {
                if (c.nRow >= 0) {
                    SelectRows({c.nRow});
                } else {
                    SelectRows({});
                }
                if (bKey) {
                    PressKeyIn(List(), keys.at(c.nButton), MK_CONTROL);
                } else {
                    ClickButton(c.nButton);
                }
                EXPECT_EQ(ListScreens(), Numbers(c.order));
                EXPECT_EQ(ListSelection(),
                          c.nSelected < 0 ? std::vector<int>{} : std::vector<int>{c.nSelected});
            });
            EXPECT_EQ(Boxes(),
                      c.pszRefusal ? std::vector<Box>{VoBox(c.pszRefusal)} : std::vector<Box>{});
        }
    }
}

// Dragged rows go behind the row they are dropped on, downwards in its
// place, past the end last; a run arrives reversed.
TEST_F(Screens, DraggedRowsLandBehindTheRowTheyAreDroppedOn) {
    WriteToolbars({{"G1", 1001, 7}});
    Run([&] {
        CListCtrl& list = List();
        SelectRows({5});
        Drag(list, RowPoint(list, 5), list, RowPoint(list, 2));
        EXPECT_EQ(ListScreens(), Numbers({1001, 1002, 1003, 1006, 1004, 1005, 1007}));
        EXPECT_EQ(ListSelection(), std::vector<int>{3});

        SelectRows({3, 4});
        Drag(list, RowPoint(list, 3), list, RowPoint(list, 0));
        EXPECT_EQ(ListScreens(), Numbers({1001, 1004, 1006, 1002, 1003, 1005, 1007}));
        EXPECT_EQ(ListSelection(), std::vector<int>{1});

        SelectRows({1});
        Drag(list, RowPoint(list, 1), list, RowPoint(list, 4));
        EXPECT_EQ(ListScreens(), Numbers({1001, 1006, 1002, 1003, 1004, 1005, 1007}));
        EXPECT_EQ(ListSelection(), std::vector<int>{4});
        Drag(list, RowPoint(list, 4), list, driver::EndPoint(list));
        EXPECT_EQ(ListScreens(), Numbers({1001, 1006, 1002, 1003, 1005, 1007, 1004}));
        EXPECT_EQ(ListSelection(), std::vector<int>{6});
    });
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Screens, MenuScreensDroppedOnGroupsAndTheListJoinThem) {
    WriteToolbars({{"G1", 1001, 3}, {"G2", 1010, 2}, {"Full", 1001, 30}});
    Run([&] {
        CTreeCtrl& menu = MenuTree();
        CTreeCtrl& groups = GroupTree();
        const HTREEITEM hPrice = MenuItem({"Quotes", "Current price(0101)"});

        // On another group: appended there, the list keeps the current group.
        Drag(menu, ItemPoint(menu, hPrice), groups, ItemPoint(groups, GroupItem("G2")));
        EXPECT_EQ(ListScreens(), Numbers(1001, 3));
        EXPECT_EQ(GroupScreens("G2"), (std::vector<CString>{"1010", "1011", "0101"}));

        // On the list: after the first selected row, wherever it fell.
        SelectRows({0});
        Drag(menu, ItemPoint(menu, hPrice), List(), RowPoint(List(), 2));
        EXPECT_EQ(ListScreens(), (std::vector<CString>{"1001", "0101", "1002", "1003"}));
        EXPECT_EQ(ListSelection(), std::vector<int>{1});

        // On the current group: appended, and the list shows it.
        const HTREEITEM hOrder = MenuItem({"Quotes", "Order book(0102)"});
        Drag(menu, ItemPoint(menu, hOrder), groups, ItemPoint(groups, GroupItem("G1")));
        EXPECT_EQ(ListScreens(), (std::vector<CString>{"1001", "0101", "1002", "1003", "0102"}));

        // A full group and a duplicate refuse.
        Drag(menu, ItemPoint(menu, hOrder), groups, ItemPoint(groups, GroupItem("Full")));
        Drag(menu, ItemPoint(menu, hOrder), groups, ItemPoint(groups, GroupItem("G1")));
        EXPECT_EQ(ListScreens().size(), 5u);
        EXPECT_EQ(GroupScreens("Full"), Numbers(1001, 30));
    });
    EXPECT_EQ(Boxes(),
              (std::vector<Box>{VoBox(kLimit),
                                VoBox("[Order book] The specified screen already exists.")}));
}

// Rows dropped on a group move there last-row-first, and the row before the
// first of them is selected; a duplicate goes back to its place and stops
// the walk; a full group takes none.
TEST_F(Screens, RowsDroppedOnAGroupMoveThere) {
    WriteToolbars({{"G1", 1001, 6}, {"G2", 1010, 2}, {"Dup", 1001, 1}, {"Full", 2001, 30}});
    Run([&] {
        CListCtrl& list = List();
        CTreeCtrl& groups = GroupTree();
        SelectRows({3, 4});
        Drag(list, RowPoint(list, 3), groups, ItemPoint(groups, GroupItem("G2")));
        EXPECT_EQ(ListScreens(), Numbers({1001, 1002, 1003, 1006}));
        EXPECT_EQ(ListSelection(), std::vector<int>{2});
        SelectRows({1, 3});
        Drag(list, RowPoint(list, 1), groups, ItemPoint(groups, GroupItem("G2")));
        EXPECT_EQ(ListScreens(), Numbers({1001, 1003}));
        EXPECT_EQ(ListSelection(), std::vector<int>{0});
        EXPECT_TRUE(Boxes().empty());
        EXPECT_EQ(GroupScreens("G2"), Numbers({1010, 1011, 1005, 1004, 1006, 1002}));

        // Row 0 (1001) is already in "Dup": row 1 moves, row 0 stays.
        SelectRows({0, 1});
        Drag(list, RowPoint(list, 0), groups, ItemPoint(groups, GroupItem("Dup")));
        EXPECT_EQ(ListScreens(), Numbers({1001}));
        EXPECT_EQ(GroupScreens("Dup"), Numbers({1001, 1003}));
        EXPECT_EQ(Boxes(),
                  std::vector<Box>{VoBox("[Screen 1001] The specified screen already exists.")});

        ClearBoxes();
        SelectRows({0});
        Drag(list, RowPoint(list, 0), groups, ItemPoint(groups, GroupItem("Full")));
        EXPECT_EQ(ListScreens(), Numbers({1001}));
        EXPECT_EQ(Boxes(), std::vector<Box>{VoBox(kLimit)});

        // Dropped back on the menu: removed.
        ClearBoxes();
        Drag(list, RowPoint(list, 0), MenuTree(), ItemPoint(MenuTree(), MenuTree().GetRootItem()));
        EXPECT_TRUE(ListScreens().empty());
    });
    EXPECT_TRUE(Boxes().empty());
}

// A refused duplicate goes back to the place it had, between its neighbours.
TEST_F(Screens, ARefusedRowKeepsItsPlace) {
    WriteToolbars({{"G1", 1001, 4}, {"Dup", 1003, 1}});
    Run([&] {
        SelectRows({1, 2});
        Drag(List(), RowPoint(List(), 1), GroupTree(), ItemPoint(GroupTree(), GroupItem("Dup")));
        EXPECT_EQ(ListScreens(), Numbers({1001, 1002, 1003, 1004}));
        EXPECT_EQ(ListSelection(), std::vector<int>{0});
    });
}

}  // namespace
