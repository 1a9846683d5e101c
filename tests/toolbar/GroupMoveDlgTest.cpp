// The group move dialog on its own: what it shows of the copy it is given,
// and what it answers for each way it can end.
#include "TestSupport.h"
#include "ToolbarDialogFixture.h"
#include "toolbar/GroupMoveDlg.h"

namespace {

class CTestMoveDlg : public CGroupMoveDlg {
public:
    using CGroupMoveDlg::m_treeGroups;
};

class GroupMove : public ToolbarDialog {
protected:
    // A root of groups with two screens each, as the toolbar dialog holds it.
    static void AddGroups(CMenuInfo& root, std::initializer_list<LPCSTR> names) {
        root.m_nKind = MENU_KIND_ROOT;
        for (LPCSTR pszName : names) {
            auto* pGroup = new CMenuInfo;
            pGroup->m_strName = pszName;
            for (LPCSTR pszNo : {"0101", "0102"}) {
                auto* pScreen = new CMenuInfo;
                pScreen->m_strScreenNo = pszNo;
                pGroup->m_listChild.AddTail(pScreen);
            }
            root.m_listChild.AddTail(pGroup);
        }
    }

    // Runs the dialog over the groups, with a name to preselect; act works
    // the dialog and ends it.
    INT_PTR RunMove(std::initializer_list<LPCSTR> names, LPCSTR pszPreselect,
                    const std::function<void(CTestMoveDlg&)>& act) {
        CMenuInfo root;
        AddGroups(root, names);
        CTestMoveDlg dlg;
        dlg.m_rootCopy = root;
        dlg.m_strGroupName = pszPreselect;
        OnDialog onMove(IDD_GROUP_MOVE, [&](HWND) { act(dlg); });
        const INT_PTR nResult = dlg.DoModal();
        m_strChosen = dlg.m_strGroupName;
        return nResult;
    }

    CString m_strChosen;
};

CString SelectedLabel(const CTreeCtrl& tree) {
    const HTREEITEM hItem = tree.GetSelectedItem();
    return hItem ? tree.GetItemText(hItem) : CString("<none>");
}

HTREEITEM TopItem(const CTreeCtrl& tree, int nIndex) {
    HTREEITEM hItem = tree.GetRootItem();
    while (hItem && nIndex-- > 0) hItem = tree.GetNextSiblingItem(hItem);
    return hItem;
}

// The groups stand flat, in order, with the folder picture and no expand
// button; the copy's records are the items' data.
TEST_F(GroupMove, ShowsTheGroupsOfItsCopyFlatAndInOrder) {
    RunMove({"A", "B", "C"}, "", [&](CTestMoveDlg& dlg) {
        const CTreeCtrl& tree = dlg.m_treeGroups;
        EXPECT_EQ(TopLabels(tree), (std::vector<CString>{"A", "B", "C"}));
        EXPECT_EQ(tree.GetCount(), 3u);
        EXPECT_EQ(SelectedLabel(tree), "<none>");
        POSITION pos = dlg.m_rootCopy.m_listChild.GetHeadPosition();
        for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextSiblingItem(h)) {
            EXPECT_EQ(tree.GetItemState(h, TVIS_STATEIMAGEMASK) >> 12, 2u);
            EXPECT_FALSE(tree.ItemHasChildren(h));
            EXPECT_EQ(tree.GetItemData(h),
                      reinterpret_cast<DWORD_PTR>(dlg.m_rootCopy.m_listChild.GetNext(pos)));
        }
        EXPECT_NE(tree.GetImageList(TVSIL_STATE), nullptr);
        EXPECT_EQ(tree.GetImageList(TVSIL_NORMAL), nullptr);
        CString strCaption;
        dlg.GetWindowText(strCaption);
        EXPECT_EQ(std::string(strCaption), Cp949("도구 이동"));
        afx::EndModal(IDCANCEL);
    });
}

