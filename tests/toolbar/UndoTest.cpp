// Undo and redo in the toolbar dialog: every action done, undone and redone,
// checked against what the controls show and against the saved file; a
// session undone to its start saves what the dialog saves when just opened.
#include <sstream>

#include "ToolbarDialogFixture.h"

namespace {

constexpr UINT kUndo = 'Z';

class Undo : public ToolbarDialog {
protected:
    using Step = std::function<void()>;

    // G1 (1001-1003, selected when the dialog opens), G2 (1010-1011), G3
    // (1020), and one default toolbar with two screens of the menu.
    void WriteFiles() {
        std::string text = "[LIST]\r\nItemCnt=3\r\n01=G1\r\n02=G2\r\n03=G3\r\nCOMBOSEL=1\r\n";
        for (const auto& [name, first, count] :
             {std::tuple{"G1", 1001, 3}, {"G2", 1010, 2}, {"G3", 1020, 1}}) {
            text += std::string("[") + name + "]\r\nItemCnt=0" + std::to_string(count) + "\r\n";
            for (int j = 1; j <= count; ++j) {
                const std::string n = std::to_string(first + j - 1);
                text += "0" + std::to_string(j) + "=" + n + ",S" + n + ",Screen " + n + "\r\n";
            }
        }
        WriteBytes(UserFile(), text);
        WriteBytes(DefaultFile(),
                   "[LIST]\r\nItemCnt=1\r\n01=T1\r\n[T1]\r\nItemCnt=2\r\n"
                   "01=0102,Ob,Order book\r\n02=0900,Top,Top screen\r\n");
    }

    // Opens the dialog on fresh files, plays the steps and saves; the bytes saved.
    std::string SaveAfter(const std::vector<Step>& steps) {
        WriteFiles();
        RunToEnd([&] {
            for (const Step& step : steps) step();
            ClickButton(IDC_SAVE);
        });
        return ReadBytes(UserFile());
    }

    // What a person sees: the group tree, the list's rows, its selection
    // and its first row in view.
    std::string Shown() {
        std::ostringstream text;
        for (const std::string& line : driver::TreeLines(GroupTree())) text << line << "\n";
        for (const std::string& row : Rows()) text << row << "\n";
        for (int nRow : ListSelection()) text << "sel " << nRow << " ";
        text << "top " << List().GetTopIndex();
        return text.str();
    }

    static void Press(UINT vk, UINT keys = MK_CONTROL) { afx::PressKey(vk, keys); }

    void RenameSelected(LPCSTR pszName) {
        ClickButton(IDC_RENAME_GROUP);
        GroupTree().GetEditControl()->SetWindowText(pszName);
        afx::PressKey(VK_RETURN);
    }
    void DragRowsTo(CWnd& target, CPoint to) {
        Drag(List(), RowPoint(List(), ListSelection().front()), target, to);
    }
    void DragMenuTo(CWnd& target, CPoint to) {
        const HTREEITEM hPrice = MenuItem({"Quotes", "Current price(0101)"});
        Drag(MenuTree(), ItemPoint(MenuTree(), hPrice), target, to);
    }
    // In a selected row; the editor stays open for an empty name.
    void EditShortName(int nRow, LPCSTR pszName) {
        driver::ClickCell(List(), nRow, 2);
        if (!*pszName) return;
        afx::TypeText(pszName);
        afx::PressKey(VK_RETURN);
    }
    void MoveSelectedRowTo(LPCSTR pszGroup) {
        OnDialog onMove(IDD_GROUP_MOVE, [&](HWND hMove) {
            CTreeCtrl& tree = TreeOf(hMove, IDC_GROUP_MOVE_TREE);
            for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextSiblingItem(h)) {
                if (tree.GetItemText(h) == pszGroup) driver::ClickItem(tree, h);
            }
            ClickControl(hMove, IDC_GROUP_MOVE_OK);
        });
        ClickButton(IDC_MOVE_TOOLBAR);
    }
    void ImportDefaults() {
        OnDialog onPicker(IDD_GROUP_EDIT, [](HWND hPicker) {
            ClickControl(hPicker, IDC_GROUP_EDIT_FIRST_CHECK);
            ClickControl(hPicker, IDC_GROUP_EDIT_CONFIRM);
        });
        ClickButton(IDC_MODIFY_GROUP);
    }

