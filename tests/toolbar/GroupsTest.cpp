// The group operations driven through the dialog: adding with default names
// and the limit, renaming in the label editor, deleting one group or all,
// and moving a screen to another group through the group move dialog.
#include "TestSupport.h"
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
        WriteBytes(m_home / "user" / "ToolBar_tester.ini", text);
    }

    std::vector<CString> GroupLabels() { return Labels(Dlg().m_treeGroup.GetRootItem()); }
    std::vector<CString> GroupNames() const {
        std::vector<CString> names;
        const CMenuInfo& root = const_cast<Groups*>(this)->Dlg().m_groupRoot;
        for (POSITION pos = root.m_listChild.GetHeadPosition(); pos;) {
            names.push_back(root.m_listChild.GetNext(pos)->m_strName);
        }
        return names;
    }
    std::vector<CString> Labels(HTREEITEM hParent) {
        CTreeCtrl& tree = Dlg().m_treeGroup;
        std::vector<CString> labels;
        for (HTREEITEM h = tree.GetChildItem(hParent); h; h = tree.GetNextSiblingItem(h)) {
            labels.push_back(tree.GetItemText(h));
        }
        return labels;
    }
    CString SelectedLabel() {
        const HTREEITEM hItem = Dlg().m_treeGroup.GetSelectedItem();
        return hItem ? Dlg().m_treeGroup.GetItemText(hItem) : CString("<none>");
    }
    CString EditorText() {
        CEdit* pEdit = Dlg().m_treeGroup.GetEditControl();
        if (!pEdit) return "<closed>";
        CString strText;
        pEdit->GetWindowText(strText);
        return strText;
    }

    // Plays the steps from the dialog's own message loop, one per turn of
    // it, as a person acts once the screen has settled (what a step posts is
    // there for the next), then cancels the dialog.
    void RunSteps(std::vector<std::function<void()>> steps) {
        s_steps = std::move(steps);
        s_nNext = 0;
        RunToEnd([&] { Dlg().SetTimer(kStepTimer, 1, &Groups::Step); });
        EXPECT_EQ(s_nNext, s_steps.size() + 1);
    }

private:
    static constexpr UINT_PTR kStepTimer = 77;
    static void CALLBACK Step(HWND hDlg, UINT, UINT_PTR nID, DWORD) {
        if (s_bBusy) return;
        if (s_nNext++ == s_steps.size()) {
            ::KillTimer(hDlg, nID);
            afx::EndModal(IDCANCEL);
            return;
        }
        s_bBusy = true;
        s_steps[s_nNext - 1]();
        s_bBusy = false;
    }
    static inline std::vector<std::function<void()>> s_steps;
    static inline std::size_t s_nNext = 0;
    static inline bool s_bBusy = false;
};

std::vector<CString> Texts(std::initializer_list<const char*> texts) {
    return {texts.begin(), texts.end()};
}

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
        {{"NewGroup(1)", "NewGroup"}, "NewGroup(2)"},
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
            EXPECT_EQ(GroupNames(), expected);
            EXPECT_EQ(SelectedLabel(), c.pszNew);
            EXPECT_EQ(EditorText(), c.pszNew);
            EXPECT_TRUE(ListScreens().empty());
            const HTREEITEM hRoot = Dlg().m_treeGroup.GetRootItem();
            EXPECT_TRUE(Dlg().m_treeGroup.ItemHasChildren(hRoot));
            EXPECT_TRUE(Dlg().m_treeGroup.GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED);
            EXPECT_TRUE(Dlg().m_bModified);
        });
        EXPECT_TRUE(Boxes().empty());
    }
}

// The twentieth group is the last.
TEST_F(Groups, AddGroupStopsAtTwentyGroups) {
    std::vector<std::string> names;
    for (int i = 1; i <= 19; ++i) names.push_back("G" + std::to_string(i));
    WriteGroups(names);
    Run([&] {
        ClickButton(IDC_ADD_GROUP);
        EXPECT_EQ(GroupNames().size(), 20u);
        EXPECT_TRUE(Boxes().empty());
        ClickButton(IDC_ADD_GROUP);
        EXPECT_EQ(GroupNames().size(), 20u);
        EXPECT_EQ(Dlg().m_treeGroup.GetCount(), 21u);
    });
    EXPECT_EQ(Boxes(), std::vector<Box>{VoBox("Can't create any more groups.")});
}

