// The tree-view control through CTreeCtrl and its messages: navigation,
// deletion, expansion, selection, hit testing, painting, input and label
// editing, with the notifications its parent receives.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "HostWnd.h"
#include "afxautomation.h"
#include "afxcodepage.h"

namespace {

constexpr DWORD kTreeStyle =
    WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

// A tree of three levels whose children flags do not follow its structure:
//   A   flag set, expanded
//     A1  no flag given
//     A2  flag set, collapsed: A2a, A2b
//     A3  flag set, no children
//   B   flag clear, collapsed: B1, B2
//   C   flag set, no children
class TreeTest : public ::testing::Test {
protected:
    void SetUp() override { Build(kTreeStyle); }

    void Build(DWORD style) {
        ASSERT_TRUE(tree.Create(style, CRect(0, 0, 240, 200), &host, 1030));
        A = Add(TVI_ROOT, "A", 1, TVIS_EXPANDED);
        A1 = Add(A, "A1", -1);
        A2 = Add(A, "A2", 1);
        A2a = Add(A2, "A2a", -1);
        A2b = Add(A2, "A2b", -1);
        A3 = Add(A, "A3", 1);
        B = Add(TVI_ROOT, "B", 0);
        B1 = Add(B, "B1", -1);
        B2 = Add(B, "B2", -1);
        C = Add(TVI_ROOT, "C", 1);
        host.Clear();
    }

    // Inserts last under the parent, with the label as item data's source:
    // each item's data is its position of insertion, counting from 1.
    HTREEITEM Add(HTREEITEM parent, const char* text, int children, UINT state = 0) {
        TVINSERTSTRUCT insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
        insert.item.pszText = const_cast<char*>(text);
        insert.item.lParam = ++m_count;
        insert.item.state = state;
        insert.item.stateMask = TVIS_EXPANDED;
        if (children >= 0) {
            insert.item.mask |= TVIF_CHILDREN;
            insert.item.cChildren = children;
        }
        return tree.InsertItem(&insert);
    }

    CRect Label(HTREEITEM item) {
        CRect rect;
        EXPECT_TRUE(tree.GetItemRect(item, &rect, TRUE));
        return rect;
    }

    std::string Name(HTREEITEM item) {
        return item ? std::string(static_cast<LPCTSTR>(tree.GetItemText(item))) : "null";
    }

