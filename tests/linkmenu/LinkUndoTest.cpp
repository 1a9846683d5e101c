// Undo and redo in the link dialog: every change of the link list done,
// undone and redone, checked against the controls and the saved file; a
// session undone to its start saves what the dialog saves when just opened.
#include "LinkMenuFixture.h"

namespace {

using Step = std::function<void()>;

class LinkUndo : public LinkMenuDialog {
protected:
    LinkUndo() { WriteFiveRows(); }

    void WriteFiveRows() {
        std::string file = "[USERMENUCOUNT]\r\nCount=5\r\n[USERMENU]\r\n";
        for (int i = 1; i <= 5; ++i) {
            const std::string s = std::to_string(1000 + i);
            file += std::to_string(i) + "=Screen " + s + ",TR" + s + "," + s + "\r\n";
        }
        WriteFile(file);
    }

    // Opens the dialog on the five rows, plays the steps and presses OK,
    // which saves; the bytes saved.
    std::string SaveAfter(const std::vector<Step>& steps) {
        WriteFiveRows();
        RunToEnd([&] {
            for (const Step& step : steps) step();
            driver::ClickControl(Dlg(), IDOK);
        });
        return ReadFile().value_or("MISSING");
    }

    // The rows, their selection, its mark, the first row in view and the
    // status line with its colour.
    std::string Shown() {
        std::string text;
        for (const std::string& row : Rows()) text += row + "\n";
        for (int nRow : SelectedRows()) text += "sel " + std::to_string(nRow) + " ";
        text += "mark " + std::to_string(List().GetSelectionMark());
        text += " top " + std::to_string(List().GetTopIndex());
        return text + "\n" + Status() + (StatusIsRed() ? " (red)" : "");
    }

    static void Press(UINT vk, UINT keys = MK_CONTROL) { afx::PressKey(vk, keys); }

    void DropOn(const std::string& strScreen, CPoint to) {
        const HTREEITEM hScreen = MenuItem({"Many", strScreen});
        driver::ClickItem(Tree(), hScreen);
        ASSERT_TRUE(driver::Drag(Tree(), driver::ItemPoint(Tree(), hScreen), List(), to));
    }

    struct Action {
        const char* pszName;
        Step setup;
        Step act;
    };
    std::vector<Action> Actions() {
        const Step none = [] {};
        return {
            {"add", none,
             [this] {
                 Add({"Quotes", "[0101] Current price"});
             }},
            {"add by double-click", none,
             [this] {
                 driver::DoubleClickItem(Tree(), MenuItem({"Quotes", "[0102] Order book"}));
             }},
            {"add by drop", none,
             [this] { DropOn("[1011] Screen 1011", driver::EndPoint(List())); }},
            {"replace by drop", none,
             [this] { DropOn("[1012] Screen 1012", driver::RowPoint(List(), 2)); }},
            {"swap", [this] { driver::ClickRow(List(), 0); },
             [this] {
                 ASSERT_TRUE(driver::Drag(List(), driver::RowPoint(List(), 0), List(),
                                          driver::RowPoint(List(), 3)));
             }},
            {"Ctrl+Down in the list", [this] { driver::ClickRow(List(), 1); },
             [this] {
                 List().SetFocus();
                 afx::PressKey(VK_DOWN, MK_CONTROL);
             }},
            {"delete", [this] { driver::ClickRow(List(), 1); },
             [this] { driver::ClickControl(Dlg(), IDC_LINK_DELETE); }},
            {"delete by double-click", [this] { driver::ClickRow(List(), 2); },
             [this] { driver::DoubleClickRow(List(), 2); }},
            {"delete all", none, [this] { driver::ClickControl(Dlg(), IDC_LINK_DELETE_ALL); }},
        };
    }
};

TEST_F(LinkUndo, EveryChangeIsUndoneAndRedone) {
    for (const Action& c : Actions()) {
        SCOPED_TRACE(c.pszName);
        const std::string strDone = SaveAfter({c.setup, c.act});
        WriteFiveRows();
        RunToEnd([&] {
            c.setup();
            const std::vector<std::string> rows = Rows();
            driver::ExpectUndoneAndRedone(
                [this] { return Shown(); }, c.act,
                [&](bool bUndone) { EXPECT_EQ(Rows() == rows, bUndone); });
            driver::ClickControl(Dlg(), IDOK);
        });
        EXPECT_EQ(ReadFile(), strDone);
    }
}

// Undone step by step to its start, a session saves the bytes that the
// dialog saves when just opened; redone, those of the session without undo.
TEST_F(LinkUndo, ASessionUndoneToItsStartSavesWhatTheOpenedDialogSaves) {
    std::vector<Step> session;
    for (const Action& action : Actions()) {
        session.push_back(action.setup);
        session.push_back(action.act);
    }
    const std::string strOpened = SaveAfter({});
    const std::string strSession = SaveAfter(session);
    ASSERT_NE(strSession, strOpened);
    const std::size_t nSteps = session.size() / 2;
    session.push_back([nSteps] {
        for (std::size_t i = 0; i < nSteps; ++i) Press('Z');
    });
    EXPECT_EQ(SaveAfter(session), strOpened);
    session.push_back([nSteps] {
        for (std::size_t i = 0; i < nSteps; ++i) Press('Z', MK_CONTROL | MK_SHIFT);
    });
    EXPECT_EQ(SaveAfter(session), strSession);
}

}  // namespace
