#include "LinkMenuFixture.h"

#include <TerminalSetup.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "FileDownObserver.h"

namespace fs = std::filesystem;

namespace {

CMenuNode* AddNode(CMenuNode& parent, LPCSTR pszName, BYTE nKind, LPCSTR pszNo = nullptr,
                   LPCSTR pszInnerTR = "", short nType = 1) {
    CMenuNode* pNode = parent.AddChild();
    pNode->m_strName = pszName;
    pNode->m_nKind = nKind;
    if (pszNo) {
        pNode->m_pScreen = std::make_unique<CScreenRecord>();
        pNode->m_pScreen->m_strScreenNo = pszNo;
        pNode->m_pScreen->m_strSecondCode = pszInnerTR;
        pNode->m_pScreen->m_nScreenType = nType;
    }
    return pNode;
}

std::string ProgramDir() {
    return fs::canonical("/proc/self/exe").parent_path().string();
}

}  // namespace

std::string RowOf(int nRow, const Screen& screen) {
    return std::to_string(nRow + 1) + "|" + screen.strNo + "|" + screen.strName + "|" +
           screen.strInnerTR;
}

// The menu: a folder with two screens, a hidden screen, separators and a
// nested folder; a folder of twelve numbered screens; a folder holding only
// a screen of type 9; a first-level screen and first-level separators.
LinkMenuDialog::LinkMenuDialog() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // Named after the build and the test: checkouts running the suite at
    // once keep apart, and a death test's child finds its parent's home.
    m_home = fs::temp_directory_path() /
             ("tabulo-link-" + std::to_string(std::hash<std::string>{}(ProgramDir())) + "-" +
              test->test_suite_name() + "-" + test->name());
    fs::remove_all(m_home);
    fs::create_directories(m_home / "users" / "tester");
    terminal::SetBaseDir((m_home / "users").string().c_str());
    terminal::SetBaseUserID("tester");
    terminal::SetServiceID(1);
    terminal::SetMenuGrade("1");
    terminal::SetMainDir(ProgramDir().c_str());

    CMenuNode* pQuotes = AddNode(m_menu, "Quotes", MENU_NODE_FOLDER);
    AddNode(*pQuotes, "Current price", MENU_NODE_SCREEN, "0101", "TR0101");
    AddNode(*pQuotes, "Order book", MENU_NODE_SCREEN, "0102", "TR0102", 3);
    AddNode(*pQuotes, "SEPARATOR", MENU_NODE_SCREEN, "");
    AddNode(*pQuotes, "separator", MENU_NODE_SCREEN, "0199", "TR0199");
    AddNode(*pQuotes, "Hidden", MENU_NODE_SCREEN, "0103", "TR0103")->m_dwShow = 0;
    CMenuNode* pDeep = AddNode(*pQuotes, "Deep", MENU_NODE_FOLDER);
    AddNode(*AddNode(*pDeep, "Deeper", MENU_NODE_FOLDER), "Deep screen", MENU_NODE_SCREEN, "0a61",
            "TR0A61");
    CMenuNode* pMany = AddNode(m_menu, "Many", MENU_NODE_FOLDER);
    for (int n = 1001; n <= 1012; ++n) {
        const std::string strNo = std::to_string(n);
        AddNode(*pMany, ("Screen " + strNo).c_str(), MENU_NODE_SCREEN, strNo.c_str(),
                ("TR" + strNo).c_str());
    }
    AddNode(*AddNode(m_menu, "Only type 9", MENU_NODE_FOLDER), "Nine", MENU_NODE_SCREEN, "0901",
            "TR0901", 9);
    CMenuNode* pMixed = AddNode(m_menu, "Mixed", MENU_NODE_FOLDER);
    AddNode(*pMixed, "Nine", MENU_NODE_SCREEN, "0902", "TR0902", 9);
    AddNode(*pMixed, "Odd", 7, "0903", "TR0903");
    CMenuNode* pHiddenParent = AddNode(m_menu, "Hidden inside", MENU_NODE_FOLDER);
    AddNode(*AddNode(*pHiddenParent, "Hidden folder", MENU_NODE_FOLDER), "Under hidden",
            MENU_NODE_SCREEN, "0904", "TR0904");
    pHiddenParent->GetChild(0)->m_dwShow = 0;
    AddNode(m_menu, "Empty", MENU_NODE_FOLDER);
    AddNode(m_menu, "Separator", MENU_NODE_FOLDER);
    AddNode(*AddNode(m_menu, "sepaRATOR", MENU_NODE_FOLDER), "Behind", MENU_NODE_SCREEN, "0905",
            "TR0905");
    AddNode(m_menu, "Top screen", MENU_NODE_SCREEN, "0900", "TR0900");

    // The pop-up library beside the program tells of every hand-over.
    m_hFlyout = LoadLibraryA((ProgramDir() + "/Flyout.dll").c_str());
    if (m_hFlyout) {
        const auto setObserver = reinterpret_cast<SetFileDownObserverFn>(
            reinterpret_cast<void (*)()>(GetProcAddress(m_hFlyout, "SetFileDownObserver")));
        if (setObserver) {
            setObserver(
                [](void* pContext, int nMode, const char* pszCode, const char* pszPath) {
                    static_cast<std::vector<HandOver>*>(pContext)->push_back(
                        {nMode, pszCode, pszPath});
                },
                &m_handOvers);
        }
    }
}

