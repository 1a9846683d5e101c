// The menu search of both dialogs, driven through their controls: the same
// walk over the menu tree, the counter, the step buttons without
// wrap-around, and matches shown by opening the folders above them.
#include <TerminalSetup.h>
#include <afxcodepage.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "linkmenu/ConnectMenuDlg.h"
#include "res/resource.h"
#include "DialogDriver.h"
#include "toolbar/SetUserToolDlg.h"

namespace fs = std::filesystem;

namespace {

using Path = std::vector<std::string>;

// The controls of one dialog's search, and the label of a screen in its tree.
struct Dialog {
    const char* pszName;
    int nEdit, nSearch, nCounter, nPrev, nNext, nTree;
    bool bStepButtonsStartEnabled;
    std::string (*label)(const char* pszName, const char* pszNo, bool bFirstLevel);
};

void PrintTo(const Dialog& dialog, std::ostream* os) {
    *os << dialog.pszName;
}

std::string ToolbarLabel(const char* pszName, const char* pszNo, bool bFirstLevel) {
    return bFirstLevel ? pszName : std::string(pszName) + "(" + pszNo + ")";
}

std::string LinkLabel(const char* pszName, const char* pszNo, bool) {
    return std::string("[") + pszNo + "] " + pszName;
}

const Dialog kToolbar = {"toolbar",    IDC_SEARCH_TEXT, IDC_SEARCH, IDC_HIT_COUNT, IDC_PREV_HIT,
                         IDC_NEXT_HIT, IDC_MENU_TREE,   false,      ToolbarLabel};
const Dialog kLink = {"link",
                      IDC_LINK_SEARCH_TEXT,
                      IDC_LINK_SEARCH,
                      IDC_LINK_HIT_COUNT,
                      IDC_LINK_PREV_HIT,
                      IDC_LINK_NEXT_HIT,
                      IDC_LINK_MENU_TREE,
                      true,
                      LinkLabel};

std::string Cp949(const char* pszUtf8) {
    return afx::Utf8ToCp949(pszUtf8);
}

class MenuSearch : public ::testing::TestWithParam<Dialog> {
protected:
    // A Korean folder with a screen three folders down, a Latin folder, a
    // folder whose name alone matches "folder", a first-level screen, an
    // empty folder, and the last folder, whose screen is also the user's one
    // favorite.
    MenuSearch() {
        m_home =
            fs::temp_directory_path() /
            (std::string("tabulo-search-") + std::to_string(getpid()) + "-" + GetParam().pszName +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_home);
        fs::create_directories(m_home / "user");
        terminal::SetUserDir((m_home / "user").string().c_str());
        std::ofstream(m_home / "user" / "9110.FAF", std::ios::binary)
            << "[TOTCOUNT]\r\nCNT=1\r\n[0]\r\nTRCODE=0999\r\n";

        CMenuNode* pQuotes = Folder(m_menu, "시세");
        Screen(*pQuotes, "현재가", "0101");
        Screen(*pQuotes, "호가", "0102");
        Screen(*Folder(*Folder(*Folder(*pQuotes, "Level1"), "Level2"), "Level3"), "Deep Order",
               "0777");
        CMenuNode* pOrders = Folder(m_menu, "Orders");
        Screen(*pOrders, "order entry", "0201");
        Screen(*pOrders, "REORDER", "0202");
        Screen(*Folder(m_menu, "Order folder"), "Inside", "0301");
        Screen(m_menu, "Top Order", "0900");
        // Labels whose bytes tell code-page-aware matching from byte
        // matching (A1 B3 straddles 가나; the trail byte of 갵 is a Latin 'a'),
        // and labels matched on their first 511 bytes only.
        CMenuNode* pOdd = Folder(m_menu, "Odd labels");
        for (const char* pszName : {"가나 잔고", "갵 screen", "ＡＢＣ wide"})
            Screen(*pOdd, pszName, "0401");
        const std::size_t nPrefix = GetParam().nTree == IDC_LINK_MENU_TREE ? 7 : 0;  // "[0401] "
        m_strNeedle = std::string(505 - nPrefix, 'x') + "NEEDLE";
        Screen(*pOdd, m_strNeedle.c_str(), "0401");
        Screen(*pOdd, (std::string(509 - nPrefix, 'y') + "HAY").c_str(), "0401");
        Folder(m_menu, "Empty box");
        Screen(*Folder(m_menu, "Last"), "Final screen", "0999");
        terminal::BuildScreenIndex(m_menu, m_index);
    }
    ~MenuSearch() override { fs::remove_all(m_home); }

