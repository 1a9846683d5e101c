// The screens of a toolbar group: registering, removing, reordering and the
// drops, each through the dialog's controls, with the list, the group's
// record and the modified flag checked after every step.
#include <fstream>
#include <map>
#include <iterator>
#include <string>

#include "ToolbarDialogFixture.h"
#include "dragdrop/DragDropMessages.h"

namespace {

using Screens = ToolbarDialog;

constexpr LPCSTR kLimit = "In one toolbar, more than 30 items cannot be put.";

// Each refusal shows its message and leaves the list, the record and the
// modified flag as they were.
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
        {"folder", "G1", {"Quotes"}, OwnBox("You can add only screen in the VORK menu.", "Notice")},
        {"favorites", "G1", {}, OwnBox("You can add only screen in the VORK menu.", "Notice")},
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
        Run([&] {
            CTreeCtrl& menu = Dlg().m_treeMenu;
            HTREEITEM hGroup = c.pszGroup ? GroupItem(c.pszGroup) : Dlg().m_treeGroup.GetRootItem();
            ClickItem(Dlg().m_treeGroup, hGroup);
            if (std::string(c.pszName) == "favorites") {
                ClickItem(menu, menu.GetNextSiblingItem(menu.GetRootItem()));
            } else if (!c.menuPath.empty()) {
                HTREEITEM hItem = menu.GetRootItem();
                for (const char* pszLabel : c.menuPath) {
                    hItem = menu.GetChildItem(hItem);
                    while (hItem && menu.GetItemText(hItem) != pszLabel) {
                        hItem = menu.GetNextSiblingItem(hItem);
                    }
                }
                ASSERT_NE(hItem, nullptr);
                ClickItem(menu, hItem);
            }
            const std::vector<CString> before = ListScreens();
            ClickButton(IDC_REGIST);
            EXPECT_EQ(Boxes(), std::vector<Box>{c.box});
            EXPECT_EQ(ListScreens(), before);
            if (c.pszGroup) {
                EXPECT_EQ(GroupScreens(c.pszGroup), before);
            }
            EXPECT_FALSE(Dlg().m_bModified);
        });
    }
}