LinkMenuDialog::~LinkMenuDialog() {
    if (m_hFlyout) {
        const auto setObserver = reinterpret_cast<SetFileDownObserverFn>(
            reinterpret_cast<void (*)()>(GetProcAddress(m_hFlyout, "SetFileDownObserver")));
        if (setObserver) setObserver(nullptr, nullptr);
        FreeLibrary(m_hFlyout);
    }
    terminal::SetServiceID(0);
    fs::remove_all(m_home);
}

void LinkMenuDialog::Run(const std::function<void()>& body, LPCSTR pszScreenNo) {
    EXPECT_EQ(RunDialog(body, pszScreenNo, true), IDCANCEL);
}

INT_PTR LinkMenuDialog::RunToEnd(const std::function<void()>& body) {
    return RunDialog(body, "", false);
}

INT_PTR LinkMenuDialog::RunDialog(const std::function<void()>& body, LPCSTR pszScreenNo,
                                  bool bCancel) {
    CTestLinkDlg dlg(&m_menu, pszScreenNo, nullptr);
    m_pDlg = &dlg;
    const INT_PTR nResult = driver::RunModal(dlg, body, bCancel);
    m_pDlg = nullptr;
    return nResult;
}

fs::path LinkMenuDialog::File() const {
    return m_home / "users" / "tester" / "UserConnectMenu.ini";
}

void LinkMenuDialog::WriteFile(const std::string& bytes) const {
    std::ofstream(File(), std::ios::binary) << bytes;
}

std::optional<std::string> LinkMenuDialog::ReadFile() const {
    std::ifstream file(File(), std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

HTREEITEM LinkMenuDialog::MenuItem(std::initializer_list<std::string> path) {
    std::vector<std::string> full = {"Halvane VORK Menu"};
    full.insert(full.end(), path);
    return driver::Item(Tree(), full);
}

void LinkMenuDialog::Add(std::initializer_list<std::string> path) {
    driver::ClickItem(Tree(), MenuItem(path));
    driver::ClickControl(Dlg(), IDC_LINK_ADD);
}

std::vector<std::string> LinkMenuDialog::Rows() {
    std::vector<std::string> rows;
    for (int nRow = 0; nRow < List().GetItemCount(); ++nRow) {
        rows.push_back(std::string(List().GetItemText(nRow, 1).GetString()) + "|" +
                       List().GetItemText(nRow, 2).GetString() + "|" +
                       List().GetItemText(nRow, 3).GetString() + "|" +
                       List().GetItemText(nRow, 0).GetString());
    }
    return rows;
}

std::vector<int> LinkMenuDialog::SelectedRows() {
    std::vector<int> rows;
    for (int nRow = List().GetNextItem(-1, LVNI_SELECTED); nRow >= 0;
         nRow = List().GetNextItem(nRow, LVNI_SELECTED)) {
        rows.push_back(nRow);
    }
    return rows;
}

std::string LinkMenuDialog::Status() {
    CString strText;
    Dlg().GetDlgItemText(IDC_LINK_STATUS, strText);
    return strText.GetString();
}

bool LinkMenuDialog::StatusIsRed() {
    COLORREF color = 0;
    EXPECT_TRUE(afx::ControlTextColor(Dlg().GetDlgItem(IDC_LINK_STATUS)->GetSafeHwnd(),
                                      CTLCOLOR_STATIC, &color));
    return color == RGB(255, 0, 0);
}