// OK answers the selected group's name; Enter answers IDOK without one;
// Cancel, Escape and the close box answer IDCANCEL.
TEST_F(GroupMove, EachWayOfEndingAnswersItsResultAndName) {
    enum class End { Ok, Enter, Cancel, Escape, CloseBox };
    const struct {
        const char* pszCase;
        int nSelect;  // top-level item to click first, -1 for none
        End end;
        INT_PTR nResult;
        const char* pszName;
    } cases[] = {
        {"OK on B", 1, End::Ok, IDOK, "B"},       {"OK on nothing", -1, End::Ok, IDOK, ""},
        {"Enter on B", 1, End::Enter, IDOK, ""},  {"Cancel", 1, End::Cancel, IDCANCEL, ""},
        {"Escape", 2, End::Escape, IDCANCEL, ""}, {"close box", 0, End::CloseBox, IDCANCEL, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        const INT_PTR nResult = RunMove({"A", "B", "C"}, "", [&](CTestMoveDlg& dlg) {
            if (c.nSelect >= 0)
                driver::ClickItem(dlg.m_treeGroups, TopItem(dlg.m_treeGroups, c.nSelect));
            const HWND hDlg = dlg.GetSafeHwnd();
            switch (c.end) {
                case End::Ok:
                    ClickControl(hDlg, IDC_GROUP_MOVE_OK);
                    break;
                case End::Enter:
                    dlg.m_treeGroups.SetFocus();
                    afx::PressKey(VK_RETURN);
                    break;
                case End::Cancel:
                    ClickControl(hDlg, IDCANCEL);
                    break;
                case End::Escape:
                    dlg.m_treeGroups.SetFocus();
                    afx::PressKey(VK_ESCAPE);
                    break;
                case End::CloseBox:
                    afx::ClickCloseBox(hDlg);
                    break;
            }
        });
        EXPECT_EQ(nResult, c.nResult);
        EXPECT_EQ(m_strChosen, c.pszName);
    }
}

// The given name selects the last group that matches it without regard to
// case, and is emptied; without a match nothing is selected.
TEST_F(GroupMove, PreselectsTheLastGroupMatchingTheNameGiven) {
    const struct {
        const char* pszName;
        const char* pszSelected;
    } cases[] = {{"b", "b"}, {"B", "b"}, {"c", "C"}, {"X", "<none>"}, {"", "<none>"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        RunMove({"A", "B", "b", "C"}, c.pszName, [&](CTestMoveDlg& dlg) {
            EXPECT_EQ(SelectedLabel(dlg.m_treeGroups), c.pszSelected);
            EXPECT_EQ(dlg.m_strGroupName, "");
            afx::EndModal(IDCANCEL);
        });
    }
}

// A label edited in the tree is discarded, so OK answers the group's name as
// it was; an empty copy shows an empty tree.
TEST_F(GroupMove, EditedLabelsAreDiscardedAndAnEmptyCopyShowsNothing) {
    EXPECT_EQ(RunMove({"A", "B"}, "",
                      [&](CTestMoveDlg& dlg) {
                          CTreeCtrl& tree = dlg.m_treeGroups;
                          driver::ClickItem(tree, TopItem(tree, 1));
                          ASSERT_NE(tree.EditLabel(TopItem(tree, 1)), nullptr);
                          afx::TypeText("Z");
                          afx::PressKey(VK_RETURN);
                          EXPECT_EQ(tree.GetItemText(TopItem(tree, 1)), "B");
                          ClickControl(dlg.GetSafeHwnd(), IDC_GROUP_MOVE_OK);
                      }),
              IDOK);
    EXPECT_EQ(m_strChosen, "B");

    EXPECT_EQ(RunMove({}, "",
                      [&](CTestMoveDlg& dlg) {
                          EXPECT_EQ(dlg.m_treeGroups.GetCount(), 0u);
                          ClickControl(dlg.GetSafeHwnd(), IDC_GROUP_MOVE_OK);
                      }),
              IDOK);
    EXPECT_EQ(m_strChosen, "");
}

}  // namespace