// Refused registrations leave nothing to save: Save asks no question and
// writes what a session without them writes.
TEST_F(Screens, RefusedRegistrationsLeaveTheSavedFileAsItWas) {
    WriteToolbars({{"G1", 1001, 6}, {"Full", 1001, 30}});
    const auto savedFile = [&] {
        std::ifstream file(m_home / "user" / "ToolBar_tester.ini", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    EXPECT_EQ(RunToEnd([&] { ClickButton(IDC_SAVE); }), IDOK);
    const std::string strUntouched = savedFile();
    ASSERT_NE(strUntouched.find("Screen 1030"), std::string::npos);

    EXPECT_EQ(RunToEnd([&] {
                  CTreeCtrl& menu = Dlg().m_treeMenu;
                  ClickItem(Dlg().m_treeGroup, GroupItem("Full"));
                  ClickItem(menu, MenuItem({"Many", "Screen 1031(1031)"}));
                  ClickButton(IDC_REGIST);
                  ClickItem(Dlg().m_treeGroup, GroupItem("G1"));
                  DoubleClickItem(menu, MenuItem({"Many", "Screen 1003(1003)"}));
                  ClickItem(menu, MenuItem({"Quotes"}));
                  ClickButton(IDC_REGIST);
                  ClickItem(Dlg().m_treeGroup, Dlg().m_treeGroup.GetRootItem());
                  ClickItem(menu, MenuItem({"Quotes", "Current price(0101)"}));
                  ClickButton(IDC_REGIST);
                  ClickButton(IDC_SAVE);
              }),
              IDOK);
    EXPECT_EQ(Boxes(),
              (std::vector<Box>{VoBox(kLimit),
                                VoBox("[Screen 1003] The specified screen already exists."),
                                OwnBox("You can add only screen in the VORK menu.", "Notice"),
                                VoBox("Specify group to insert.")}));
    EXPECT_EQ(savedFile(), strUntouched);
}

TEST_F(Screens, RegisteringInsertsAfterTheFirstSelectedRowAndSelectsIt) {
    WriteToolbars({{"G1", 1001, 6}, {"Nearly", 1001, 29}});
    Run([&] {
        SelectRows({2, 3});
        ClickItem(Dlg().m_treeMenu, MenuItem({"Quotes", "Current price(0101)"}));
        ClickButton(IDC_REGIST);
        EXPECT_EQ(ListScreens(),
                  (std::vector<CString>{"1001", "1002", "1003", "0101", "1004", "1005", "1006"}));
        EXPECT_EQ(ListSelection(), std::vector<int>{3});
        EXPECT_TRUE(Dlg().m_bModified);

        // With no row selected the screen goes last and row 0 is selected.
        ClickItem(Dlg().m_treeGroup, GroupItem("Nearly"));
        Dlg().m_listTool.SetItemState(-1, 0, LVIS_SELECTED);
        DoubleClickItem(Dlg().m_treeMenu, MenuItem({"Many", "Screen 1032(1032)"}));
        EXPECT_EQ(ListScreens().size(), 30u);
        EXPECT_EQ(ListScreens().back(), "1032");
        EXPECT_EQ(ListSelection(), std::vector<int>{0});
        EXPECT_EQ(GroupScreens("Nearly").back(), "1032");
    });
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Screens, DeletingSelectsTheRowWhereTheFirstDeletedOneStood) {
    WriteToolbars({{"Six", 1001, 6}, {"Five", 1011, 5}});
    Run([&] {
        SelectRows({1, 3, 4});
        ClickButton(IDC_DELETE_SCREEN);
        EXPECT_EQ(ListScreens(), Numbers({1001, 1003, 1006}));
        EXPECT_EQ(GroupScreens("Six"), Numbers({1001, 1003, 1006}));
        EXPECT_EQ(ListSelection(), std::vector<int>{1});

        ClickItem(Dlg().m_treeGroup, GroupItem("Five"));
        SelectRows({3, 4});
        PressKeyIn(Dlg().m_listTool, VK_DELETE);
        EXPECT_EQ(ListScreens(), Numbers(1011, 3));
        EXPECT_EQ(ListSelection(), std::vector<int>{2});

        DoubleClickRow(0);
        EXPECT_EQ(ListScreens(), Numbers({1012, 1013}));
        EXPECT_TRUE(Dlg().m_bModified);
    });
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Screens, RemovalsWithoutASelectionAskForOne) {
    WriteToolbars({{"G1", 1001, 3}, {"Empty", 1001, 0}});
    Run([&] {
        Dlg().m_listTool.SetItemState(-1, 0, LVIS_SELECTED);
        ClickButton(IDC_DELETE_SCREEN);
        Dlg().SendMessage(UM_LIST_DROPPED_ON_MENU, 0, 0);
        ClickItem(Dlg().m_treeGroup, GroupItem("Empty"));
        ClickButton(IDC_DELETE_ALL_SCREENS);
        EXPECT_EQ(Boxes(), (std::vector<Box>{
                               OwnBox("Select screen to delete from the my Menu", "my Menu Editor"),
                               OwnBox("Select screen to delete from the my Menu", "my Menu Editor"),
                               VoBox("There is no issue selected.")}));
        EXPECT_EQ(GroupScreens("G1"), Numbers(1001, 3));
        EXPECT_FALSE(Dlg().m_bModified);

        ClickItem(Dlg().m_treeGroup, GroupItem("G1"));
        ClickButton(IDC_DELETE_ALL_SCREENS);
        EXPECT_TRUE(ListScreens().empty());
        EXPECT_TRUE(GroupScreens("G1").empty());
        EXPECT_TRUE(Dlg().m_bModified);
    });
}

// The arrow buttons move the first selected row; at the ends they refuse.
// Ctrl with Up, Down, Home or End in the list moves as the buttons do.
TEST_F(Screens, MoveButtonsAndCtrlKeysMoveOneRowAndRefuseAtTheEnds) {
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
        {IDC_SCREEN_TOP, 0, {1001, 1002, 1003, 1004}, 0, "You are at the beginning of data."},
        {IDC_SCREEN_UP, 0, {1001, 1002, 1003, 1004}, 0, "You are at the beginning of data."},
        {IDC_SCREEN_DOWN, 3, {1001, 1002, 1003, 1004}, 3, "You are at the end of data."},
        {IDC_SCREEN_BOTTOM, 3, {1001, 1002, 1003, 1004}, 3, "You are at the end of data."},
        {IDC_SCREEN_UP, -1, {1001, 1002, 1003, 1004}, -1, "Please select issue."},
    };
    const std::map<int, UINT> keys{{IDC_SCREEN_TOP, VK_HOME},
                                   {IDC_SCREEN_UP, VK_UP},
                                   {IDC_SCREEN_DOWN, VK_DOWN},
                                   {IDC_SCREEN_BOTTOM, VK_END}};
    WriteToolbars({{"G1", 1001, 4}});
    for (const auto& c : cases)
        for (const bool bKey : {false, true}) {
            SCOPED_TRACE(std::to_string(c.nButton) + " row " + std::to_string(c.nRow) +
                         (bKey ? " key" : ""));
            ClearBoxes();
            Run([&] {
                if (c.nRow >= 0) {
                    SelectRows({c.nRow});
                } else {
                    Dlg().m_listTool.SetItemState(-1, 0, LVIS_SELECTED);
                }
                if (bKey) {
                    Dlg().m_listTool.SetFocus();
                    afx::PressKey(keys.at(c.nButton), MK_CONTROL);
                } else {
                    ClickButton(c.nButton);
                }
                const std::vector<CString> order = Numbers(c.order);
                EXPECT_EQ(ListScreens(), order);
                EXPECT_EQ(GroupScreens("G1"), order);
                EXPECT_EQ(ListSelection(),
                          c.nSelected < 0 ? std::vector<int>{} : std::vector<int>{c.nSelected});
                EXPECT_EQ(Dlg().m_bModified, c.pszRefusal == nullptr);
            });
            EXPECT_EQ(Boxes(),
                      c.pszRefusal ? std::vector<Box>{VoBox(c.pszRefusal)} : std::vector<Box>{});
        }
}

// Dragged rows go behind the row they are dropped on; a run arrives reversed.
TEST_F(Screens, DraggingRowsInsideTheListReordersThem) {
    WriteToolbars({{"G1", 1001, 7}});
    Run([&] {
        CListCtrl& list = Dlg().m_listTool;
        SelectRows({5});
        Drag(list, RowPoint(list, 5), list, RowPoint(list, 2));
        EXPECT_EQ(ListScreens(), Numbers({1001, 1002, 1003, 1006, 1004, 1005, 1007}));
        EXPECT_EQ(ListSelection(), std::vector<int>{3});

        SelectRows({3, 4});
        Drag(list, RowPoint(list, 3), list, RowPoint(list, 0));
        EXPECT_EQ(ListScreens(), Numbers({1001, 1004, 1006, 1002, 1003, 1005, 1007}));
        EXPECT_EQ(GroupScreens("G1"), Numbers({1001, 1004, 1006, 1002, 1003, 1005, 1007}));
        EXPECT_EQ(ListSelection(), std::vector<int>{1});
        EXPECT_TRUE(Dlg().m_bModified);
    });
    EXPECT_TRUE(Boxes().empty());
}

// The message's indices as the list sends them: downwards the row lands at
// the index, upwards behind it, past the end last; bad ones change nothing.
TEST_F(Screens, MovedRowsLandWhereTheMessageSays) {
    const struct {
        int nFrom;
        int nTo;
        std::vector<int> order;
        int nSelected;
    } cases[] = {
        {5, 2, {1001, 1002, 1003, 1006, 1004, 1005, 1007}, 3},
        {1, 4, {1001, 1003, 1004, 1005, 1002, 1006, 1007}, 4},
        {3, 0, {1001, 1004, 1002, 1003, 1005, 1006, 1007}, 1},
        {2, 7, {1001, 1002, 1004, 1005, 1006, 1007, 1003}, 6},
        {-1, 3, {1001, 1002, 1003, 1004, 1005, 1006, 1007}, 2},
        {6, 9, {1001, 1002, 1003, 1004, 1005, 1006, 1007}, 6},
    };
    WriteToolbars({{"G1", 1001, 7}});
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.nFrom) + " to " + std::to_string(c.nTo));
        Run([&] {
            SelectRows({c.nFrom < 0 ? 2 : c.nFrom});
            Dlg().SendMessage(UM_LIST_ITEMS_MOVED, static_cast<WPARAM>(c.nFrom), c.nTo);
            const std::vector<CString> order = Numbers(c.order);
            EXPECT_EQ(ListScreens(), order);
            EXPECT_EQ(ListSelection(), std::vector<int>{c.nSelected});
            EXPECT_EQ(Dlg().m_bModified, c.nFrom >= 0 && c.nFrom != std::min(c.nTo, 6));
        });
    }
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Screens, MenuScreensDroppedOnGroupsAndTheListJoinThem) {
    WriteToolbars({{"G1", 1001, 3}, {"G2", 1010, 2}, {"Full", 1001, 30}});
    Run([&] {
        CTreeCtrl& menu = Dlg().m_treeMenu;
        CTreeCtrl& groups = Dlg().m_treeGroup;
        const HTREEITEM hPrice = MenuItem({"Quotes", "Current price(0101)"});
        menu.EnsureVisible(hPrice);

        // On another group: appended there, the list keeps the current group.
        Drag(menu, ItemPoint(menu, hPrice), groups, ItemPoint(groups, GroupItem("G2")));
        EXPECT_EQ(GroupScreens("G2"), (std::vector<CString>{"1010", "1011", "0101"}));
        EXPECT_EQ(ListScreens(), Numbers(1001, 3));
        EXPECT_TRUE(Dlg().m_bModified);

        // On the list: after the first selected row, wherever it fell.
        SelectRows({0});
        Drag(menu, ItemPoint(menu, hPrice), Dlg().m_listTool, RowPoint(Dlg().m_listTool, 2));
        EXPECT_EQ(ListScreens(), (std::vector<CString>{"1001", "0101", "1002", "1003"}));
        EXPECT_EQ(ListSelection(), std::vector<int>{1});

        // On the current group: appended, and the list shows it.
        const HTREEITEM hOrder = MenuItem({"Quotes", "Order book(0102)"});
        Drag(menu, ItemPoint(menu, hOrder), groups, ItemPoint(groups, GroupItem("G1")));
        EXPECT_EQ(ListScreens(), (std::vector<CString>{"1001", "0101", "1002", "1003", "0102"}));

        // A full group and a duplicate refuse.
        Drag(menu, ItemPoint(menu, hOrder), groups, ItemPoint(groups, GroupItem("Full")));
        Drag(menu, ItemPoint(menu, hOrder), groups, ItemPoint(groups, GroupItem("G1")));
        EXPECT_EQ(GroupScreens("Full"), Numbers(1001, 30));
        EXPECT_EQ(ListScreens().size(), 5u);
    });
    EXPECT_EQ(Boxes(),
              (std::vector<Box>{VoBox(kLimit),
                                VoBox("[Order book] The specified screen already exists.")}));
}