// What the label editor's Enter and Escape make of the first group's name:
// free names are taken without the blanks around them, its own name in any
// case too, an emptied label gives the old name back, the editor holds 40
// bytes, Escape keeps it all.
TEST_F(Groups, RenamingInTheLabelEditor) {
    const std::string strKorean22 = Cp949("가나다라마바사아자차카타파하가나다라마바사아");
    const std::string strKorean20 = strKorean22.substr(0, 40);
    const struct {
        const char* pszCase;
        std::string typed;
        UINT vkEnd;
        std::string expected;
    } cases[] = {
        {"new name", "Quotes", VK_RETURN, "Quotes"},
        {"own name in other case", "g1", VK_RETURN, "g1"},
        {"own name", "G1", VK_RETURN, "G1"},
        {"blanks around", "  Mine  ", VK_RETURN, "Mine"},
        {"brackets and signs", "[Top; a=b 'x\"", VK_RETURN, "[Top; a=b 'x\""},
        {"LIST within", "LISTS", VK_RETURN, "LISTS"},
        {"emptied", "", VK_RETURN, "G1"},
        {"45 letters", std::string(45, 'n'), VK_RETURN, std::string(40, 'n')},
        {"22 Korean letters", strKorean22, VK_RETURN, strKorean20},
        {"escape", "Quotes", VK_ESCAPE, "G1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        WriteGroups({"G1", "G2"});
        Run([&] {
            ASSERT_EQ(SelectedLabel(), "G1");
            ClickButton(IDC_RENAME_GROUP);
            EXPECT_TRUE(Dlg().m_bModified);
            EXPECT_EQ(EditorText(), "G1");
            if (c.typed.empty()) {
                afx::PressKey(VK_DELETE);
            } else {
                afx::TypeText(c.typed.c_str());
            }
            afx::PressKey(c.vkEnd);
            EXPECT_EQ(EditorText(), "<closed>");
            EXPECT_EQ(GroupNames(), (std::vector<CString>{c.expected.c_str(), "G2"}));
            EXPECT_EQ(GroupLabels(), (std::vector<CString>{c.expected.c_str(), "G2"}));
            EXPECT_TRUE(Dlg().m_bModified);
        });
        EXPECT_TRUE(Boxes().empty());
    }
}

// A name another group has in any case, or one the file cannot hold, is
// refused, here in the editor that "Add new group" opens: the editor opens
// again on the group with the refused text, and Escape there leaves the
// group, its label and the list of names as they were.
TEST_F(Groups, RefusedNamesReopenTheEditorAndEscapeRestoresTheLabel) {
    const struct {
        const char* pszTyped;
        const char* pszShown;  // in the box
        const char* pszReason;
    } cases[] = {
        {"G2", "G2", "A screen with the specified name is already present."},
        {" g2 ", "g2", "A screen with the specified name is already present."},
        {"Top [KR] 10", "Top [KR] 10", "A group name cannot contain \"]\" or a line break."},
        {"Top\r\n10", "Top\r\n10", "A group name cannot contain \"]\" or a line break."},
        {"Top\n10", "Top\n10", "A group name cannot contain \"]\" or a line break."},
        {"Top\r", "Top\r", "A group name cannot contain \"]\" or a line break."},
        {"LIST", "LIST", "The name \"LIST\" is reserved."},
        {" List\t", "List", "The name \"LIST\" is reserved."},
        {"   ", "", "A group name cannot be blank."},
        {"\"Mine\"", "\"Mine\"", "A group name cannot be enclosed in quotation marks."},
        {"'x'", "'x'", "A group name cannot be enclosed in quotation marks."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszTyped);
        WriteGroups({"G1", "G2"});
        ClearBoxes();
        RunSteps({
            [&] {
                ClickButton(IDC_ADD_GROUP);
                // Pasted rather than typed, as keys give no line break.
                Dlg().m_treeGroup.GetEditControl()->SetWindowText(c.pszTyped);
                afx::PressKey(VK_RETURN);
                EXPECT_EQ(GroupNames(), Texts({"G1", "G2", "NewGroup"}));
            },
            [&] {
                CTreeCtrl& tree = Dlg().m_treeGroup;
                EXPECT_EQ(tree.GetItemData(tree.GetSelectedItem()),
                          reinterpret_cast<DWORD_PTR>(Dlg().m_groupRoot.m_listChild.GetTail()));
                EXPECT_EQ(EditorText(), c.pszTyped);
                afx::PressKey(VK_ESCAPE);
                EXPECT_EQ(EditorText(), "<closed>");
                EXPECT_EQ(GroupNames(), Texts({"G1", "G2", "NewGroup"}));
                EXPECT_EQ(GroupLabels(), GroupNames());
            },
        });
        CString strText;
        strText.Format("Unable to rename [%s].\n%s\nPlease specify other name.", c.pszShown,
                       c.pszReason);
        EXPECT_EQ(Boxes(), std::vector<Box>{VoBox(strText)});
    }
}

// After a refusal the name can be put right in the editor that opened again.
TEST_F(Groups, ARefusedNameCanBePutRightInTheReopenedEditor) {
    WriteGroups({"G1", "G2"});
    RunSteps({
        [&] {
            ClickButton(IDC_RENAME_GROUP);
            afx::TypeText("g2");
            afx::PressKey(VK_RETURN);
            EXPECT_EQ(Boxes().size(), 1u);
        },
        [&] {
            ASSERT_EQ(EditorText(), "g2");
            afx::TypeText("G3");
            afx::PressKey(VK_RETURN);
            EXPECT_EQ(GroupNames(), Texts({"G3", "G2"}));
            EXPECT_EQ(GroupLabels(), Texts({"G3", "G2"}));
        },
    });
    EXPECT_EQ(Boxes().size(), 1u);
}

// The root's label may be edited, but the root keeps its name and label.
TEST_F(Groups, TheRootKeepsItsName) {
    WriteGroups({"G1"});
    Run([&] {
        CTreeCtrl& tree = Dlg().m_treeGroup;
        const CString strRoot = Dlg().m_groupRoot.m_strName;
        ClickItem(tree, tree.GetRootItem());
        ClickButton(IDC_RENAME_GROUP);
        afx::TypeText("Mine");
        afx::PressKey(VK_RETURN);
        EXPECT_EQ(Dlg().m_groupRoot.m_strName, strRoot);
        EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), strRoot);
        EXPECT_EQ(GroupNames(), Texts({"G1"}));
    });
    EXPECT_TRUE(Boxes().empty());
}

