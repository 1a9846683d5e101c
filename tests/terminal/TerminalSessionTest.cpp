// What tabulo-host makes of the terminal's data: the menu tree from a menu
// file, the screen index, and the user's toolbars and link menu read back
// from the files the module wrote.

#include <afxcodepage.h>
#include <commctrl.h>
#include <windows.h>

#include <pthread.h>
#include <sys/resource.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "MenuFile.h"
#include "TerminalFixture.h"
#include "TerminalSetup.h"
#include "res/resource.h"

namespace {

using TerminalSessionTest = TerminalFixture;

CString Cp949(const char* pszUtf8) {
    return afx::Utf8ToCp949(pszUtf8);
}

TEST(BuildMenu, NodesKeepTheirFieldsInCp949UnderARootOfTheHost) {
    const CMenuNode root = host::ParseMenuFile(
        "folder \"시세\"\n"
        "  screen \"현재가\" no=0101 code=TR0101 type=3 hidden\n"
        "  separator\n"
        "node \"Odd\" kind=7\n");
    EXPECT_EQ(root.m_nKind, MENU_NODE_FOLDER);
    EXPECT_EQ(root.m_pScreen, nullptr);
    ASSERT_EQ(root.GetChildCount(), 2);
    const CMenuNode& folder = *root.GetChild(0);
    EXPECT_EQ(folder.m_strName, Cp949("시세"));
    EXPECT_EQ(folder.m_pScreen, nullptr);
    ASSERT_EQ(folder.GetChildCount(), 2);
    const CMenuNode& screen = *folder.GetChild(0);
    EXPECT_EQ(screen.m_strName, Cp949("현재가"));
    EXPECT_EQ(screen.m_nKind, MENU_NODE_SCREEN);
    EXPECT_EQ(screen.m_dwShow, 0u);
    ASSERT_NE(screen.m_pScreen, nullptr);
    EXPECT_EQ(screen.m_pScreen->m_strScreenNo, "0101");
    EXPECT_EQ(screen.m_pScreen->m_strSecondCode, "TR0101");
    EXPECT_EQ(screen.m_pScreen->m_nScreenType, 3);
    EXPECT_EQ(folder.GetChild(1)->m_strName, "SEPARATOR");
    EXPECT_EQ(folder.GetChild(1)->m_dwShow, 1u);
    EXPECT_EQ(root.GetChild(1)->m_nKind, 7);
    ASSERT_NE(root.GetChild(1)->m_pScreen, nullptr);
    EXPECT_EQ(root.GetChild(1)->m_pScreen->m_strScreenNo, "");
}

TEST(BuildMenu, TheScreenIndexFindsTheFirstNodeOfANumber) {
    CMenuNode root = host::ParseMenuFile(
        "folder \"a\"\n"
        "  screen \"first\" no=0101\n"
        "screen \"second\" no=0101\n");
    CMapStringToPtr index;
    terminal::BuildScreenIndex(root, index);
    void* pNode = nullptr;
    ASSERT_TRUE(index.Lookup("0101", pNode));
    EXPECT_EQ(static_cast<CMenuNode*>(pNode)->m_strName, "first");
}

// Runs `body` on a thread whose stack is far smaller than what one frame per
// level of a deep menu would take, so that any recursion along it fails.
void OnSmallStack(void (*body)()) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 1 << 20);
    pthread_t thread;
    ASSERT_EQ(pthread_create(
                  &thread, &attributes,
                  [](void* pBody) -> void* {
                      reinterpret_cast<void (*)()>(pBody)();
                      return nullptr;
                  },
                  reinterpret_cast<void*>(body)),
              0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

TEST(BuildMenu, AMenuNestedThirtyThousandLevelsDeepIsBuiltIndexedCopiedAndFreed) {
    OnSmallStack([] {
        constexpr int kDepth = 30000;
        CMenuNode root;
        CMenuNode* pLast = &root;
        for (int i = 0; i < kDepth; ++i) {
            pLast = pLast->AddChild();
            pLast->m_strName = ("f" + std::to_string(i)).c_str();
            pLast->m_pScreen = std::make_unique<CScreenRecord>();
            pLast->m_pScreen->m_strScreenNo = std::to_string(i).c_str();
        }
        CMapStringToPtr index;
        terminal::BuildScreenIndex(root, index);
        EXPECT_EQ(index.GetCount(), kDepth);
        void* pDeepest = nullptr;
        ASSERT_TRUE(index.Lookup(std::to_string(kDepth - 1).c_str(), pDeepest));
        EXPECT_EQ(static_cast<CMenuNode*>(pDeepest)->m_strName,
                  ("f" + std::to_string(kDepth - 1)).c_str());

        CMenuNode copy = root;
        const CMenuNode* pNode = &copy;
        int depth = 0;
        for (; pNode->GetChildCount() == 1; pNode = pNode->GetChild(0)) ++depth;
        EXPECT_EQ(depth, kDepth);
        EXPECT_EQ(pNode->m_strName, static_cast<CMenuNode*>(pDeepest)->m_strName);
        EXPECT_NE(pNode, pDeepest);
        copy = *root.GetChild(0)->GetChild(0);
        EXPECT_EQ(copy.m_strName, "f1");
    });
}

// Lets the calling thread's stack grow by only a megabyte more than it holds
// now, while it lives. The dialogs need the program's own thread, so they
// cannot be moved to a thread of a small stack as the menu itself can.
class SmallStackLimit {
public:
    SmallStackLimit() {
        getrlimit(RLIMIT_STACK, &m_saved);
        rlimit small = m_saved;
        small.rlim_cur = StackInUse() + (1 << 20);
        setrlimit(RLIMIT_STACK, &small);
    }
    ~SmallStackLimit() { setrlimit(RLIMIT_STACK, &m_saved); }
    SmallStackLimit(const SmallStackLimit&) = delete;
    SmallStackLimit& operator=(const SmallStackLimit&) = delete;

private:
    static rlim_t StackInUse() {
        std::ifstream maps("/proc/self/maps");
        for (std::string line; std::getline(maps, line);) {
            if (line.find("[stack]") == std::string::npos) continue;
            const std::size_t dash = line.find('-');
            return std::stoull(line.substr(dash + 1), nullptr, 16) -
                   std::stoull(line.substr(0, dash), nullptr, 16);
        }
        return 0;
    }

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

TEST_F(TerminalSessionTest, BothDialogsOpenAndSearchAMenuNestedTwentyThousandLevelsDeep) {
    constexpr int kDepth = 20000;
    CMenuNode root;
    CMenuNode* pNode = &root;
    for (int i = 0; i < kDepth; ++i) {
        pNode = pNode->AddChild();
        pNode->m_strName = ("f" + std::to_string(i)).c_str();
    }
    pNode = pNode->AddChild();
    pNode->m_strName = "deep";
    pNode->m_nKind = MENU_NODE_SCREEN;
    pNode->m_pScreen = std::make_unique<CScreenRecord>();
    pNode->m_pScreen->m_strScreenNo = "0A01";
    host::TerminalSession& session = Session(std::move(root));
    session.SetCurrentScreen("0a01");

    const struct {
        int nMode, nTree, nText, nSearch, nCounter;
        const char* pszSelected;
    } dialogs[] = {
        {2, IDC_MENU_TREE, IDC_SEARCH_TEXT, IDC_SEARCH, IDC_HIT_COUNT, "deep(0A01)"},
        {4, IDC_LINK_MENU_TREE, IDC_LINK_SEARCH_TEXT, IDC_LINK_SEARCH, IDC_LINK_HIT_COUNT,
         "[0A01] deep"},
    };
    const SmallStackLimit limit;
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.nMode);
        CString strOpened, strFound, strCounter;
        Call(d.nMode, [&](HWND hDialog) {
            const HWND hTree = ::GetDlgItem(hDialog, d.nTree);
            strOpened = SelectedLabel(hTree);
            ::SetWindowTextA(::GetDlgItem(hDialog, d.nText), "DEE");
            ClickControl(hDialog, d.nSearch);
            strFound = SelectedLabel(hTree);
            strCounter = ControlText(hDialog, d.nCounter);
            afx::EndModal(IDCANCEL);
        });
        EXPECT_EQ(strOpened, d.pszSelected);
        EXPECT_EQ(strFound, d.pszSelected);
        EXPECT_EQ(strCounter, "(1/1)");
    }
}

