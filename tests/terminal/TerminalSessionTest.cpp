// The module as the terminal sees it, loaded from beside the test program
// with the sample menu and a home directory in a temporary folder: what
// CallTabulo reads and runs, a menu nested far deeper than the stack allows
// frames, and the user's toolbars and link menu read back from the files the
// module wrote. The hand-over of saved files to the pop-up library is the
// recorded sessions flyout-* and saved-files.

#include <afxautomation.h>
#include <afxcodepage.h>
#include <afxwin.h>
#include <commctrl.h>

#include <RegDllMng.h>
#include <RoVuvi21.h>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "MenuFile.h"
#include "SampleData.h"
#include "TerminalSession.h"
#include "TerminalSetup.h"
#include "res/resource.h"

namespace fs = std::filesystem;

namespace {

std::string ProgramDir() {
    return fs::read_symlink("/proc/self/exe").parent_path().string();
}

class TerminalSessionTest : public ::testing::Test {
protected:
    TerminalSessionTest() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        // The process id keeps test runs of other builds on the machine apart.
        m_home = fs::temp_directory_path() / (std::string("tabulo-terminal-") + test->name() + "-" +
                                              std::to_string(::getpid()));
        fs::remove_all(m_home);
        m_options.home = m_home.string();
        m_options.mainDir = ProgramDir();
    }
    ~TerminalSessionTest() override {
        m_pSession.reset();
        fs::remove_all(m_home);
    }

    // A session on the current options, with the sample menu or the given one.
    host::TerminalSession& Session(CMenuNode menu = host::ParseMenuFile(host::SampleMenu())) {
        m_pSession.reset();
        const host::HomeDir home(m_options.home);
        home.Prepare(m_options.user);
        m_pSession =
            std::make_unique<host::TerminalSession>(m_options, home, std::move(menu), ProgramDir());
        return *m_pSession;
    }

    // Calls CallTabulo(mode); act runs on each dialog once it is shown.
    int Call(int nMode, const std::function<void(HWND)>& act) {
        const afx::ModalHook previous = afx::SetModalHook([&](const afx::ModalInfo& info) {
            if (info.hwnd) act(info.hwnd);
        });
        const int nResult = m_pSession->CallTabulo(nMode);
        afx::SetModalHook(previous);
        return nResult;
    }

    afx::AutomationSession m_automation;
    fs::path m_home;
    host::HostOptions m_options;
    std::unique_ptr<host::TerminalSession> m_pSession;
};

using EntryTest = TerminalSessionTest;

TEST_F(EntryTest, EachModeReadsItsInputsInOrderAndRunsItsDialogOnTheModulesResources) {
    Session();
    const HINSTANCE hBefore = AfxGetResourceHandle();
    const struct {
        int nMode;
        const char* pszInputs;
        int nResult;
    } modes[] = {{-1, "", 0}, {0, "", 0},         {1, "", 0}, {2, "p1 s2 s3 s4 p5", IDCANCEL},
                 {3, "", 0},  {4, "p1 s2 p3", 0}, {5, "", 0}};
    for (const auto& m : modes) {
        SCOPED_TRACE(m.nMode);
        int nShown = 0;
        std::string pictures;
        EXPECT_EQ(Call(m.nMode,
                       [&](HWND) {
                           ++nShown;
                           EXPECT_NE(AfxGetResourceHandle(), hBefore);
                           // The trees' pictures: strips of 16 x 16 pictures.
                           for (UINT nID : {IDB_TREE_ROOT, IDB_TREE_ITEMS}) {
                               CBitmap bitmap;
                               BITMAP info{};
                               if (bitmap.LoadBitmap(nID) && bitmap.GetBitmap(&info))
                                   pictures += std::to_string(info.bmWidth) + "x" +
                                               std::to_string(info.bmHeight) + " ";
                           }
                           afx::EndModal(IDCANCEL);
                       }),
                  m.nResult);
        EXPECT_EQ(nShown, *m.pszInputs ? 1 : 0);
        EXPECT_EQ(terminal::InputReadLog(), m.pszInputs);
        EXPECT_EQ(AfxGetResourceHandle(), hBefore);
        EXPECT_EQ(pictures, nShown ? "32x16 80x16 " : "");
    }
}

TEST(TerminalInputs, AnIndexGivesBackWhatWasRegisteredAndEveryReadIsRecorded) {
    terminal::ClearInputs();
    int nMenu = 0;
    terminal::RegisterInput(1, &nMenu);
    terminal::RegisterInput(2, CString("trader  "));
    terminal::RegisterInput(3, static_cast<void*>(&nMenu + 1));
    CString strValue;
    EXPECT_EQ(CRegDllMng::GetInput_p(1), &nMenu);
    EXPECT_EQ(CRegDllMng::GetInput_s(2, strValue), 8);
    EXPECT_EQ(strValue, "trader  ");
    EXPECT_EQ(CRegDllMng::GetInput_p(3), &nMenu + 1);
    EXPECT_EQ(terminal::InputReadLog(), "p1 s2 p3");
}

