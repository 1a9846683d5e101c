// The module as the terminal sees it: CallTabulo reads each mode's inputs in
// order, runs the dialog with the module's resources in force, returns its
// result, and hands saved files to the pop-up library.

#include <afxwin.h>

#include <cstdio>
#include <set>
#include <sstream>

#include "FileDownObserver.h"
#include "TerminalFixture.h"
#include "TerminalSetup.h"
#include "res/resource.h"

namespace {

using EntryTest = TerminalFixture;

TEST_F(EntryTest, OtherModesOpenNothingAndReadNoInput) {
    Session();
    for (int nMode : {0, 1, 3, 5, -1}) {
        SCOPED_TRACE(nMode);
        int nDialogs = 0;
        EXPECT_EQ(Call(nMode, [&](HWND) { ++nDialogs; }), 0);
        EXPECT_EQ(nDialogs, 0);
        EXPECT_EQ(terminal::InputReadLog(), "");
    }
}

TEST_F(EntryTest, ToolbarSettingsReadsItsInputsInOrderAndReturnsTheDialogsResult) {
    Session();
    const struct {
        int nButton;
        int nResult;
    } cases[] = {{IDC_SAVE, IDOK}, {IDCANCEL, IDCANCEL}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nButton);
        const HINSTANCE hBefore = AfxGetResourceHandle();
        HINSTANCE hDuring = nullptr;
        CString strCaption;
        EXPECT_EQ(Call(2,
                       [&](HWND hDialog) {
                           hDuring = AfxGetResourceHandle();
                           char caption[64] = {};
                           ::GetWindowTextA(hDialog, caption, sizeof caption);
                           strCaption = caption;
                           ClickControl(hDialog, c.nButton);
                       }),
                  c.nResult);
        EXPECT_EQ(strCaption, "Toolbar Settings");
        EXPECT_EQ(terminal::InputReadLog(), "p1 s2 s3 s4 p5");
        EXPECT_NE(hDuring, hBefore);
        EXPECT_NE(hDuring, nullptr);
        EXPECT_EQ(AfxGetResourceHandle(), hBefore);
    }
}

TEST_F(EntryTest, LinkMenuReadsItsInputsInOrderAndReturnsZero) {
    Session();
    for (int nButton : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(nButton);
        const HINSTANCE hBefore = AfxGetResourceHandle();
        CString strCaption;
        EXPECT_EQ(Call(4,
                       [&](HWND hDialog) {
                           char caption[64] = {};
                           ::GetWindowTextA(hDialog, caption, sizeof caption);
                           strCaption = caption;
                           ClickControl(hDialog, nButton);
                       }),
                  0);
        EXPECT_EQ(strCaption, "Register link menu");
        EXPECT_EQ(terminal::InputReadLog(), "p1 s2 p3");
        EXPECT_EQ(AfxGetResourceHandle(), hBefore);
    }
}

// Every control of both templates, with its text, as the dialogs show them.
TEST_F(EntryTest, DialogsShowEveryControlOfTheirTemplates) {
    Session();
    const struct {
        int nMode;
        std::vector<std::pair<int, const char*>> controls;
    } dialogs[] = {
        {2,
         {{IDC_ADD_GROUP, "Add new group"},
          {IDC_RENAME_GROUP, "Change group name"},
          {IDC_DELETE_GROUP, "Delete group"},
          {IDC_MODIFY_GROUP, "Modify Group"},
          {IDC_GROUP_TREE, ""},
          {IDC_TOOL_LIST, ""},
          {IDC_REGIST, "Regist"},
          {IDC_DELETE_SCREEN, "Delete"},
          {IDC_DELETE_ALL_SCREENS, ">>"},
          {IDC_SCREEN_TOP, "AA"},
          {IDC_SCREEN_UP, "A"},
          {IDC_SCREEN_DOWN, "V"},
          {IDC_SCREEN_BOTTOM, "VV"},
          {IDC_SEARCH_TEXT, ""},
          {IDC_SEARCH, "Search"},
          {IDC_HIT_COUNT, "(0/0)"},
          {IDC_PREV_HIT, "<"},
          {IDC_NEXT_HIT, ">"},
          {IDC_MENU_TREE, ""},
          {IDC_DELETE_TOOLBAR, "Delete Toolbar"},
          {IDC_MOVE_TOOLBAR, "Move Toolbar"},
          {IDC_SAVE, "Save"},
          {IDCANCEL, "Cancel"}}},
        {4,
         {{IDC_LINK_SEARCH_TEXT, ""},
          {IDC_LINK_SEARCH, "Search"},
          {IDC_LINK_HIT_COUNT, "(0/0)"},
          {IDC_LINK_PREV_HIT, "<"},
          {IDC_LINK_NEXT_HIT, ">"},
          {IDC_LINK_MENU_TREE, ""},
          {IDC_LINK_ADD, "Add"},
          {IDC_LINK_DELETE, "Delete"},
          {IDC_LINK_DELETE_ALL, "Delete All"},
          {IDC_LINK_LIST, ""},
          {IDC_LINK_STATUS, ""},
          {IDOK, "OK"},
          {IDCANCEL, "Cancel"}}},
    };
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(dialog.nMode);
        int nShown = 0;
        Call(dialog.nMode, [&](HWND hDialog) {
            ++nShown;
            for (const auto& [nID, pszText] : dialog.controls) {
                SCOPED_TRACE(nID);
                EXPECT_NE(::GetDlgItem(hDialog, nID), nullptr);
                EXPECT_EQ(ControlText(hDialog, nID), pszText);
            }
            afx::EndModal(IDCANCEL);
        });
        EXPECT_EQ(nShown, 1);
    }
}