TEST_F(TerminalSessionTest, ToolbarsComeFromTheUsersFileWithTheSelectedOneFirst) {
    m_options.user = "kim01 ";
    host::TerminalSession& session = Session();
    EXPECT_TRUE(session.UserToolbars().empty());

    // The sample defaults hold seven toolbars, so COMBOSEL 8 is the user's second.
    const std::string file = (m_home / "user/ToolBar_kim01.ini").string();
    const char* entries[][3] = {
        {"LIST", "ItemCnt", "03"},
        {"LIST", "01", "Quotes"},
        {"LIST", "02", "Orders"},
        {"LIST", "03", "Charts"},
        {"LIST", "COMBOSEL", "8"},
        {"Quotes", "ItemCnt", "01"},
        {"Quotes", "01", "0101,Price,Current price"},
        {"Orders", "ItemCnt", "03"},
        {"Orders", "01", "0201,Buy,Cash buy"},
        {"Orders", "02", "0202"},
        {"Orders", "03", "0203,,Amend, cancel"},
    };
    for (const auto& entry : entries)
        WritePrivateProfileStringA(entry[0], entry[1], entry[2], file.c_str());

    const std::vector<host::Toolbar> toolbars = session.UserToolbars();
    ASSERT_EQ(toolbars.size(), 3u);
    EXPECT_EQ(toolbars[0].strName, "Orders");
    EXPECT_EQ(toolbars[1].strName, "Quotes");
    EXPECT_EQ(toolbars[2].strName, "Charts");
    ASSERT_EQ(toolbars[0].buttons.size(), 2u);
    EXPECT_EQ(toolbars[0].buttons[0].strScreenNo, "0201");
    EXPECT_EQ(toolbars[0].buttons[0].strShortName, "Buy");
    EXPECT_EQ(toolbars[0].buttons[0].strScreenName, "Cash buy");
    EXPECT_EQ(toolbars[0].buttons[1].strShortName, "");
    EXPECT_EQ(toolbars[0].buttons[1].strScreenName, "Amend, cancel");
    EXPECT_TRUE(toolbars[2].buttons.empty());

    // A selection outside the user's toolbars keeps the file's order.
    WritePrivateProfileStringA("LIST", "COMBOSEL", "2", file.c_str());
    EXPECT_EQ(session.UserToolbars()[0].strName, "Quotes");

    // Counts are claims: only the keys that exist are read, at once.
    WritePrivateProfileStringA("LIST", "ItemCnt", "2147483647", file.c_str());
    WritePrivateProfileStringA("LIST", "COMBOSEL", "-2147483648", file.c_str());
    WritePrivateProfileStringA("Orders", "ItemCnt", "99999999999", file.c_str());
    const auto start = std::chrono::steady_clock::now();
    const std::vector<host::Toolbar> claimed = session.UserToolbars();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    ASSERT_EQ(claimed.size(), 3u);
    EXPECT_EQ(claimed[0].strName, "Quotes");
    EXPECT_EQ(claimed[1].buttons.size(), 2u);
}