    static CMenuNode* Folder(CMenuNode& parent, const char* pszName) {
        CMenuNode* pNode = parent.AddChild();
        pNode->m_strName = Cp949(pszName).c_str();
        return pNode;
    }
    static void Screen(CMenuNode& parent, const char* pszName, const char* pszNo) {
        CMenuNode* pNode = parent.AddChild();
        pNode->m_strName = Cp949(pszName).c_str();
        pNode->m_nKind = MENU_NODE_SCREEN;
        pNode->m_pScreen = std::make_unique<CScreenRecord>();
        pNode->m_pScreen->m_strScreenNo = pszNo;
        pNode->m_pScreen->m_strSecondCode = CString("TR") + pszNo;
    }

    // Opens the dialog of the test's parameter and calls body once it is shown.
    void Run(const std::function<void()>& body) {
        CSetUserToolDlg toolbar(&m_menu, (m_home / "user").string().c_str(), "tester", "",
                                &m_index);
        CConnectMenuDlg link(&m_menu, "", nullptr);
        m_pDlg = GetParam().nTree == IDC_MENU_TREE ? static_cast<CDialog*>(&toolbar) : &link;
        driver::RunModal(*m_pDlg, body, true);
        m_pDlg = nullptr;
    }

    CTreeCtrl& Tree() { return *static_cast<CTreeCtrl*>(m_pDlg->GetDlgItem(GetParam().nTree)); }
    void Search(const std::string& text) {
        driver::TypeInto(*m_pDlg, GetParam().nEdit, text.c_str());
        driver::ClickControl(*m_pDlg, GetParam().nSearch);
    }
    void Click(int nID) { driver::ClickControl(*m_pDlg, nID); }
    bool Enabled(int nID) { return m_pDlg->GetDlgItem(nID)->IsWindowEnabled() != FALSE; }
    std::string Counter() {
        CString strText;
        m_pDlg->GetDlgItemText(GetParam().nCounter, strText);
        return strText.GetString();
    }
    Path Selected() {
        const HTREEITEM hItem = Tree().GetSelectedItem();
        return hItem ? driver::PathOf(Tree(), hItem) : Path();
    }
    // Every item above the selection is open.
    bool SelectionShown() {
        for (HTREEITEM h = Tree().GetParentItem(Tree().GetSelectedItem()); h;
             h = Tree().GetParentItem(h)) {
            if (!(Tree().GetItemState(h, TVIS_EXPANDED) & TVIS_EXPANDED)) return false;
        }
        return true;
    }

    // Where the dialog shows match i of hits: counter, selection, buttons.
    void ExpectAt(const std::vector<Path>& hits, std::size_t i) {
        SCOPED_TRACE(i);
        const std::string total = std::to_string(hits.size());
        EXPECT_EQ(Counter(), "(" + std::to_string(i + 1) + "/" + total + ")");
        EXPECT_EQ(Selected(), hits[i]);
        EXPECT_TRUE(SelectionShown());
        EXPECT_EQ(Enabled(GetParam().nPrev), i > 0);
        EXPECT_EQ(Enabled(GetParam().nNext), i + 1 < hits.size());
    }