    HostWnd host;
    CTreeCtrl tree;
    HTREEITEM A{}, A1{}, A2{}, A2a{}, A2b{}, A3{}, B{}, B1{}, B2{}, C{};

private:
    LPARAM m_count = 0;
};

TEST_F(TreeTest, NavigatesAsWindowsDoesWhateverTheChildrenFlags) {
    struct Case {
        UINT code;
        HTREEITEM from;
        HTREEITEM expected;
    };
    const Case cases[] = {
        {TVGN_ROOT, nullptr, A},
        {TVGN_NEXT, A, B},
        {TVGN_NEXT, C, nullptr},
        {TVGN_PREVIOUS, B, A},
        {TVGN_PREVIOUS, A, nullptr},
        {TVGN_PARENT, A2a, A2},
        {TVGN_PARENT, A, nullptr},
        {TVGN_CHILD, nullptr, A},
        {TVGN_CHILD, TVI_ROOT, A},
        {TVGN_CHILD, A, A1},
        {TVGN_CHILD, B, B1},
        {TVGN_CHILD, A3, nullptr},
        {TVGN_NEXTVISIBLE, A, A1},
        {TVGN_NEXTVISIBLE, A1, A2},
        {TVGN_NEXTVISIBLE, A2, A3},
        {TVGN_NEXTVISIBLE, A2a, A2b},
        {TVGN_NEXTVISIBLE, A2b, A3},
        {TVGN_NEXTVISIBLE, A3, B},
        {TVGN_NEXTVISIBLE, B, C},
        {TVGN_NEXTVISIBLE, B2, C},
        {TVGN_NEXTVISIBLE, C, nullptr},
        {TVGN_PREVIOUSVISIBLE, A1, A},
        {TVGN_PREVIOUSVISIBLE, B, A3},
        {TVGN_PREVIOUSVISIBLE, A, nullptr},
        {TVGN_FIRSTVISIBLE, nullptr, A},
        {TVGN_LASTVISIBLE, nullptr, C},
        {TVGN_CARET, nullptr, nullptr},
        {TVGN_DROPHILITE, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Name(tree.GetNextItem(c.from, c.code)), Name(c.expected))
            << "code " << c.code << " from " << Name(c.from);
    }

    // The children flag is what the item says, not what it holds.
    const std::pair<HTREEITEM, BOOL> flags[] = {{A, 1}, {A1, 0}, {A2, 1}, {A3, 1}, {B, 0}, {C, 1}};
    for (const auto& [item, flag] : flags)
        EXPECT_EQ(tree.ItemHasChildren(item), flag) << Name(item);

    // Once a folder is expanded its children follow it, and the last visible
    // item is the deepest one shown.
    EXPECT_TRUE(tree.Expand(A2, TVE_EXPAND));
    EXPECT_EQ(tree.GetNextVisibleItem(A2), A2a);
    tree.SetItemState(C, TVIS_EXPANDED, TVIS_EXPANDED);
    tree.SetItemState(B, TVIS_EXPANDED, TVIS_EXPANDED);
    EXPECT_EQ(tree.GetNextVisibleItem(B), B1);
    EXPECT_EQ(tree.GetLastVisibleItem(), C);
    // A stale handle names nothing.
    tree.DeleteItem(B2);
    EXPECT_EQ(tree.GetNextItem(B2, TVGN_PARENT), nullptr);
    EXPECT_FALSE(tree.ItemHasChildren(B2));
}

// An item inserted under an open folder shows at once, below its elder
// siblings, and the tree scrolls to reach it; one under a closed folder, or
// under a folder a closed one hides, shows when its folders open.
TEST_F(TreeTest, InsertedItemsShowWhereTheirFoldersAreOpen) {
    CRect row, above;
    const HTREEITEM A4 = Add(A, "A4", -1);
    ASSERT_TRUE(tree.GetItemRect(A4, &row, FALSE));
    ASSERT_TRUE(tree.GetItemRect(A3, &above, FALSE));
    EXPECT_EQ(row.top, above.bottom);
    const HTREEITEM A2c = Add(A2, "A2c", -1);
    const HTREEITEM B1a = Add(B1, "B1a", -1);
    EXPECT_FALSE(tree.GetItemRect(A2c, &row, FALSE));
    EXPECT_FALSE(tree.GetItemRect(B1a, &row, FALSE));
    tree.Expand(A2, TVE_EXPAND);
    EXPECT_TRUE(tree.GetItemRect(A2c, &row, FALSE));
    HTREEITEM last = nullptr;
    for (int n = 0; n < 30; ++n) last = Add(A, "more", -1);
    tree.EnsureVisible(last);
    EXPECT_TRUE(tree.GetItemRect(last, &row, FALSE));
    EXPECT_NE(tree.GetFirstVisibleItem(), A);
    EXPECT_GT(tree.GetScrollPos(SB_VERT), 0);
}

TEST_F(TreeTest, DeletingAFolderReportsEachItemChildrenFirstThenMovesTheSelection) {
    ASSERT_TRUE(tree.SelectItem(A2a));
    host.Clear();
    ASSERT_TRUE(tree.DeleteItem(A));

    std::vector<LPARAM> data;
    for (const Note& note : host.notes) {
        if (note.code == TVN_DELETEITEM) data.push_back(note.lParam);
    }
    EXPECT_EQ(data, (std::vector<LPARAM>{2, 4, 5, 3, 6, 1}));  // A1, A2a, A2b, A2, A3, A
    // The selection, gone with the folder, passes to its next sibling once the
    // deletion is over.
    ASSERT_EQ(host.notes.size(), 8u);
    EXPECT_EQ(host.notes[6].code, TVN_SELCHANGING);
    EXPECT_EQ(host.notes[7].code, TVN_SELCHANGED);
    EXPECT_EQ(host.notes[7].old, nullptr);
    EXPECT_EQ(host.notes[7].item, B);
    EXPECT_EQ(host.notes[7].action, static_cast<UINT>(TVC_UNKNOWN));
    EXPECT_EQ(tree.GetSelectedItem(), B);
    EXPECT_EQ(tree.GetCount(), 4u);

    // A last item takes the selection to its parent, else to its previous sibling.
    tree.SelectItem(B2);
    tree.DeleteItem(B2);
    EXPECT_EQ(tree.GetSelectedItem(), B);
    tree.SelectItem(C);
    tree.DeleteItem(C);
    EXPECT_EQ(tree.GetSelectedItem(), B);

    // Destroying the control reports what is left.
    host.Clear();
    tree.DestroyWindow();
    std::vector<LPARAM> rest;
    for (const Note& note : host.notes) {
        if (note.code == TVN_DELETEITEM) rest.push_back(note.lParam);
    }
    EXPECT_EQ(rest, (std::vector<LPARAM>{8, 7}));  // B1, B
}

TEST_F(TreeTest, ExpandingAsksTheParentOnceAndCanBeRefused) {
    host.answer = [](const NMHDR& h) -> LRESULT { return h.code == TVN_ITEMEXPANDING; };
    EXPECT_FALSE(tree.Expand(A2, TVE_EXPAND));
    EXPECT_EQ(tree.GetItemState(A2, TVIS_EXPANDED), 0u);
    EXPECT_EQ(host.Codes(), std::vector<UINT>{TVN_ITEMEXPANDING});

    host.answer = nullptr;
    host.Clear();
    EXPECT_TRUE(tree.Expand(A2, TVE_EXPAND));
    EXPECT_EQ(tree.GetItemState(A2, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
    ASSERT_EQ(host.Codes(), (std::vector<UINT>{TVN_ITEMEXPANDING, TVN_ITEMEXPANDED}));
    EXPECT_EQ(host.notes[0].item, A2);
    EXPECT_EQ(host.notes[0].action, static_cast<UINT>(TVE_EXPAND));

    // After the first expansion the message expands and collapses silently.
    host.Clear();
    EXPECT_TRUE(tree.Expand(A2, TVE_COLLAPSE));
    EXPECT_TRUE(tree.Expand(A2, TVE_TOGGLE));
    EXPECT_TRUE(host.notes.empty());
    EXPECT_FALSE(tree.Expand(A2a, TVE_EXPAND));  // no flag: nothing to expand

    // A flag without children still asks, so the parent may fill the folder;
    // a folder with its flag clear cannot be expanded.
    EXPECT_TRUE(tree.Expand(A3, TVE_EXPAND));
    EXPECT_EQ(host.Codes(), (std::vector<UINT>{TVN_ITEMEXPANDING, TVN_ITEMEXPANDED}));
    EXPECT_FALSE(tree.Expand(B, TVE_EXPAND));

    // Collapsing the folder of the selection selects the folder.
    tree.Expand(A2, TVE_EXPAND);
    tree.SelectItem(A2b);
    tree.Expand(A2, TVE_COLLAPSE);
    EXPECT_EQ(tree.GetSelectedItem(), A2);
}

TEST_F(TreeTest, SelectingNotifiesWithTheOldAndNewItemAndRevealsTheItem) {
    ASSERT_TRUE(tree.SelectItem(B1));
    // B's flag is clear, so the selection opens nothing: B1 stays hidden.
    EXPECT_EQ(tree.GetSelectedItem(), B1);
    host.Clear();
    ASSERT_TRUE(tree.SelectItem(A2a));
    // The hidden item's folder opens before the selection is announced.
    EXPECT_EQ(host.Codes(), (std::vector<UINT>{TVN_SELCHANGING, TVN_ITEMEXPANDING, TVN_ITEMEXPANDED,
                                               TVN_SELCHANGED}));
    const Note& changed = host.notes.back();
    EXPECT_EQ(changed.old, B1);
    EXPECT_EQ(changed.item, A2a);
    EXPECT_EQ(changed.action, static_cast<UINT>(TVC_UNKNOWN));
    EXPECT_EQ(tree.GetItemState(A2a, TVIS_SELECTED), static_cast<UINT>(TVIS_SELECTED));
    EXPECT_EQ(tree.GetItemState(B1, TVIS_SELECTED), 0u);

    // A refused change leaves the selection.
    host.answer = [](const NMHDR& h) -> LRESULT { return h.code == TVN_SELCHANGING; };
    EXPECT_FALSE(tree.SelectItem(C));
    EXPECT_EQ(tree.GetSelectedItem(), A2a);
    host.answer = nullptr;

    EXPECT_TRUE(tree.SelectDropTarget(A3));
    EXPECT_EQ(tree.GetDropHilightItem(), A3);
    EXPECT_EQ(tree.GetItemState(A3, TVIS_DROPHILITED), static_cast<UINT>(TVIS_DROPHILITED));
    EXPECT_TRUE(tree.SelectDropTarget(nullptr));
    EXPECT_EQ(tree.GetDropHilightItem(), nullptr);
    EXPECT_EQ(tree.GetItemState(A3, TVIS_DROPHILITED), 0u);
}

TEST_F(TreeTest, HitTestNamesThePartUnderThePoint) {
    const int indent = static_cast<int>(tree.GetIndent());
    const CRect a2 = Label(A2), a1 = Label(A1);
    const int mid = (a2.top + a2.bottom) / 2;
    struct Case {
        CPoint pt;
        HTREEITEM item;
        UINT flags;
    };
    const Case cases[] = {
        {{a2.left + 2, mid}, A2, TVHT_ONITEMLABEL},
        {{a2.right + 3, mid}, A2, TVHT_ONITEMRIGHT},
        {{a2.left - indent / 2, mid}, A2, TVHT_ONITEMBUTTON},
        {{a1.left - indent / 2, (a1.top + a1.bottom) / 2}, A1, TVHT_ONITEMINDENT},
        {{1, mid}, A2, TVHT_ONITEMINDENT},
        {{10, 195}, nullptr, TVHT_NOWHERE},
        {{10, -1}, nullptr, TVHT_ABOVE},
    };
    for (const Case& c : cases) {
        UINT flags = 0;
        EXPECT_EQ(tree.HitTest(c.pt, &flags), c.item) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(flags, c.flags) << c.pt.x << "," << c.pt.y;
    }
    // The whole row spans the client area; an item in a closed folder has no rectangle.
    CRect row;
    ASSERT_TRUE(tree.GetItemRect(A2, &row, FALSE));
    EXPECT_EQ(row.left, 0);
    EXPECT_EQ(row.top, a2.top);
    EXPECT_EQ(row.bottom, a2.bottom);
    EXPECT_FALSE(tree.GetItemRect(A2a, &row, FALSE));
    // Rows follow each other without gaps.
    EXPECT_EQ(Label(A3).top, a2.bottom);
}

TEST_F(TreeTest, MouseSelectsExpandsAndReportsClicks) {
    const CRect a3 = Label(A3);
    afx::Click(tree, CPoint(a3.left + 3, a3.top + 3));
    // The parent hears of the click while the old item is still selected.
    ASSERT_EQ(host.Codes(), (std::vector<UINT>{NM_CLICK, TVN_SELCHANGING, TVN_SELCHANGED}));
    EXPECT_EQ(host.notes[0].caret, nullptr);
    EXPECT_EQ(host.notes[2].item, A3);
    EXPECT_EQ(host.notes[2].action, static_cast<UINT>(TVC_BYMOUSE));

    // A press on the button toggles the folder and leaves the selection.
    host.Clear();
    const CRect a2 = Label(A2);
    const int indent = static_cast<int>(tree.GetIndent());
    afx::Click(tree, CPoint(a2.left - indent / 2, (a2.top + a2.bottom) / 2));
    EXPECT_EQ(host.Codes(), (std::vector<UINT>{TVN_ITEMEXPANDING, TVN_ITEMEXPANDED}));
    EXPECT_EQ(tree.GetItemState(A2, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
    EXPECT_EQ(tree.GetSelectedItem(), A3);

    // A double click reports NM_DBLCLK, then opens or closes the item.
    auto doubleClicks = [this] {
        const std::vector<UINT> codes = host.Codes();
        return std::count(codes.begin(), codes.end(), static_cast<UINT>(NM_DBLCLK));
    };
    host.Clear();
    afx::DoubleClick(tree, CPoint(a2.left + 3, a2.top + 3));
    EXPECT_EQ(tree.GetItemState(A2, TVIS_EXPANDED), 0u);
    EXPECT_EQ(doubleClicks(), 1);
    EXPECT_EQ(tree.GetSelectedItem(), A2);
    // A parent that handles the double click keeps the item as it is.
    host.answer = [](const NMHDR& h) -> LRESULT { return h.code == NM_DBLCLK; };
    afx::DoubleClick(tree, CPoint(a2.left + 3, a2.top + 3));
    EXPECT_EQ(doubleClicks(), 2);
    EXPECT_EQ(tree.GetItemState(A2, TVIS_EXPANDED), 0u);
}

TEST_F(TreeTest, KeysMoveTheSelectionAndOpenFolders) {
    const CRect a = Label(A);
    afx::Click(tree, CPoint(a.left + 2, a.top + 2));  // selects A and takes the focus
    ASSERT_EQ(tree.GetSelectedItem(), A);
    host.Clear();
    afx::PressKey(VK_DOWN);
    EXPECT_EQ(tree.GetSelectedItem(), A1);
    ASSERT_FALSE(host.notes.empty());
    EXPECT_EQ(host.notes.back().code, TVN_SELCHANGED);
    EXPECT_EQ(host.notes.back().action, static_cast<UINT>(TVC_BYKEYBOARD));
    afx::PressKey(VK_DOWN);
    afx::PressKey(VK_RIGHT);  // opens A2
    EXPECT_EQ(tree.GetItemState(A2, TVIS_EXPANDED), static_cast<UINT>(TVIS_EXPANDED));
    afx::PressKey(VK_RIGHT);  // to its first child
    EXPECT_EQ(tree.GetSelectedItem(), A2a);
    afx::PressKey(VK_LEFT);  // to the parent
    EXPECT_EQ(tree.GetSelectedItem(), A2);
    afx::PressKey(VK_END);
    EXPECT_EQ(tree.GetSelectedItem(), C);
}

TEST_F(TreeTest, TheParentCanRefuseOrLimitALabelEditInBytes) {
    tree.ModifyStyle(0, TVS_EDITLABELS);
    host.answer = [](const NMHDR& h) -> LRESULT { return h.code == TVN_BEGINLABELEDIT; };
    EXPECT_EQ(tree.EditLabel(A1), nullptr);
    EXPECT_EQ(tree.GetEditControl(), nullptr);

    // The parent limits the editor while it is asked, as the group tree does.
    host.answer = [this](const NMHDR& h) -> LRESULT {
        if (h.code == TVN_BEGINLABELEDIT) tree.GetEditControl()->LimitText(5);
        return 0;
    };
    CEdit* edit = tree.EditLabel(A1);
    ASSERT_NE(edit, nullptr);
    edit->SetWindowText("");
    afx::TypeText(afx::Utf8ToCp949("가나다").c_str());  // 6 bytes; the third does not fit
    afx::PressKey(VK_RETURN);
    ASSERT_EQ(host.notes.back().code, static_cast<UINT>(TVN_ENDLABELEDIT));
    EXPECT_EQ(host.notes.back().text, afx::Utf8ToCp949("가나"));

    // Without TVS_EDITLABELS there is no editing.
    tree.ModifyStyle(TVS_EDITLABELS, 0);
    EXPECT_EQ(tree.EditLabel(A1), nullptr);
}

}  // namespace