    struct Action {
        const char* pszName;
        Step setup;  // what a person selects before the action
        Step act;
    };
    // In an order that plays as one session, each action on what the one
    // before left.
    std::vector<Action> Actions() {
        const Step none = [] {};
        return {
            {"regist",
             [this] {
                 ClickItem(MenuTree(), MenuItem({"Quotes", "Current price(0101)"}));
             },
             [this] { ClickButton(IDC_REGIST); }},
            {"delete key",
             [this] {
                 SelectRows({1, 2});
             },
             [this] { PressKeyIn(List(), VK_DELETE); }},
            {"to the bottom", [this] { SelectRows({0}); },
             [this] { ClickButton(IDC_SCREEN_BOTTOM); }},
            {"short name", [this] { SelectRows({1}); }, [this] { EditShortName(1, "Fast"); }},
            {"rows dragged to a group",
             [this] {
                 SelectRows({0, 1});
             },
             [this] { DragRowsTo(GroupTree(), ItemPoint(GroupTree(), GroupItem("G3"))); }},
            {"menu dropped on the group shown", none,
             [this] { DragMenuTo(GroupTree(), ItemPoint(GroupTree(), GroupItem("G1"))); }},
            {"move dialog", [this] { SelectRows({0}); }, [this] { MoveSelectedRowTo("G3"); }},
            {"default toolbar import", none, [this] { ImportDefaults(); }},
            {"rename group", [this] { ClickGroup("G2"); }, [this] { RenameSelected("Mine"); }},
            {"add group", none,
             [this] {
                 ClickButton(IDC_ADD_GROUP);
                 afx::PressKey(VK_RETURN);
             }},
            {"delete group by key", none, [this] { PressKeyIn(GroupTree(), VK_DELETE); }},
            {"delete all groups", [this] { ClickItem(GroupTree(), GroupTree().GetRootItem()); },
             [this] { ClickButton(IDC_DELETE_GROUP); }},
        };
    }
};

// Each action, undone, shows what was there before it and leaves the working
// copy unmodified; redone, it shows its outcome again, and the save writes
// what a save without the undo writes.
TEST_F(Undo, EveryActionIsUndoneAndRedone) {
    for (const Action& c : Actions()) {
        SCOPED_TRACE(c.pszName);
        const std::string strDone = SaveAfter({c.setup, c.act});
        WriteFiles();
        RunToEnd([&] {
            c.setup();
            driver::ExpectUndoneAndRedone([this] { return Shown(); }, c.act, [](bool) {});
            ClickButton(IDC_SAVE);
        });
        EXPECT_EQ(ReadBytes(UserFile()), strDone);
    }
}

// A session undone step by step to its start saves the bytes that the
// dialog saves when just opened; redone, those of the session without undo.
TEST_F(Undo, ASessionUndoneToItsStartSavesWhatTheOpenedDialogSaves) {
    std::vector<Step> session;
    for (const Action& action : Actions()) {
        session.push_back(action.setup);
        session.push_back(action.act);
    }
    const std::size_t nActions = session.size() / 2;
    const Step undoAll = [nActions] {
        for (std::size_t i = 0; i < nActions; ++i) Press(kUndo);
    };
    const Step redoAll = [nActions] {
        for (std::size_t i = 0; i < nActions; ++i) Press('Z', MK_CONTROL | MK_SHIFT);
    };
    const std::string strOpened = SaveAfter({});
    const std::string strSession = SaveAfter(session);
    ASSERT_NE(strSession, strOpened);
    session.push_back(undoAll);
    EXPECT_EQ(SaveAfter(session), strOpened);
    session.push_back(redoAll);
    EXPECT_EQ(SaveAfter(session), strSession);
}

// The keys act wherever the focus is, but in an open label or short-name
// editor they are the editor's.
TEST_F(Undo, TheKeysAreTheEditorsInsideAnEditor) {
    const struct {
        const char* pszCase;
        Step focus;
        bool bUndone;
    } cases[] = {
        {"search field", [this] { Dlg().GetDlgItem(IDC_SEARCH_TEXT)->SetFocus(); }, true},
        {"menu tree", [this] { MenuTree().SetFocus(); }, true},
        {"label editor", [this] { ClickButton(IDC_RENAME_GROUP); }, false},
        {"short name editor", [this] { EditShortName(0, ""); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        WriteFiles();
        Run([&] {
            ClickButton(IDC_DELETE_SCREEN);
            ASSERT_EQ(ListScreens(), Numbers(1002, 2));
            c.focus();
            Press(kUndo);
            EXPECT_EQ(ListScreens(), c.bUndone ? Numbers(1001, 3) : Numbers(1002, 2));
        });
    }
}

}  // namespace
