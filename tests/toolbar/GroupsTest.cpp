// The group operations driven through the dialog: adding with default names
// and the limit, renaming in the label editor, deleting one group or all,
// and moving a screen to another group through the group move dialog.
#include "ToolbarDialogFixture.h"

namespace {

class Groups : public ToolbarDialog {
protected:
    // Groups of the names given, each with three screens from 1001 on.
    void WriteGroups(const std::vector<std::string>& names) {
        std::string text = "[LIST]\r\nItemCnt=" + std::to_string(names.size()) + "\r\n";
        for (std::size_t i = 0; i < names.size(); ++i) {
            text += (i < 9 ? "0" : "") + std::to_string(i + 1) + "=" + names[i] + "\r\n";
        }
        for (const std::string& name : names) {
            text += "[" + name +
                    "]\r\nItemCnt=3\r\n01=1001,S1,One\r\n02=1002,S2,Two\r\n03=1003,S3,Three\r\n";
        }
        WriteBytes(UserFile(), text);
    }
};

// A new group takes the first default name no group has in any case, is
// selected with its empty list and its label open for typing.
TEST_F(Groups, AddGroupNamesTheGroupAndOpensItsLabel) {
    const struct {
        std::vector<std::string> groups;
        const char* pszNew;
    } cases[] = {
        {{}, "NewGroup"},
        {{"NewGroup"}, "NewGroup(1)"},
        {{"NewGroup", "NewGroup(2)"}, "NewGroup(1)"},
        {{"newgroup", "NEWGROUP(1)"}, "NewGroup(2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszNew);
        WriteGroups(c.groups);
        Run([&] {
            ClickButton(IDC_ADD_GROUP);
            std::vector<CString> expected(c.groups.begin(), c.groups.end());
            expected.push_back(c.pszNew);
            EXPECT_EQ(GroupLabels(), expected);
            EXPECT_EQ(SelectedLabel(), c.pszNew);
            EXPECT_EQ(EditorText(), c.pszNew);
            EXPECT_TRUE(ListScreens().empty());
            const HTREEITEM hRoot = GroupTree().GetRootItem();
            EXPECT_TRUE(GroupTree().ItemHasChildren(hRoot));
            EXPECT_TRUE(GroupTree().GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED);
        });
        EXPECT_TRUE(Boxes().empty());
    }
}

TEST_F(Groups, AddGroupStopsAtTwentyGroups) {
    std::vector<std::string> names;
    for (int i = 1; i <= 19; ++i) names.push_back("G" + std::to_string(i));
    WriteGroups(names);
    Run([&] {
        ClickButton(IDC_ADD_GROUP);
        EXPECT_EQ(GroupLabels().size(), 20u);
        EXPECT_TRUE(Boxes().empty());
        afx::PressKey(VK_RETURN);
        ClickButton(IDC_ADD_GROUP);
        EXPECT_EQ(GroupLabels().size(), 20u);
    });
    EXPECT_EQ(Boxes(), std::vector<Box>{VoBox("Can't create any more groups.")});
}

// What the label editor's Enter and Escape make of the first group's name:
// free names are taken without the blanks around them, its own name in any
// case too, an emptied label gives the old name back, the editor holds 40
// bytes, Escape keeps it all. The names taken are saved.
TEST_F(Groups, RenamingInTheLabelEditor) {
    const std::string strKorean22 = Cp949("가나다라마바사아자차카타파하가나다라마바사아");
    const struct {
        const char* pszCase;
        std::string typed;
        UINT vkEnd;
        std::string expected;
    } cases[] = {
        {"new name", "Quotes", VK_RETURN, "Quotes"},
        {"own name in other case", "g1", VK_RETURN, "g1"},
        {"blanks around", "  Mine  ", VK_RETURN, "Mine"},
        {"brackets and signs", "[Top; a=b 'x\"", VK_RETURN, "[Top; a=b 'x\""},
        {"lone quote", "'", VK_RETURN, "'"},
        {"emptied", "", VK_RETURN, "G1"},
        {"45 letters", std::string(45, 'n'), VK_RETURN, std::string(40, 'n')},
        {"22 Korean letters", strKorean22, VK_RETURN, strKorean22.substr(0, 40)},
        {"escape", "Quotes", VK_ESCAPE, "G1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        WriteGroups({"G1", "G2"});
        ClearBoxes();
        RunToEnd([&] {
            ASSERT_EQ(SelectedLabel(), "G1");
            ClickButton(IDC_RENAME_GROUP);
            EXPECT_EQ(EditorText(), "G1");
            if (c.typed.empty()) {
                afx::PressKey(VK_DELETE);
            } else {
                afx::TypeText(c.typed.c_str());
            }
            afx::PressKey(c.vkEnd);
            EXPECT_EQ(EditorText(), "<closed>");
            EXPECT_EQ(GroupLabels(), (std::vector<CString>{c.expected.c_str(), "G2"}));
            ClickButton(IDC_SAVE);
        });
        EXPECT_EQ(Boxes(), std::vector<Box>{kSaveQuestion});
        EXPECT_NE(ReadBytes(UserFile()).find("01=" + c.expected + "\r\n"), std::string::npos);
    }
}

// A name another group has in any case, or one the file cannot hold, is
// refused, here in the editor that "Add new group" opens: the editor opens
// again on the group with the refused text, and Escape there leaves the
// group and its label as they were.
TEST_F(Groups, RefusedNamesReopenTheEditorAndEscapeRestoresTheLabel) {
    const char* const kTaken = "A screen with the specified name is already present.";
    const char* const kBracket = "A group name cannot contain \"]\" or a line break.";
    const char* const kList = "The name \"LIST\" is reserved.";
    const char* const kQuoted = "A group name cannot be enclosed in quotation marks.";
    const struct {
        const char* pszTyped;
        const char* pszShown;  // in the box
        const char* pszReason;
    } cases[] = {
        {"G2", "G2", kTaken},
        {" gz ", "gz", kTaken},
        {"Top [KR] 10", "Top [KR] 10", kBracket},
        {"Top\r\n10", "Top\r\n10", kBracket},
        {"LIST", "LIST", kList},
        {" List\t", "List", kList},
        {"   ", "", "A group name cannot be blank."},
        {"\"Mine\"", "\"Mine\"", kQuoted},
        {"'x'", "'x'", kQuoted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszTyped);
        WriteGroups({"G1", "G2", "GZ"});
        ClearBoxes();
        RunSteps({
            [&] {
                ClickButton(IDC_ADD_GROUP);
                // Pasted rather than typed, as keys give no line break.
                GroupTree().GetEditControl()->SetWindowText(c.pszTyped);
                afx::PressKey(VK_RETURN);
            },
            [&] {
                CTreeCtrl& tree = GroupTree();
                EXPECT_EQ(tree.GetSelectedItem(), tree.GetNextSiblingItem(GroupItem("GZ")));
                EXPECT_EQ(EditorText(), c.pszTyped);
                afx::PressKey(VK_ESCAPE);
                EXPECT_EQ(EditorText(), "<closed>");
                EXPECT_EQ(GroupLabels(), Texts({"G1", "G2", "GZ", "NewGroup"}));
            },
        });
        CString strText;
        strText.Format("Unable to rename [%s].\n%s\nPlease specify other name.", c.pszShown,
                       c.pszReason);
        EXPECT_EQ(Boxes(), std::vector<Box>{VoBox(strText)});
    }
}

// The root's label may be edited, but the root keeps its name.
TEST_F(Groups, TheRootKeepsItsName) {
    WriteGroups({"G1"});
    Run([&] {
        CTreeCtrl& tree = GroupTree();
        const CString strRoot = tree.GetItemText(tree.GetRootItem());
        ClickItem(tree, tree.GetRootItem());
        ClickButton(IDC_RENAME_GROUP);
        afx::TypeText("Mine");
        afx::PressKey(VK_RETURN);
        EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), strRoot);
        EXPECT_EQ(GroupLabels(), Texts({"G1"}));
    });
    EXPECT_TRUE(Boxes().empty());
}

// One group goes without a question, by button or by the Delete key, and
// the group selected after it shows its screens; the root asks first.
TEST_F(Groups, DeletingGroups) {
    const Box kAll{"Do you want to delete All Group?", "Halvane VORK", MB_OKCANCEL};
    const struct {
        const char* pszCase;
        const char* pszSelect;  // null: the root
        bool bKey;
        int nAnswer;
        std::vector<CString> groups;
        std::vector<Box> boxes;
    } cases[] = {
        {"button", "G2", false, IDOK, Texts({"G1", "G3"}), {}},
        {"key", "G3", true, IDOK, Texts({"G1", "G2"}), {}},
        {"all, cancelled", nullptr, false, IDCANCEL, Texts({"G1", "G2", "G3"}), {kAll}},
        {"all", nullptr, true, IDOK, {}, {kAll}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        WriteGroups({"G1", "G2", "G3"});
        afx::SetMessageBoxHandler([&](HWND, LPCSTR, LPCSTR, UINT) { return c.nAnswer; });
        ClearBoxes();
        Run([&] {
            CTreeCtrl& tree = GroupTree();
            ClickGroup(c.pszSelect);
            if (c.bKey) {
                PressKeyIn(tree, VK_DELETE);
            } else {
                ClickButton(IDC_DELETE_GROUP);
            }
            EXPECT_EQ(GroupLabels(), c.groups);
            const bool bGroup = tree.GetSelectedItem() != tree.GetRootItem();
            EXPECT_EQ(ListScreens(), bGroup ? Numbers(1001, 3) : std::vector<CString>{});
            EXPECT_EQ(tree.ItemHasChildren(tree.GetRootItem()) != FALSE, !c.groups.empty());
        });
        EXPECT_EQ(Boxes(), c.boxes);
    }
}

// "Move Toolbar" moves the first selected screen to the end of the group
// picked in the move dialog; every other ending changes nothing.
TEST_F(Groups, MovingAScreenToAnotherGroup) {
    enum class Pick { Ok, Enter, Cancel };
    const Box kNoRow = VoBox("Select the screen menu item to move");
    const struct {
        const char* pszCase;
        std::vector<int> rows;
        const char* pszTarget;  // the group clicked in the move dialog, or null
        Pick pick;
        bool bMoved;  // the second row to the end of G3
        std::vector<Box> boxes;
    } cases[] = {
        {"first of two rows to G3", {1, 2}, "G3", Pick::Ok, true, {}},
        {"to the group itself", {0}, "G1", Pick::Ok, false, {}},
        {"nothing picked", {0}, nullptr, Pick::Ok, false, {}},
        {"enter", {0}, "G3", Pick::Enter, false, {}},
        {"cancel", {0}, "G3", Pick::Cancel, false, {}},
        {"no row", {}, nullptr, Pick::Ok, false, {kNoRow}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        WriteGroups({"G1", "G2", "G3"});
        ClearBoxes();
        int nShown = 0;
        Run([&] {
            OnDialog onMove(IDD_GROUP_MOVE, [&](HWND hMove) {
                ++nShown;
                CTreeCtrl& tree = TreeOf(hMove, IDC_GROUP_MOVE_TREE);
                EXPECT_EQ(TopLabels(tree), Texts({"G1", "G2", "G3"}));
                EXPECT_EQ(tree.GetSelectedItem(), nullptr);
                for (HTREEITEM h = tree.GetRootItem(); h && c.pszTarget;
                     h = tree.GetNextSiblingItem(h)) {
                    if (tree.GetItemText(h) == c.pszTarget) ClickItem(tree, h);
                }
                if (c.pick == Pick::Enter) {
                    afx::PressKey(VK_RETURN);
                } else {
                    ClickControl(hMove, c.pick == Pick::Ok ? IDC_GROUP_MOVE_OK : IDCANCEL);
                }
            });
            SelectRows({});
            for (int nRow : c.rows) ClickRow(List(), nRow, MK_CONTROL);
            ClickButton(IDC_MOVE_TOOLBAR);
            EXPECT_EQ(nShown, c.rows.empty() ? 0 : 1);
            EXPECT_EQ(ListScreens(), c.bMoved ? Numbers({1001, 1003}) : Numbers(1001, 3));
            EXPECT_EQ(GroupScreens("G3"),
                      c.bMoved ? Numbers({1001, 1002, 1003, 1002}) : Numbers(1001, 3));
            EXPECT_EQ(GroupScreens("G2"), Numbers(1001, 3));
        });
        EXPECT_EQ(Boxes(), c.boxes);
    }
}

}  // namespace