// Rows dropped on a group move there last-row-first; a duplicate goes back
// to its place and stops the walk.
TEST_F(Screens, RowsDroppedOnAGroupMoveThere) {
    WriteToolbars({{"G1", 1001, 4}, {"G2", 1010, 2}, {"Dup", 1001, 1}});
    Run([&] {
        CListCtrl& list = Dlg().m_listTool;
        CTreeCtrl& groups = Dlg().m_treeGroup;
        SelectRows({1, 2});
        Drag(list, RowPoint(list, 1), groups, ItemPoint(groups, GroupItem("G2")));
        EXPECT_EQ(GroupScreens("G2"), Numbers({1010, 1011, 1003, 1002}));
        EXPECT_EQ(ListScreens(), Numbers({1001, 1004}));
        EXPECT_EQ(ListSelection(), std::vector<int>{0});
        EXPECT_TRUE(Dlg().m_bModified);
        EXPECT_TRUE(Boxes().empty());

        // Row 0 (1001) is already in "Dup": row 1 moves, row 0 stays.
        SelectRows({0, 1});
        Drag(list, RowPoint(list, 0), groups, ItemPoint(groups, GroupItem("Dup")));
        EXPECT_EQ(GroupScreens("Dup"), Numbers({1001, 1004}));
        EXPECT_EQ(ListScreens(), Numbers({1001}));
        EXPECT_EQ(ListSelection(), std::vector<int>{0});
        EXPECT_EQ(Boxes(),
                  std::vector<Box>{VoBox("[Screen 1001] The specified screen already exists.")});

        // Dropped back on the menu: removed.
        ClearBoxes();
        SelectRows({0});
        Drag(list, RowPoint(list, 0), Dlg().m_treeMenu,
             ItemPoint(Dlg().m_treeMenu, Dlg().m_treeMenu.GetRootItem()));
        EXPECT_TRUE(ListScreens().empty());
        EXPECT_TRUE(GroupScreens("G1").empty());
    });
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(Screens, RowsDroppedOnAFullGroupStayWithAMessage) {
    WriteToolbars({{"G1", 1101, 3}, {"Full", 1001, 30}});
    Run([&] {
        SelectRows({0, 2});
        Dlg().SendMessage(UM_LIST_DROPPED_ON_GROUPS, 0,
                          reinterpret_cast<LPARAM>(GroupItem("Full")));
        EXPECT_EQ(GroupScreens("G1"), Numbers(1101, 3));
        EXPECT_EQ(GroupScreens("Full"), Numbers(1001, 30));
        // A refusal on the first screen still refreshes at the row before.
        EXPECT_EQ(ListSelection(), std::vector<int>{0});
        Dlg().SendMessage(UM_LIST_DROPPED_ON_GROUPS, 0,
                          reinterpret_cast<LPARAM>(Dlg().m_treeGroup.GetRootItem()));
        Dlg().SendMessage(UM_LIST_DROPPED_ON_GROUPS, 0, 0);
    });
    EXPECT_EQ(Boxes(), std::vector<Box>{VoBox(kLimit)});
}

}  // namespace
