#include "ToolbarDialogFixture.h"

#include <TerminalSetup.h>
#include <afxcodepage.h>

#include <fstream>
#include <sstream>

#include "toolbar/SetUserToolDlg.h"

namespace fs = std::filesystem;

namespace {

CMenuNode* AddNode(CMenuNode& parent, LPCSTR pszName, BYTE nKind, LPCSTR pszScreenNo = nullptr,
                   short nType = 1) {
    CMenuNode* pNode = parent.AddChild();
    pNode->m_strName = pszName;
    pNode->m_nKind = nKind;
    if (pszScreenNo) {
        pNode->m_pScreen = std::make_unique<CScreenRecord>();
        pNode->m_pScreen->m_strScreenNo = pszScreenNo;
        pNode->m_pScreen->m_nScreenType = nType;
    }
    return pNode;
}

CString ScreenNo(int n) {
    CString strNo;
    strNo.Format("%d", n);
    return strNo;
}

// The steps of RunSteps, played by a timer of the dialog.
constexpr UINT_PTR kStepTimer = 77;
std::vector<std::function<void()>> g_steps;
std::size_t g_nNext = 0;
bool g_bBusy = false;

void CALLBACK Step(HWND hDlg, UINT, UINT_PTR nID, DWORD) {
    if (g_bBusy) return;
    if (g_nNext++ == g_steps.size()) {
        ::KillTimer(hDlg, nID);
        afx::EndModal(IDCANCEL);
        return;
    }
    g_bBusy = true;
    g_steps[g_nNext - 1]();
    g_bBusy = false;
}

}  // namespace

Box VoBox(LPCSTR pszText) {
    return {pszText, "Halvane VORK", MB_OK};
}

Box OwnBox(LPCSTR pszText, LPCSTR pszCaption) {
    return {pszText, pszCaption, MB_OK | MB_ICONEXCLAMATION};
}

const Box kSaveQuestion{"Do you want to save the changes you have made?", "Halvane VORK",
                        MB_OKCANCEL};
const char kLimit[] = "In one toolbar, more than 30 items cannot be put.";

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return "MISSING";
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Cp949(const char* pszUtf8) {
    return afx::Utf8ToCp949(pszUtf8);
}

std::vector<CString> Texts(std::initializer_list<const char*> texts) {
    return {texts.begin(), texts.end()};
}

OnDialog::OnDialog(UINT nTemplate, std::function<void(HWND)> act)
    : m_previous(
          afx::SetModalHook([this, nTemplate, act = std::move(act)](const afx::ModalInfo& info) {
              if (info.hwnd && info.templateId == nTemplate) {
                  act(info.hwnd);
              } else if (m_previous) {
                  m_previous(info);
              }
          })) {}

OnDialog::~OnDialog() {
    afx::SetModalHook(m_previous);
}

CWnd& Control(HWND hDialog, int nID) {
    CWnd* pControl = CWnd::FromHandle(::GetDlgItem(hDialog, nID));
    EXPECT_NE(pControl, nullptr) << nID;
    return *pControl;
}

CTreeCtrl& TreeOf(HWND hDialog, int nID) {
    return static_cast<CTreeCtrl&>(Control(hDialog, nID));
}

void ClickControl(HWND hDialog, int nID) {
    driver::ClickControl(*CWnd::FromHandle(hDialog), nID);
}

std::vector<CString> TopLabels(const CTreeCtrl& tree) {
    std::vector<CString> labels;
    for (HTREEITEM h = tree.GetRootItem(); h; h = tree.GetNextSiblingItem(h)) {
        labels.push_back(tree.GetItemText(h));
    }
    return labels;
}