TEST_F(TerminalSessionTest, TheLinkMenuComesFromTheUsersOwnDirectory) {
    host::TerminalSession& session = Session();
    EXPECT_TRUE(session.LinkMenu().empty());
    const std::string file = (m_home / "users/guest/UserConnectMenu.ini").string();
    WritePrivateProfileStringA("USERMENUCOUNT", "Count", "3", file.c_str());
    WritePrivateProfileStringA("USERMENU", "1", "Screen A,INNER01,0101", file.c_str());
    WritePrivateProfileStringA("USERMENU", "2", "broken", file.c_str());
    WritePrivateProfileStringA("USERMENU", "3", "Screen C,INNER03,0303,x", file.c_str());
    const std::vector<host::LinkEntry> links = session.LinkMenu();
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].strScreenName, "Screen A");
    EXPECT_EQ(links[0].strInnerTR, "INNER01");
    EXPECT_EQ(links[0].strScreenNo, "0101");
    EXPECT_EQ(links[1].strScreenNo, "0303,x");

    WritePrivateProfileStringA("USERMENUCOUNT", "Count", "2147483647", file.c_str());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(session.LinkMenu().size(), 2u);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(HomeRelativePath, PathsBelowHomeLoseItAndEverySeparatorIsASlash) {
    EXPECT_EQ(host::HomeRelativePath("/h/user\\ToolBar_a.ini", "/h"), "user/ToolBar_a.ini");
    EXPECT_EQ(host::HomeRelativePath("/elsewhere\\x.ini", "/h"), "/elsewhere/x.ini");
    EXPECT_EQ(host::HomeRelativePath("/home2/x", "/home"), "/home2/x");
    EXPECT_EQ(host::HomeRelativePath(afx::Utf8ToCp949("/h/users/김\\a.ini"), "/h"),
              "users/김/a.ini");
}

}  // namespace
