#include "DragDropFixture.h"

namespace {

constexpr LPCSTR kOnlyScreens = "You can add only screen in the VORK menu.";

// Trees and items of the test dialog, named by member.
using D = CDragDropTestDlg;
using TreeOf = CDDTreeCtrl D::*;
using ItemOf = HTREEITEM D::*;
constexpr TreeOf Menu = &D::m_treeMenu, Group = &D::m_treeGroup, Link = &D::m_treeLink,
                 List = nullptr;
constexpr ItemOf None = nullptr, Price = &D::m_hCurrentPrice, Balance = &D::m_hBalance,
                 Daily = &D::m_hDailyChart, Quotes = &D::m_hQuotes, Root = &D::m_hGroupRoot,
                 G1 = &D::m_hGroup1, G2 = &D::m_hGroup2, Folder = &D::m_hLinkFolder,
                 L1 = &D::m_hLinkFirst, L2 = &D::m_hLinkSecond;

// The menu tree drags screens only and tells of them wherever they land but
// on itself; the group tree never drags; a tree with self-drops tells of
// its items moved within it, but not onto themselves. A drop lands on the
// last highlighted item, never the first root item. Rows of a list tell the
// menu and group trees where they landed; the list drags follow tree drags
// of earlier cases, so no tree drag lingers.
TEST_F(DragDrop, TreeDropsTellTheDialogWhatWasDroppedWhere) {
    struct Target {
        TreeOf tree;
        ItemOf item;  // None: empty space below the items
    };
    struct Case {
        const char* name;
        TreeOf sourceTree;  // List: row 3 of the list
        ItemOf source;
        std::vector<Target> path;
        UINT nMessage;  // sent with the dragged item (none for rows) and target, or 0 for none
        ItemOf target;
        BOOL bLinkSelfDrop = FALSE;
        bool bDragStarts = true;
        LPCSTR pszBox = nullptr;
    };
    constexpr UINT kDropped = UM_MENU_ITEM_DROPPED, kMoved = UM_TREE_ITEM_MOVED,
                   kOnGroups = UM_LIST_DROPPED_ON_GROUPS, kOnMenu = UM_LIST_DROPPED_ON_MENU;
    const Case cases[] = {
        {"a screen onto a group", Menu, Price, {{Group, G2}}, kDropped, G2},
        {"over the group tree's root only", Menu, Price, {{Group, Root}}, 0, None},
        {"the root keeps the highlight", Menu, Price, {{Group, G1}, {Group, Root}}, kDropped, G1},
        {"empty space keeps it too", Menu, Balance, {{Group, G1}, {Group, None}}, kDropped, G1},
        {"released inside the menu tree", Menu, Price, {{Menu, Balance}}, 0, None},
        {"a folder of the menu tree", Menu, Quotes, {{Group, G1}}, 0, None, 0, 0, kOnlyScreens},
        {"the group tree never drags", Group, G1, {{Group, G2}}, 0, None, FALSE, false},
        {"a screen of the menu onto another tree", Menu, Balance, {{Link, L2}}, kDropped, L2},
        {"a folder of a plain tree onto a group", Link, Folder, {{Group, G1}}, 0, None},
        {"an item onto another of its tree", Link, L1, {{Link, L2}}, kMoved, L2, TRUE},
        {"an item onto itself", Link, L1, {{Link, L2}, {Link, L1}}, 0, None, TRUE},
        {"a tree without self-drops onto itself", Link, L1, {{Link, L2}}, 0, None},
        {"rows onto a group", List, None, {{Group, G1}}, kOnGroups, G1},
        {"rows onto the menu", List, None, {{Menu, Daily}}, kOnMenu, Daily},
        {"rows onto the group tree's empty space", List, None, {{Group, None}}, kOnGroups, None},
        {"rows onto a plain tree", List, None, {{Link, L1}}, 0, None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDragDropTestDlg dlg;
        afx::ClearMessageBoxRecords();
        dlg.Run([&] {
            dlg.m_treeLink.m_bAllowSelfDrop = c.bLinkSelfDrop;
            std::vector<Place> via;
            for (const Target& t : c.path) {
                CDDTreeCtrl& tree = dlg.*t.tree;
                via.push_back(
                    {&tree, t.item == None ? EndPoint(tree) : ItemPoint(tree, dlg.*t.item)});
            }
            const Place to = via.back();
            via.pop_back();
            const HTREEITEM hSource = c.source == None ? nullptr : dlg.*c.source;
            const HTREEITEM hTarget = c.target == None ? nullptr : dlg.*c.target;
            if (c.sourceTree == List) {
                SelectRows(dlg.m_listTool, {3});
                EXPECT_TRUE(Drag({&dlg.m_listTool, RowPoint(dlg.m_listTool, 3)}, via, to));
            } else {
                CDDTreeCtrl& source = dlg.*c.sourceTree;
                EXPECT_EQ(Drag({&source, ItemPoint(source, hSource)}, via, to), c.bDragStarts);
                EXPECT_EQ(source.GetSelectedItem(), hSource);
            }
            std::vector<Received> expected;
            if (c.nMessage != 0) expected.push_back(Item(c.nMessage, hSource, hTarget));
            EXPECT_EQ(dlg.m_received, expected);
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
        CDDTreeCtrl& group = m_dlg.m_treeGroup;
        // Cancelled where it stands, with the cursor shown there.
        EXPECT_TRUE(Drag({&menu, ItemPoint(menu, m_dlg.m_hCurrentPrice)}, {},
                         {&menu, ItemPoint(menu, m_dlg.m_hBalance)}, true));
        EXPECT_EQ(afx::DragFeedback(), static_cast<DROPEFFECT>(DROPEFFECT_NONE));
        EXPECT_TRUE(Drag({&menu, ItemPoint(menu, m_dlg.m_hCurrentPrice)}, {},
                         {&group, ItemPoint(group, m_dlg.m_hGroup1)}, true));
        EXPECT_EQ(afx::DragFeedback(), static_cast<DROPEFFECT>(DROPEFFECT_COPY));
    });
    EXPECT_TRUE(m_dlg.m_received.empty());
}

TEST_F(DragDrop, FoldersExpandUnderTheCursorOnlyWithSelfDrops) {
    m_dlg.Run([&] {
        CDDTreeCtrl& link = m_dlg.m_treeLink;
        CDDTreeCtrl& group = m_dlg.m_treeGroup;
        link.m_bAllowSelfDrop = TRUE;
        Drag({&link, ItemPoint(link, m_dlg.m_hLinkFirst)}, {},
             {&link, ItemPoint(link, m_dlg.m_hLinkFolder)}, true);
        EXPECT_NE(link.GetItemState(m_dlg.m_hLinkFolder, TVIS_EXPANDED), 0u);

        Drag({&link, ItemPoint(link, m_dlg.m_hLinkFirst)}, {},
             {&group, ItemPoint(group, m_dlg.m_hGroup2)}, true);
        EXPECT_EQ(group.GetItemState(m_dlg.m_hGroup2, TVIS_EXPANDED), 0u);
    });
    EXPECT_TRUE(m_dlg.m_received.empty());
}

int VisibleIndex(const CTreeCtrl& tree, HTREEITEM hItem) {
    int n = 0;
    for (HTREEITEM h = tree.GetRootItem(); h != nullptr && h != hItem;
         h = tree.GetNextVisibleItem(h)) {
        ++n;
    }
    return n;
}

// An edge band reaches 10 pixels inside the client rectangle, whose right
// and bottom lie just outside it; each drag-over there scrolls one line.
TEST_F(DragDrop, DragOverScrollsOneLinePerCallWithinTenPixelsOfAnEdge) {
    constexpr int kMid = 0;  // the cursor's x or y in the middle of the tree
    const struct {
        int x, y;       // from the left or top edge when positive, else the right or bottom
        int nLines;     // lines scrolled down over two drag-overs
        int nSideways;  // +1: content moved left (a column right); -1: right
    } cases[] = {{kMid, -10, 2, 0}, {kMid, -11, 0, 0}, {kMid, 10, -2, 0}, {kMid, 11, 0, 0},
                 {-10, kMid, 0, 1}, {-11, kMid, 0, 0}, {10, kMid, 0, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        CDragDropTestDlg dlg;
        dlg.Run([&] {
            CDDTreeCtrl& link = dlg.m_treeLink;
            CRect rc;
            link.GetClientRect(&rc);
            // Start from the middle of the content, scrolled down and right.
            HTREEITEM hMiddle = link.GetRootItem();
            for (int i = 0; i < 12; ++i) hMiddle = link.GetNextVisibleItem(hMiddle);
            link.SelectSetFirstVisible(hMiddle);
            link.SendMessage(WM_HSCROLL, SB_LINERIGHT);
            link.SendMessage(WM_HSCROLL, SB_LINERIGHT);
            const int nFirstBefore = VisibleIndex(link, link.GetFirstVisibleItem());
            CRect rcBefore;
            link.GetItemRect(link.GetFirstVisibleItem(), &rcBefore, TRUE);

            const auto at = [](int v, int lo, int hi, int mid) {
                return v == kMid ? mid : v > 0 ? lo + v : hi + v;
            };
            const CPoint edge(at(c.x, rc.left, rc.right, rc.CenterPoint().x),
                              at(c.y, rc.top, rc.bottom, rc.CenterPoint().y));
            // Two drag-overs along the band.
            const CPoint along =
                c.x == kMid ? CPoint(edge.x + 1, edge.y) : CPoint(edge.x, edge.y + 1);
            afx::DragFrom(dlg.m_treeMenu, ItemPoint(dlg.m_treeMenu, dlg.m_hBalance),
                          {afx::DragStep::MoveTo(ToScreen(link, rc.CenterPoint())),
                           afx::DragStep::MoveTo(ToScreen(link, edge)),
                           afx::DragStep::MoveTo(ToScreen(link, along)), afx::DragStep::Escape()});

            CRect rcAfter;
            const HTREEITEM hFirst = link.GetFirstVisibleItem();
            link.GetItemRect(hFirst, &rcAfter, TRUE);
            EXPECT_EQ(VisibleIndex(link, hFirst) - nFirstBefore, c.nLines);
            const int nShift = rcAfter.left - rcBefore.left;
            EXPECT_EQ(nShift < 0 ? 1 : nShift > 0 ? -1 : 0, c.nSideways);
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