// The menu: a folder of ordinary screens with a separator, a hidden folder
// and a nested folder; a folder of 32 numbered screens; a screen and a
// folder named like a separator at the first level.
ToolbarDialog::ToolbarDialog() {
    // A home per build and test: suites of several builds may run at once,
    // and a death test's child, run afresh, finds its parent's home.
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const size_t nBuild = std::hash<std::string>{}(fs::read_symlink("/proc/self/exe").string());
    m_home = fs::temp_directory_path() / ("tabulo-toolbar-" + std::to_string(nBuild) + "-" +
                                          test->test_suite_name() + "-" + test->name());
    fs::remove_all(m_home);
    fs::create_directories(m_home / "user");
    fs::create_directories(m_home / "data");
    m_strUserDir = (m_home / "user").string();
    terminal::SetUserDir(m_strUserDir.c_str());
    terminal::SetDataDir((m_home / "data").string().c_str());

    CMenuNode* pQuotes = AddNode(m_menu, "Quotes", MENU_NODE_FOLDER);
    AddNode(*pQuotes, "Current price", MENU_NODE_SCREEN, "0101");
    AddNode(*pQuotes, "Order book", MENU_NODE_SCREEN, "0102", 3);
    AddNode(*pQuotes, "SEPARATOR", MENU_NODE_SCREEN, "");
    AddNode(*pQuotes, "Sectors", MENU_NODE_FOLDER)->m_dwShow = 0;
    CMenuNode* pDeep = AddNode(*pQuotes, "Deep", MENU_NODE_FOLDER);
    AddNode(*pDeep, "Deep screen", MENU_NODE_SCREEN, "0A61");
    CMenuNode* pMany = AddNode(m_menu, "Many", MENU_NODE_FOLDER);
    for (int n = 1001; n <= 1032; ++n) {
        AddNode(*pMany, CString("Screen ") + ScreenNo(n), MENU_NODE_SCREEN, ScreenNo(n));
    }
    AddNode(m_menu, "Top screen", MENU_NODE_SCREEN, "0900");
    AddNode(m_menu, "SEPARATOR", MENU_NODE_FOLDER);
    AddNode(m_menu, "Empty", MENU_NODE_FOLDER);
    terminal::BuildScreenIndex(m_menu, m_index);

    afx::SetMessageBoxHandler([](HWND, LPCSTR, LPCSTR, UINT) { return IDOK; });
    afx::ClearMessageBoxRecords();
}

ToolbarDialog::~ToolbarDialog() {
    afx::SetMessageBoxHandler({});
    afx::ClearMessageBoxRecords();
    fs::remove_all(m_home);
}

void ToolbarDialog::WriteToolbars(std::initializer_list<Group> groups) {
    std::ofstream file(UserFile(), std::ios::binary);
    file << "[LIST]\r\nItemCnt=" << groups.size() << "\r\n";
    int nGroup = 0;
    for (const Group& group : groups) {
        ++nGroup;
        file << (nGroup < 10 ? "0" : "") << nGroup << "=" << group.pszName << "\r\n";
    }
    file << "COMBOSEL=0\r\n";
    for (const Group& group : groups) {
        file << "[" << group.pszName << "]\r\nItemCnt=" << group.nCount << "\r\n";
        for (int j = 1; j <= group.nCount; ++j) {
            const int n = group.nFirst + j - 1;
            file << (j < 10 ? "0" : "") << j << "=" << n << ",S" << n << ",Screen " << n << "\r\n";
        }
    }
}

INT_PTR ToolbarDialog::Run(const std::function<void()>& body, LPCSTR pszScreenNo) {
    return RunDialog(body, pszScreenNo, true);
}

INT_PTR ToolbarDialog::RunToEnd(const std::function<void()>& body) {
    return RunDialog(body, "", false);
}

INT_PTR ToolbarDialog::RunSteps(std::vector<std::function<void()>> steps) {
    g_steps = std::move(steps);
    g_nNext = 0;
    const INT_PTR nResult = RunToEnd([&] { Dlg().SetTimer(kStepTimer, 1, &Step); });
    EXPECT_GE(g_nNext, g_steps.size()) << "the dialog ended before its last step";
    g_steps.clear();
    return nResult;
}

// The identifier's trailing blanks are no part of the file's name.
INT_PTR ToolbarDialog::RunDialog(const std::function<void()>& body, LPCSTR pszScreenNo,
                                 bool bCancel) {
    CSetUserToolDlg dlg(&m_menu, m_strUserDir.c_str(), "tester \t", pszScreenNo, &m_index);
    m_pDlg = &dlg;
    const INT_PTR nResult = driver::RunModal(dlg, body, bCancel);
    m_pDlg = nullptr;
    return nResult;
}

void ToolbarDialog::PressKeyIn(CWnd& wnd, UINT vk, UINT keys) {
    wnd.SetFocus();
    afx::PressKey(vk, keys);
}