// The terminal finds the module's functions by their plain names, and the
// module shows it nothing else (the linker's own markers start with "_").
TEST(Exports, OnlyTheThreeEntryPointsLeaveTheModule) {
    FILE* pipe = popen(("nm -D --defined-only '" + ProgramDir() +
                        "/libTabulo.so' | awk '$3 !~ /^_/ { print $3 }' | sort")
                           .c_str(),
                       "r");
    ASSERT_NE(pipe, nullptr);
    std::string names(256, '\0');
    names.resize(fread(names.data(), 1, names.size(), pipe));
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(names, "CallTabulo\nConnectMenuDlgStart\nUserToolbarDlgStart\n");
}

// The terminal's message box: OK alone or with Cancel, a last line under the
// text when one is given, and the answer as the box gave it.
TEST(VoMessageBox, ShowsTheFrameworksBoxWithItsLastLine) {
    afx::AutomationSession automation;
    const struct {
        int nType;
        LPCSTR pszLast;
        int nAnswer;
        UINT uShownType;
        const char* pszShownText;
    } cases[] = {{0, nullptr, IDOK, MB_OK, "Text"},
                 {1, "", IDCANCEL, MB_OKCANCEL, "Text"},
                 {0, "More", IDOK, MB_OK, "Text\nMore"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszShownText);
        afx::ClearMessageBoxRecords();
        const afx::MessageBoxHandler previous =
            afx::SetMessageBoxHandler([&](HWND, LPCSTR, LPCSTR, UINT) { return c.nAnswer; });
        EXPECT_EQ(CRoVuvi21::VoMessageBox("Text", c.nType, "Caption", nullptr, c.pszLast),
                  c.nAnswer);
        afx::SetMessageBoxHandler(previous);
        ASSERT_EQ(afx::MessageBoxRecords().size(), 1u);
        EXPECT_EQ(afx::MessageBoxRecords()[0].text, c.pszShownText);
        EXPECT_EQ(afx::MessageBoxRecords()[0].type & MB_TYPEMASK, c.uShownType);
    }
}

// Lets the calling thread's stack grow by only `room` bytes more than it
// holds now, while it lives, so that any recursion along a deep menu fails.
class SmallStackLimit {
public:
    explicit SmallStackLimit(rlim_t room) {
        getrlimit(RLIMIT_STACK, &m_saved);
        rlimit small = m_saved;
        std::ifstream maps("/proc/self/maps");
        for (std::string line; std::getline(maps, line);) {
            if (line.find("[stack]") == std::string::npos) continue;
            const std::size_t dash = line.find('-');
            small.rlim_cur = std::stoull(line.substr(dash + 1), nullptr, 16) -
                             std::stoull(line.substr(0, dash), nullptr, 16) + room;
        }
        setrlimit(RLIMIT_STACK, &small);
    }
    ~SmallStackLimit() { setrlimit(RLIMIT_STACK, &m_saved); }
    SmallStackLimit(const SmallStackLimit&) = delete;
    SmallStackLimit& operator=(const SmallStackLimit&) = delete;

private:
    rlimit m_saved{};
};

CString SelectedLabel(HWND hTree) {
    char szText[64] = {};
    TVITEMA item{};
    item.hItem = reinterpret_cast<HTREEITEM>(::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.mask = TVIF_TEXT;
    item.pszText = szText;
    item.cchTextMax = sizeof szText;
    ::SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return szText;
}

TEST_F(TerminalSessionTest, AMenuNestedTwentyThousandLevelsDeepIsCopiedFreedShownAndSearched) {
    constexpr int kDepth = 20000;
    CMenuNode menu;
    {
        const SmallStackLimit limit(1 << 18);
        CMenuNode* pNode = &menu;
        for (int i = 0; i < kDepth; ++i) {
            pNode = pNode->AddChild();
            pNode->m_strName = ("f" + std::to_string(i)).c_str();
        }
        pNode = pNode->AddChild();
        pNode->m_strName = "deep";
        pNode->m_nKind = MENU_NODE_SCREEN;
        pNode->m_pScreen = std::make_unique<CScreenRecord>();
        pNode->m_pScreen->m_strScreenNo = "0A01";
        const CMenuNode copy = menu;
        const CMenuNode* pCopied = &copy;
        int nDepth = 0;
        for (; pCopied->GetChildCount() == 1; pCopied = pCopied->GetChild(0)) ++nDepth;
        EXPECT_EQ(nDepth, kDepth + 1);
        EXPECT_EQ(pCopied->m_strName, "deep");
    }
    // The dialogs need the program's own thread, and room for its event loops.
    const SmallStackLimit limit(1 << 20);
    host::TerminalSession& session = Session(std::move(menu));
    session.SetCurrentScreen("0a01");

    const struct {
        int nMode, nTree, nText, nSearch, nCounter;
        const char* pszSelected;
    } dialogs[] = {
        {2, IDC_MENU_TREE, IDC_SEARCH_TEXT, IDC_SEARCH, IDC_HIT_COUNT, "deep(0A01)"},
        {4, IDC_LINK_MENU_TREE, IDC_LINK_SEARCH_TEXT, IDC_LINK_SEARCH, IDC_LINK_HIT_COUNT,
         "[0A01] deep"},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.nMode);
        CString strOpened, strFound, strCounter;
        Call(d.nMode, [&](HWND hDialog) {
            const HWND hTree = ::GetDlgItem(hDialog, d.nTree);
            strOpened = SelectedLabel(hTree);
            ::SetWindowTextA(::GetDlgItem(hDialog, d.nText), "DEE");
            const HWND hSearch = ::GetDlgItem(hDialog, d.nSearch);
            RECT rect;
            ::GetClientRect(hSearch, &rect);
            afx::Click(hSearch, {rect.right / 2, rect.bottom / 2});
            strFound = SelectedLabel(hTree);
            char szCounter[16] = {};
            ::GetWindowTextA(::GetDlgItem(hDialog, d.nCounter), szCounter, sizeof szCounter);
            strCounter = szCounter;
            afx::EndModal(IDCANCEL);
        });
        EXPECT_EQ(strOpened, d.pszSelected);
        EXPECT_EQ(strFound, d.pszSelected);
        EXPECT_EQ(strCounter, "(1/1)");
    }
}