// The trees' pictures are the module's: found while its dialogs run, as
// strips of 16 x 16 pictures.
TEST_F(EntryTest, TheModuleCarriesTheTreesPictures) {
    Session();
    for (int nMode : {2, 4}) {
        SCOPED_TRACE(nMode);
        std::vector<std::pair<LONG, LONG>> sizes;
        Call(nMode, [&](HWND) {
            for (UINT nID : {IDB_TREE_ROOT, IDB_TREE_ITEMS}) {
                CBitmap bitmap;
                BITMAP info{};
                if (bitmap.LoadBitmap(nID) && bitmap.GetBitmap(&info))
                    sizes.emplace_back(info.bmWidth, info.bmHeight);
            }
            afx::EndModal(IDCANCEL);
        });
        EXPECT_EQ(sizes, (std::vector<std::pair<LONG, LONG>>{{32, 16}, {80, 16}}));
    }
}

TEST_F(EntryTest, TrailingBlanksOfTheUserIdentifierStayOutOfTheFileName) {
    m_options.user = "kim01  ";
    m_options.service = 1;
    Session();
    EXPECT_EQ(Call(2, [](HWND hDialog) { ClickControl(hDialog, IDC_SAVE); }), IDOK);
    ASSERT_EQ(m_handOvers.size(), 1u);
    EXPECT_EQ(m_handOvers[0].path, m_home.string() + "/user\\ToolBar_kim01.ini");
}

// Users of service 1 whose menu grade begins with "1" have each saved file
// handed to the pop-up library; anyone else's save hands nothing over, and a
// missing library changes nothing of the result.
TEST_F(EntryTest, SavedFilesGoToThePopUpLibraryForServiceOneAndGradeOne) {
    const std::string emptyDir = (m_home / "empty").string();
    const struct {
        short nService;
        const char* pszGrade;
        bool bLibrary;
        bool bHandedOver;
    } cases[] = {
        {1, "1", true, true},  {1, "1B", true, true}, {1, "2", true, false},  {1, "", true, false},
        {0, "1", true, false}, {2, "1", true, false}, {1, "1", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.nService) + " " + c.pszGrade + (c.bLibrary ? "" : " none"));
        m_options.service = c.nService;
        m_options.grade = c.pszGrade;
        m_options.mainDir = c.bLibrary ? ProgramDir() : emptyDir;
        std::filesystem::create_directories(emptyDir);
        Session();
        m_handOvers.clear();
        // Without a library in the main directory the session observes none;
        // the one beside the program would still tell of a call that found it.
        HMODULE hFlyout =
            c.bLibrary ? nullptr : LoadLibraryA((ProgramDir() + "/Flyout.dll").c_str());
        SetFileDownObserverFn setObserver = nullptr;
        if (hFlyout) {
            setObserver = reinterpret_cast<SetFileDownObserverFn>(
                reinterpret_cast<void (*)()>(GetProcAddress(hFlyout, "SetFileDownObserver")));
            ASSERT_NE(setObserver, nullptr);
            setObserver(
                [](void* pContext, int nMode, const char* pszCode, const char* pszPath) {
                    static_cast<std::vector<host::HandOver>*>(pContext)->push_back(
                        {nMode, pszCode, pszPath});
                },
                &m_handOvers);
        }
        EXPECT_EQ(Call(2, [](HWND hDialog) { ClickControl(hDialog, IDC_SAVE); }), IDOK);
        EXPECT_EQ(Call(4, [](HWND hDialog) { ClickControl(hDialog, IDOK); }), 0);
        EXPECT_EQ(Call(2, [](HWND hDialog) { ClickControl(hDialog, IDCANCEL); }), IDCANCEL);
        EXPECT_EQ(Call(4, [](HWND hDialog) { ClickControl(hDialog, IDCANCEL); }), 0);
        if (hFlyout) {
            setObserver(nullptr, nullptr);
            FreeLibrary(hFlyout);
        }
        if (!c.bHandedOver) {
            EXPECT_TRUE(m_handOvers.empty());
            continue;
        }
        ASSERT_EQ(m_handOvers.size(), 2u);
        EXPECT_EQ(m_handOvers[0].mode, 1);
        EXPECT_EQ(m_handOvers[0].code, "0005");
        EXPECT_EQ(m_handOvers[0].path, m_home.string() + "/user\\ToolBar_guest.ini");
        EXPECT_EQ(m_handOvers[1].mode, 1);
        EXPECT_EQ(m_handOvers[1].code, "0007");
        EXPECT_EQ(m_handOvers[1].path, m_home.string() + "/users/guest\\UserConnectMenu.ini");
        EXPECT_EQ(host::HomeRelativePath(m_handOvers[1].path, m_home.string()),
                  "users/guest/UserConnectMenu.ini");
    }
}

}  // namespace

namespace {

// The terminal finds the module's functions by their plain names, and the
// module shows it nothing else (the linker's own markers start with "_").
TEST(Exports, OnlyTheThreeEntryPointsLeaveTheModule) {
    const std::string command =
        "nm -D --defined-only '" + TerminalFixture::ProgramDir() + "/libTabulo.so'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> names;
    char line[512];
    while (fgets(line, sizeof line, pipe)) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name && !name.starts_with("_")) names.insert(name);
    }
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(names,
              (std::set<std::string>{"CallTabulo", "ConnectMenuDlgStart", "UserToolbarDlgStart"}));
}

}  // namespace