namespace {

// Below the root, whose label the test does not name.
HTREEITEM BelowRoot(const CTreeCtrl& tree, std::initializer_list<LPCSTR> path) {
    std::vector<std::string> labels{tree.GetItemText(tree.GetRootItem()).GetString()};
    labels.insert(labels.end(), path.begin(), path.end());
    return driver::Item(tree, labels);
}

}  // namespace

HTREEITEM ToolbarDialog::GroupItem(LPCSTR pszName) {
    return pszName ? BelowRoot(GroupTree(), {pszName}) : GroupTree().GetRootItem();
}

HTREEITEM ToolbarDialog::MenuItem(std::initializer_list<LPCSTR> path) {
    return BelowRoot(MenuTree(), path);
}

void ToolbarDialog::SelectRows(std::initializer_list<int> rows) {
    if (rows.size() == 0) {
        for (const int nRow : ListSelection()) driver::ClickRow(List(), nRow, MK_CONTROL);
        return;
    }
    for (int nRow : rows) driver::ClickRow(List(), nRow, nRow == *rows.begin() ? 0 : MK_CONTROL);
}

void ToolbarDialog::Drag(CWnd& source, CPoint from, CWnd& target, CPoint to) {
    EXPECT_TRUE(driver::Drag(source, from, target, to));
}

std::vector<CString> ToolbarDialog::ListScreens() {
    CListCtrl& list = List();
    std::vector<CString> screens;
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow) {
        screens.push_back(list.GetItemText(nRow, 0));
    }
    return screens;
}

std::vector<std::string> ToolbarDialog::Rows() {
    CListCtrl& list = List();
    std::vector<std::string> rows;
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow) {
        rows.push_back(std::string(list.GetItemText(nRow, 0)) + "|" +
                       std::string(list.GetItemText(nRow, 1)) + "|" +
                       std::string(list.GetItemText(nRow, 2)));
    }
    return rows;
}

std::vector<int> ToolbarDialog::ListSelection() {
    CListCtrl& list = List();
    std::vector<int> rows;
    for (int nRow = list.GetNextItem(-1, LVNI_SELECTED); nRow >= 0;
         nRow = list.GetNextItem(nRow, LVNI_SELECTED)) {
        rows.push_back(nRow);
    }
    return rows;
}

std::vector<CString> ToolbarDialog::GroupLabels() {
    CTreeCtrl& tree = GroupTree();
    std::vector<CString> labels;
    for (HTREEITEM h = tree.GetChildItem(tree.GetRootItem()); h; h = tree.GetNextSiblingItem(h)) {
        labels.push_back(tree.GetItemText(h));
    }
    return labels;
}

CString ToolbarDialog::SelectedLabel() {
    CTreeCtrl& tree = GroupTree();
    const HTREEITEM hItem = tree.GetSelectedItem();
    if (!hItem) return "<none>";
    return hItem == tree.GetRootItem() ? CString("<root>") : tree.GetItemText(hItem);
}

CString ToolbarDialog::EditorText() {
    CEdit* pEdit = GroupTree().GetEditControl();
    if (!pEdit) return "<closed>";
    CString strText;
    pEdit->GetWindowText(strText);
    return strText;
}

std::vector<CString> ToolbarDialog::GroupScreens(LPCSTR pszName) {
    const HTREEITEM hSelected = GroupTree().GetSelectedItem();
    ClickGroup(pszName);
    std::vector<CString> screens = ListScreens();
    if (hSelected) ClickItem(GroupTree(), hSelected);
    return screens;
}

std::vector<CString> ToolbarDialog::Numbers(int nFirst, int nCount) {
    std::vector<CString> numbers;
    for (int n = nFirst; n < nFirst + nCount; ++n) numbers.push_back(ScreenNo(n));
    return numbers;
}

std::vector<CString> ToolbarDialog::Numbers(const std::vector<int>& numbers) {
    std::vector<CString> texts;
    for (int n : numbers) texts.push_back(ScreenNo(n));
    return texts;
}

std::vector<Box> ToolbarDialog::Boxes() const {
    std::vector<Box> boxes;
    for (const afx::MessageBoxRecord& record : afx::MessageBoxRecords()) {
        boxes.push_back({record.text, record.caption, record.type});
    }
    return boxes;
}

bool ToolbarDialog::AskedToSave() const {
    const std::vector<Box> boxes = Boxes();
    return std::find(boxes.begin(), boxes.end(), kSaveQuestion) != boxes.end();
}