// One group goes without a question, by button or by the Delete key, and
// the group selected after it shows its screens; the root asks first.
TEST_F(Groups, DeletingGroups) {
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
        {"all, cancelled",
         nullptr,
         false,
         IDCANCEL,
         Texts({"G1", "G2", "G3"}),
         {{"Do you want to delete All Group?", "Halvane VORK", MB_OKCANCEL}}},
        {"all",
         nullptr,
         true,
         IDOK,
         {},
         {{"Do you want to delete All Group?", "Halvane VORK", MB_OKCANCEL}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        WriteGroups({"G1", "G2", "G3"});
        afx::SetMessageBoxHandler([&](HWND, LPCSTR, LPCSTR, UINT) { return c.nAnswer; });
        ClearBoxes();
        Run([&] {
            CTreeCtrl& tree = Dlg().m_treeGroup;
            ClickItem(tree, c.pszSelect ? GroupItem(c.pszSelect) : tree.GetRootItem());
            if (c.bKey) {
                PressKeyIn(tree, VK_DELETE);
            } else {
                ClickButton(IDC_DELETE_GROUP);
            }
            EXPECT_EQ(GroupNames(), c.groups);
            EXPECT_EQ(GroupLabels(), c.groups);
            EXPECT_EQ(Dlg().m_bModified != FALSE, c.groups.size() < 3);
            const HTREEITEM hSelected = tree.GetSelectedItem();
            ASSERT_NE(hSelected, nullptr);
            EXPECT_EQ(Dlg().m_hCurGroup, hSelected);
            const bool bGroup = hSelected != tree.GetRootItem();
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
    const struct {
        const char* pszCase;
        std::vector<int> rows;
        const char* pszTarget;  // the group clicked in the move dialog, or null
        Pick pick;
        std::vector<CString> source, g3;
        std::vector<Box> boxes;
    } cases[] = {
        {"first of two rows to G3",
         {1, 2},
         "G3",
         Pick::Ok,
         Numbers({1001, 1003}),
         Numbers({1001, 1002, 1003, 1002}),
         {}},
        {"to the group itself", {0}, "G1", Pick::Ok, Numbers(1001, 3), Numbers(1001, 3), {}},
        {"nothing picked", {0}, nullptr, Pick::Ok, Numbers(1001, 3), Numbers(1001, 3), {}},
        {"enter", {0}, "G3", Pick::Enter, Numbers(1001, 3), Numbers(1001, 3), {}},
        {"cancel", {0}, "G3", Pick::Cancel, Numbers(1001, 3), Numbers(1001, 3), {}},
        {"no row",
         {},
         nullptr,
         Pick::Ok,
         Numbers(1001, 3),
         Numbers(1001, 3),
         {VoBox("Select the screen menu item to move")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        WriteGroups({"G1", "G2", "G3"});
        ClearBoxes();
        int nShown = 0;
        Run([&] {
            ASSERT_EQ(SelectedLabel(), "G1");
            OnDialog onMove(IDD_GROUP_MOVE, [&](HWND hMove) {
                ++nShown;
                CTreeCtrl& tree = TreeOf(hMove, IDC_GROUP_MOVE_TREE);
                EXPECT_EQ(TopLabels(tree), Texts({"G1", "G2", "G3"}));
                EXPECT_EQ(tree.GetSelectedItem(), nullptr);
                for (HTREEITEM h = tree.GetRootItem(); h && c.pszTarget;
                     h = tree.GetNextSiblingItem(h)) {
                    if (tree.GetItemText(h) == c.pszTarget) driver::ClickItem(tree, h);
                }
                switch (c.pick) {
                    case Pick::Ok:
                        ClickControl(hMove, IDC_GROUP_MOVE_OK);
                        break;
                    case Pick::Enter:
                        afx::PressKey(VK_RETURN);
                        break;
                    case Pick::Cancel:
                        ClickControl(hMove, IDCANCEL);
                        break;
                }
            });
            // The first row comes selected; a Ctrl+click takes it away.
            CListCtrl& list = Dlg().m_listTool;
            UINT nKeys = c.rows.empty() ? MK_CONTROL : 0;
            for (int nRow : c.rows.empty() ? std::vector<int>{0} : c.rows) {
                afx::Click(list.GetSafeHwnd(), RowPoint(list, nRow), nKeys);
                nKeys = MK_CONTROL;
            }
            EXPECT_EQ(ListSelection(), c.rows);
            ClickButton(IDC_MOVE_TOOLBAR);
            EXPECT_EQ(nShown, c.rows.empty() ? 0 : 1);
            EXPECT_EQ(GroupScreens("G1"), c.source);
            EXPECT_EQ(ListScreens(), c.source);
            EXPECT_EQ(GroupScreens("G3"), c.g3);
            EXPECT_EQ(GroupScreens("G2"), Numbers(1001, 3));
            EXPECT_EQ(Dlg().m_bModified != FALSE, c.source.size() == 2);
        });
        EXPECT_EQ(Boxes(), c.boxes);
    }
}

}  // namespace