std::string Describe(const std::vector<host::Toolbar>& toolbars) {
    std::string text;
    for (const host::Toolbar& toolbar : toolbars) {
        text += toolbar.strName + ":";
        for (const host::ToolbarButton& button : toolbar.buttons)
            text +=
                " " + button.strScreenNo + "|" + button.strShortName + "|" + button.strScreenName;
        text += "\n";
    }
    return text;
}

// Counts in the files are claims: only the keys that exist are read, at
// once, and a selection outside the user's toolbars keeps the file's order.
TEST_F(TerminalSessionTest, ToolbarsComeFromTheUsersFileWithTheSelectedOneFirst) {
    m_options.user = "kim01 ";
    host::TerminalSession& session = Session();
    EXPECT_TRUE(session.UserToolbars().empty());
    // The sample defaults hold seven toolbars, so COMBOSEL 8 is the user's second.
    const std::string file = (m_home / "user/ToolBar_kim01.ini").string();
    std::ofstream(file) << "[LIST]\nItemCnt=03\n01=Quotes\n02=Orders\n03=Charts\nCOMBOSEL=8\n"
                           "[Quotes]\nItemCnt=01\n01=0101,Price,Current price\n"
                           "[Orders]\nItemCnt=03\n01=0201,Buy,Cash buy\n02=0202\n"
                           "03=0203,,Amend, cancel\n";
    const char* const kOrders = "Orders: 0201|Buy|Cash buy 0203||Amend, cancel\n";
    const char* const kQuotes = "Quotes: 0101|Price|Current price\n";
    EXPECT_EQ(Describe(session.UserToolbars()), std::string(kOrders) + kQuotes + "Charts:\n");

    WritePrivateProfileStringA("LIST", "COMBOSEL", "2", file.c_str());
    EXPECT_EQ(Describe(session.UserToolbars()), std::string(kQuotes) + kOrders + "Charts:\n");
    WritePrivateProfileStringA("LIST", "ItemCnt", "2147483647", file.c_str());
    WritePrivateProfileStringA("LIST", "COMBOSEL", "-2147483648", file.c_str());
    WritePrivateProfileStringA("Orders", "ItemCnt", "99999999999", file.c_str());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Describe(session.UserToolbars()), std::string(kQuotes) + kOrders + "Charts:\n");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST_F(TerminalSessionTest, TheLinkMenuComesFromTheUsersOwnDirectory) {
    host::TerminalSession& session = Session();
    EXPECT_TRUE(session.LinkMenu().empty());
    const std::string file = (m_home / "users/guest/UserConnectMenu.ini").string();
    std::ofstream(file) << "[USERMENUCOUNT]\nCount=3\n[USERMENU]\n1=Screen A,INNER01,0101\n"
                           "2=broken\n3=Screen C,INNER03,0303,x\n";
    const auto describe = [&session] {
        std::string text;
        for (const host::LinkEntry& entry : session.LinkMenu())
            text += entry.strScreenName + "|" + entry.strInnerTR + "|" + entry.strScreenNo + "\n";
        return text;
    };
    EXPECT_EQ(describe(), "Screen A|INNER01|0101\nScreen C|INNER03|0303,x\n");
    WritePrivateProfileStringA("USERMENUCOUNT", "Count", "2147483647", file.c_str());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(describe(), "Screen A|INNER01|0101\nScreen C|INNER03|0303,x\n");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

// The flyout lines of the recorded sessions show the common paths.
TEST(HomeRelativePath, PathsBelowHomeLoseItAndEverySeparatorIsASlash) {
    EXPECT_EQ(host::HomeRelativePath("/home2/x", "/home"), "/home2/x");
    EXPECT_EQ(host::HomeRelativePath(afx::Utf8ToCp949("/h/users/김\\a.ini"), "/h"),
              "users/김/a.ini");
}

}  // namespace
