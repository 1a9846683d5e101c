#include "DragDropFixture.h"

namespace {

constexpr LPCSTR kOnlyScreens = "You can add only screen in the VORK menu.";

// A client point of a tree below its last item, on no item.
CPoint EmptySpace(const CTreeCtrl& tree) {
    CRect rcClient;
    tree.GetClientRect(&rcClient);
    return {rcClient.CenterPoint().x, rcClient.bottom - 15};
}

// Trees and items of the test dialog, named by member.
using TreeOf = CDDTreeCtrl CDragDropTestDlg::*;
using ItemOf = HTREEITEM CDragDropTestDlg::*;
constexpr TreeOf Menu = &CDragDropTestDlg::m_treeMenu;
constexpr TreeOf Group = &CDragDropTestDlg::m_treeGroup;
constexpr TreeOf Link = &CDragDropTestDlg::m_treeLink;
constexpr ItemOf None = nullptr;

TEST_F(DragDrop, TreeDragsTellTheDialogWhatWasDroppedWhere) {
    using D = CDragDropTestDlg;
    struct Target {
        TreeOf tree;
        ItemOf item;  // None: empty space below the items
    };
    struct Case {
        const char* name;
        TreeOf sourceTree;
        ItemOf sourceItem;
        BOOL bLinkSelfDrop;
        std::vector<Target> path;
        bool bDragStarts;
        UINT nMessage;  // the expected message with dragged and target item, or 0 for none
        ItemOf dragged;
        ItemOf target;  // an item of the last tree of the path
        LPCSTR pszBox;
    };
    const Case cases[] = {
        {"a screen onto a group",
         Menu,
         &D::m_hCurrentPrice,
         FALSE,
         {{Group, &D::m_hGroup2}},
         true,
         UM_MENU_ITEM_DROPPED,
         &D::m_hCurrentPrice,
         &D::m_hGroup2,
         nullptr},
        {"over the group tree's root only",
         Menu,
         &D::m_hCurrentPrice,
         FALSE,
         {{Group, &D::m_hGroupRoot}},
         true,
         0,
         None,
         None,
         nullptr},
        {"the root keeps the last highlight",
         Menu,
         &D::m_hCurrentPrice,
         FALSE,
         {{Group, &D::m_hGroup1}, {Group, &D::m_hGroupRoot}},
         true,
         UM_MENU_ITEM_DROPPED,
         &D::m_hCurrentPrice,
         &D::m_hGroup1,
         nullptr},
        {"empty space keeps the last highlight",
         Menu,
         &D::m_hBalance,
         FALSE,
         {{Group, &D::m_hGroup1}, {Group, None}},
         true,
         UM_MENU_ITEM_DROPPED,
         &D::m_hBalance,
         &D::m_hGroup1,
         nullptr},
        {"released inside the menu tree",
         Menu,
         &D::m_hCurrentPrice,
         FALSE,
         {{Menu, &D::m_hBalance}},
         true,
         0,
         None,
         None,
         nullptr},
        {"a folder of the menu tree",
         Menu,
         &D::m_hQuotes,
         FALSE,
         {{Group, &D::m_hGroup1}},
         false,
         0,
         None,
         None,
         kOnlyScreens},
        {"the group tree never drags",
         Group,
         &D::m_hGroup1,
         FALSE,
         {{Group, &D::m_hGroup2}},
         false,
         0,
         None,
         None,
         nullptr},
        {"a screen of the menu onto another tree",
         Menu,
         &D::m_hBalance,
         FALSE,
         {{Link, &D::m_hLinkSecond}},
         true,
         UM_MENU_ITEM_DROPPED,
         &D::m_hBalance,
         &D::m_hLinkSecond,
         nullptr},
        {"a folder of a plain tree onto a group",
         Link,
         &D::m_hLinkFolder,
         FALSE,
         {{Group, &D::m_hGroup1}},
         true,
         0,
         None,
         None,
         nullptr},
        {"an item onto another of its tree",
         Link,
         &D::m_hLinkFirst,
         TRUE,
         {{Link, &D::m_hLinkSecond}},
         true,
         UM_TREE_ITEM_MOVED,
         &D::m_hLinkFirst,
         &D::m_hLinkSecond,
         nullptr},
        {"an item onto itself",
         Link,
         &D::m_hLinkFirst,
         TRUE,
         {{Link, &D::m_hLinkSecond}, {Link, &D::m_hLinkFirst}},
         true,
         0,
         None,
         None,
         nullptr},
        {"an item of a tree without self-drops onto its own tree",
         Link,
         &D::m_hLinkFirst,
         FALSE,
         {{Link, &D::m_hLinkSecond}},
         true,
         0,
         None,
         None,
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDragDropTestDlg dlg;
        afx::ClearMessageBoxRecords();
        dlg.Run([&] {
            dlg.m_treeLink.m_bAllowSelfDrop = c.bLinkSelfDrop;
            std::vector<afx::DragStep> path;
            for (const Target& target : c.path) {
                const CDDTreeCtrl& tree = dlg.*target.tree;
                const CPoint point =
                    target.item == None ? EmptySpace(tree) : ItemPoint(tree, dlg.*target.item);
                const std::vector<afx::DragStep> steps = Over(tree, point);
                path.insert(path.end(), steps.begin(), steps.end());
            }
            path.push_back(afx::DragStep::Release());
            CDDTreeCtrl& source = dlg.*c.sourceTree;
            const HTREEITEM hSource = dlg.*c.sourceItem;
            EXPECT_EQ(afx::DragFrom(source, ItemPoint(source, hSource), path), c.bDragStarts);

            std::vector<Received> expected;
            if (c.nMessage != 0)
                expected.push_back(Item(c.nMessage, dlg.*c.dragged, dlg.*c.target));
            EXPECT_EQ(dlg.m_received, expected);
            EXPECT_EQ(source.GetSelectedItem(), hSource);
            for (TreeOf tree : {Menu, Group, Link}) {
                EXPECT_EQ((dlg.*tree).GetDropHilightItem(), nullptr);
            }
            EXPECT_EQ(CDDTreeCtrl::GetDragSource(), nullptr);
            if (c.pszBox == nullptr) {
                EXPECT_TRUE(BoxTexts().empty());
            } else {
                ExpectOneNotice(c.pszBox, dlg.m_treeMenu);
            }
        });
    }
}

TEST_F(DragDrop, ReleasingInsideTheSourceTreeShowsTheNoDropCursor) {
    m_dlg.Run([&] {
        CDDTreeCtrl& menu = m_dlg.m_treeMenu;
        // A path without release: the drag is cancelled where it stands.
        EXPECT_TRUE(afx::DragFrom(menu, ItemPoint(menu, m_dlg.m_hCurrentPrice),
                                  Over(menu, ItemPoint(menu, m_dlg.m_hBalance))));
        EXPECT_EQ(afx::DragFeedback(), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
        EXPECT_TRUE(
            afx::DragFrom(menu, ItemPoint(menu, m_dlg.m_hCurrentPrice),
                          Over(m_dlg.m_treeGroup, ItemPoint(m_dlg.m_treeGroup, m_dlg.m_hGroup1))));
        EXPECT_EQ(afx::DragFeedback(), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    });
    EXPECT_TRUE(m_dlg.m_received.empty());
}

TEST_F(DragDrop, ListRowsDroppedOnATreeNameTheTargetItemOnly) {
    m_dlg.Run([&] {
        CDDListCtrl& list = m_dlg.m_listTool;
        CDDTreeCtrl& menu = m_dlg.m_treeMenu;
        CDDTreeCtrl& group = m_dlg.m_treeGroup;
        // A tree drag first: the list's drags that follow are not tree drags.
        EXPECT_TRUE(afx::DragFrom(menu, ItemPoint(menu, m_dlg.m_hBalance),
                                  DropPath({{&group, ItemPoint(group, m_dlg.m_hGroup2)}})));
        SelectRows(list, {3});
        EXPECT_TRUE(afx::DragFrom(list, RowPoint(list, 3),
                                  DropPath({{&group, ItemPoint(group, m_dlg.m_hGroup1)}})));
        EXPECT_TRUE(afx::DragFrom(list, RowPoint(list, 3),
                                  DropPath({{&menu, ItemPoint(menu, m_dlg.m_hDailyChart)}})));
        EXPECT_TRUE(
            afx::DragFrom(list, RowPoint(list, 3), DropPath({{&group, EmptySpace(group)}})));
        EXPECT_TRUE(afx::DragFrom(
            list, RowPoint(list, 3),
            DropPath({{&m_dlg.m_treeLink, ItemPoint(m_dlg.m_treeLink, m_dlg.m_hLinkFirst)}})));
    });
    const std::vector<Received> expected = {
        Item(UM_MENU_ITEM_DROPPED, m_dlg.m_hBalance, m_dlg.m_hGroup2),
        Item(UM_LIST_DROPPED_ON_GROUPS, nullptr, m_dlg.m_hGroup1),
        Item(UM_LIST_DROPPED_ON_MENU, nullptr, m_dlg.m_hDailyChart),
        Item(UM_LIST_DROPPED_ON_GROUPS, nullptr, nullptr),
    };
    EXPECT_EQ(m_dlg.m_received, expected);
}

TEST_F(DragDrop, FoldersExpandUnderTheCursorOnlyWithSelfDrops) {
    m_dlg.Run([&] {
        CDDTreeCtrl& link = m_dlg.m_treeLink;
        CDDTreeCtrl& group = m_dlg.m_treeGroup;
        link.m_bAllowSelfDrop = TRUE;
        std::vector<afx::DragStep> path = Over(link, ItemPoint(link, m_dlg.m_hLinkFolder));
        path.push_back(afx::DragStep::Escape());
        afx::DragFrom(link, ItemPoint(link, m_dlg.m_hLinkFirst), path);
        EXPECT_NE(link.GetItemState(m_dlg.m_hLinkFolder, TVIS_EXPANDED), 0u);

        path = Over(group, ItemPoint(group, m_dlg.m_hGroup2));
        path.push_back(afx::DragStep::Escape());
        afx::DragFrom(link, ItemPoint(link, m_dlg.m_hLinkFirst), path);
        EXPECT_EQ(group.GetItemState(m_dlg.m_hGroup2, TVIS_EXPANDED), 0u);
    });
    EXPECT_TRUE(m_dlg.m_received.empty());
}

// Which way a tree scrolled: lines down (first visible item), and +1 for
// content moved left (a column right), -1 for content moved right.
struct Scrolled {
    int nLines;
    int nSideways;
};

int VisibleIndex(const CTreeCtrl& tree, HTREEITEM hItem) {
    int n = 0;
    for (HTREEITEM h = tree.GetRootItem(); h != nullptr && h != hItem;
         h = tree.GetNextVisibleItem(h)) {
        ++n;
    }
    return n;
}

TEST_F(DragDrop, DragOverScrollsOneLinePerCallWithinTenPixelsOfAnEdge) {
    struct Case {
        const char* name;
        int dx, dy;  // the cursor, from the named edge of the client rectangle
        bool bFromRight, bFromBottom;
        int nOvers;
        Scrolled expected;
    };
    // An edge band reaches 10 pixels inside the client rectangle; the
    // rectangle's right and bottom lie just outside it.
    const Case cases[] = {
        {"bottom - 10", 0, -10, false, true, 3, {3, 0}},
        {"bottom - 11", 0, -11, false, true, 3, {0, 0}},
        {"top + 10", 0, 10, false, false, 2, {-2, 0}},
        {"top + 11", 0, 11, false, false, 2, {0, 0}},
        {"right - 10", -10, 0, true, false, 2, {0, 1}},
        {"right - 11", -11, 0, true, false, 2, {0, 0}},
        {"left + 10", 10, 0, false, false, 2, {0, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDragDropTestDlg dlg;
        dlg.Run([&] {
            CDDTreeCtrl& link = dlg.m_treeLink;
            CRect rcClient;
            link.GetClientRect(&rcClient);
            // Start from the middle of the content, scrolled down and right.
            HTREEITEM hMiddle = link.GetRootItem();
            for (int i = 0; i < 12; ++i) hMiddle = link.GetNextVisibleItem(hMiddle);
            link.SelectSetFirstVisible(hMiddle);
            link.SendMessage(WM_HSCROLL, SB_LINERIGHT);
            link.SendMessage(WM_HSCROLL, SB_LINERIGHT);
            const int nFirstBefore = VisibleIndex(link, link.GetFirstVisibleItem());
            CRect rcBefore;
            link.GetItemRect(link.GetFirstVisibleItem(), &rcBefore, TRUE);

            const CPoint mid = rcClient.CenterPoint();
            const bool bVertical = c.dy != 0;
            const CPoint edge(
                bVertical ? mid.x : (c.bFromRight ? rcClient.right : rcClient.left) + c.dx,
                bVertical ? (c.bFromBottom ? rcClient.bottom : rcClient.top) + c.dy : mid.y);
            std::vector<afx::DragStep> path = {afx::DragStep::MoveTo(ToScreen(link, mid))};
            for (int i = 0; i < c.nOvers; ++i) {
                // Along the band, one drag-over each.
                const CPoint along =
                    bVertical ? CPoint(edge.x + i, edge.y) : CPoint(edge.x, edge.y + i);
                path.push_back(afx::DragStep::MoveTo(ToScreen(link, along)));
            }
            path.push_back(afx::DragStep::Escape());
            afx::DragFrom(dlg.m_treeMenu, ItemPoint(dlg.m_treeMenu, dlg.m_hBalance), path);

            CRect rcAfter;
            const HTREEITEM hFirst = link.GetFirstVisibleItem();
            link.GetItemRect(hFirst, &rcAfter, TRUE);
            EXPECT_EQ(VisibleIndex(link, hFirst) - nFirstBefore, c.expected.nLines);
            const int nShift = rcAfter.left - rcBefore.left;
            EXPECT_EQ(nShift < 0 ? 1 : nShift > 0 ? -1 : 0, c.expected.nSideways);
        });
    }
}

TEST_F(DragDrop, EnterAndEscapeEndAGroupNameEditWithoutClosingTheDialog) {
    m_dlg.Run([&] {
        CDDTreeCtrl& group = m_dlg.m_treeGroup;
        group.SetFocus();
        group.SelectItem(m_dlg.m_hGroup1);
        ASSERT_NE(group.EditLabel(m_dlg.m_hGroup1), nullptr);
        group.GetEditControl()->SetWindowText("");
        afx::TypeText("Renamed");
        afx::PressKey(VK_RETURN);
        EXPECT_EQ(group.GetEditControl(), nullptr);
        EXPECT_EQ(afx::TopModalWindow(), m_dlg.m_hWnd);

        ASSERT_NE(group.EditLabel(m_dlg.m_hGroup1), nullptr);
        afx::TypeText("Other");
        afx::PressKey(VK_ESCAPE);
        EXPECT_EQ(group.GetEditControl(), nullptr);
        EXPECT_EQ(afx::TopModalWindow(), m_dlg.m_hWnd);
        EXPECT_EQ(group.GetItemText(m_dlg.m_hGroup1), CString("Renamed"));
    });
    ASSERT_EQ(m_dlg.m_labelEdits.size(), 2u);
    // The selected item already carries the typed text when the dialog hears of the end.
    EXPECT_FALSE(m_dlg.m_labelEdits[0].bCancelled);
    EXPECT_EQ(m_dlg.m_labelEdits[0].strText, CString("Renamed"));
    EXPECT_EQ(m_dlg.m_labelEdits[0].strSelectedLabel, CString("Renamed"));
    EXPECT_TRUE(m_dlg.m_labelEdits[1].bCancelled);
    EXPECT_EQ(m_dlg.m_labelEdits[1].strSelectedLabel, CString("Renamed"));
}

}  // namespace