    fs::path m_home;
    CMenuNode m_menu;
    std::string m_strNeedle;
    CMapStringToPtr m_index;
    afx::AutomationSession m_session;
    CDialog* m_pDlg = nullptr;
};

// Path of a screen below the first level under the labels of its folders.
Path ScreenPath(const Dialog& dialog, std::initializer_list<const char*> folders,
                const char* pszName, const char* pszNo) {
    Path path = {"Halvane VORK Menu"};
    for (const char* pszFolder : folders) path.push_back(Cp949(pszFolder));
    path.push_back(dialog.label(Cp949(pszName).c_str(), pszNo, folders.size() == 0));
    return path;
}

// Matches are the leaves whose label holds the text in any letter case, in
// tree order, collapsed folders and favorites included; folders never match.
TEST_P(MenuSearch, StepsThroughEveryMatchInTreeOrder) {
    const Dialog& d = GetParam();
    const bool bLink = d.nTree == IDC_LINK_MENU_TREE;
    const Path deep = ScreenPath(d, {"시세", "Level1", "Level2", "Level3"}, "Deep Order", "0777");
    const Path entry = ScreenPath(d, {"Orders"}, "order entry", "0201");
    const Path reorder = ScreenPath(d, {"Orders"}, "REORDER", "0202");
    const Path top = ScreenPath(d, {}, "Top Order", "0900");
    const Path final = ScreenPath(d, {"Last"}, "Final screen", "0999");
    const Path favorite = {"Favorites", Cp949("관심화면[9110]"), "Final screen(0999)"};
    const struct {
        std::string text;
        std::vector<Path> hits;
    } cases[] = {
        {"order", {deep, entry, reorder, top}},
        {"ORDER", {deep, entry, reorder, top}},
        {Cp949("현재"), {ScreenPath(d, {"시세"}, "현재가", "0101")}},
        {Cp949("가"),
         {ScreenPath(d, {"시세"}, "현재가", "0101"), ScreenPath(d, {"시세"}, "호가", "0102"),
          ScreenPath(d, {"Odd labels"}, "가나 잔고", "0401")}},
        {Cp949("〕"), {}},
        {"a screen", {}},
        {Cp949("ａｂｃ"), {ScreenPath(d, {"Odd labels"}, "ＡＢＣ wide", "0401")}},
        {"needle", {ScreenPath(d, {"Odd labels"}, m_strNeedle.c_str(), "0401")}},
        {"hay", {}},
        {"0999", bLink ? std::vector<Path>{final} : std::vector<Path>{final, favorite}},
        {"0900", bLink ? std::vector<Path>{top} : std::vector<Path>{}},
        {"0777", {deep}},
        {"folder", {}},
        {"Level", {}},
        {"no such screen", {}},
        // The toolbar dialog shows an empty folder, as a leaf.
        {"box",
         bLink ? std::vector<Path>{} : std::vector<Path>{{"Halvane VORK Menu", "Empty box"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Run([&] {
            Search(c.text);
            if (c.hits.empty()) {
                EXPECT_EQ(Counter(), "(0/0)");
                EXPECT_FALSE(Enabled(d.nPrev));
                EXPECT_FALSE(Enabled(d.nNext));
                EXPECT_EQ(Selected(), Path());
                return;
            }
            ExpectAt(c.hits, 0);
            for (std::size_t i = 1; i < c.hits.size(); ++i) {
                Click(d.nNext);
                ExpectAt(c.hits, i);
            }
            for (std::size_t i = c.hits.size() - 1; i > 0; --i) {
                Click(d.nPrev);
                ExpectAt(c.hits, i - 1);
            }
        });
    }
}

// Enter in the field searches; a new search replaces the matches; an empty
// field changes nothing, and the last matches stay within reach.
TEST_P(MenuSearch, EnterSearchesAndAnEmptyTextKeepsTheLastMatches) {
    const Dialog& d = GetParam();
    const Path entry = ScreenPath(d, {"Orders"}, "order entry", "0201");
    const Path reorder = ScreenPath(d, {"Orders"}, "REORDER", "0202");
    const Path deep = ScreenPath(d, {"시세", "Level1", "Level2", "Level3"}, "Deep Order", "0777");
    const Path top = ScreenPath(d, {}, "Top Order", "0900");
    Run([&] {
        driver::TypeInto(*m_pDlg, d.nEdit, "order");
        afx::PressKey(VK_RETURN);
        ExpectAt({deep, entry, reorder, top}, 0);
        Click(d.nNext);
        Click(d.nNext);

        Search("");
        EXPECT_EQ(Counter(), "(3/4)");
        EXPECT_EQ(Selected(), reorder);
        Click(d.nPrev);
        EXPECT_EQ(Counter(), "(2/4)");
        EXPECT_EQ(Selected(), entry);

        Search("entry");
        ExpectAt({entry}, 0);
        EXPECT_TRUE(m_pDlg->IsWindowVisible());
    });
}

// Before any search the link dialog's step buttons are enabled and only
// enable each other; the toolbar dialog's start disabled.
TEST_P(MenuSearch, StepButtonsBeforeAnySearchChangeNothing) {
    const Dialog& d = GetParam();
    Run([&] {
        EXPECT_EQ(Counter(), "(0/0)");
        EXPECT_EQ(Enabled(d.nPrev), d.bStepButtonsStartEnabled);
        EXPECT_EQ(Enabled(d.nNext), d.bStepButtonsStartEnabled);
        if (!d.bStepButtonsStartEnabled) return;
        const std::vector<std::string> before = driver::TreeLines(Tree());
        Click(d.nNext);
        Click(d.nPrev);
        EXPECT_EQ(Counter(), "(0/0)");
        EXPECT_TRUE(Enabled(d.nPrev));
        EXPECT_TRUE(Enabled(d.nNext));
        EXPECT_EQ(driver::TreeLines(Tree()), before);
    });
}

INSTANTIATE_TEST_SUITE_P(BothDialogs, MenuSearch, ::testing::Values(kToolbar, kLink),
                         [](const auto& info) { return std::string(info.param.pszName); });

}  // namespace
