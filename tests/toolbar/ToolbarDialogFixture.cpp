#include "ToolbarDialogFixture.h"

#include <TerminalSetup.h>

#include <fstream>
#include <functional>

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

}  // namespace

Box VoBox(LPCSTR pszText) {
    return {pszText, "Halvane VORK", MB_OK};
}

Box OwnBox(LPCSTR pszText, LPCSTR pszCaption) {
    return {pszText, pszCaption, MB_OK | MB_ICONEXCLAMATION};
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
        CString strName;
        strName.Format("Screen %d", n);
        AddNode(*pMany, strName, MENU_NODE_SCREEN, ScreenNo(n));
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
    std::ofstream file(m_home / "user" / "ToolBar_tester.ini", std::ios::binary);
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

INT_PTR ToolbarDialog::RunDialog(const std::function<void()>& body, LPCSTR pszScreenNo,
                                 bool bCancel) {
    CTestToolDlg dlg(&m_menu, m_strUserDir.c_str(), "tester", pszScreenNo, &m_index);
    m_pDlg = &dlg;
    const INT_PTR nResult = driver::RunModal(dlg, body, bCancel);
    m_pDlg = nullptr;
    return nResult;
}

void ToolbarDialog::ClickButton(int nID) {
    CWnd* pButton = Dlg().GetDlgItem(nID);
    ASSERT_NE(pButton, nullptr) << nID;
    CRect rc;
    pButton->GetClientRect(&rc);
    afx::Click(pButton->GetSafeHwnd(), rc.CenterPoint());
}

void ToolbarDialog::PressKeyIn(CWnd& wnd, UINT vk) {
    wnd.SetFocus();
    afx::PressKey(vk);
}

HTREEITEM ToolbarDialog::GroupItem(LPCSTR pszName) {
    CTreeCtrl& tree = Dlg().m_treeGroup;
    for (HTREEITEM h = tree.GetChildItem(tree.GetRootItem()); h; h = tree.GetNextSiblingItem(h)) {
        if (tree.GetItemText(h) == pszName) return h;
    }
    ADD_FAILURE() << "no group " << pszName;
    return nullptr;
}

HTREEITEM ToolbarDialog::MenuItem(std::initializer_list<LPCSTR> path) {
    CTreeCtrl& tree = Dlg().m_treeMenu;
    HTREEITEM hItem = tree.GetRootItem();
    for (LPCSTR pszLabel : path) {
        HTREEITEM hChild = tree.GetChildItem(hItem);
        while (hChild && tree.GetItemText(hChild) != pszLabel) {
            hChild = tree.GetNextSiblingItem(hChild);
        }
        if (!hChild) {
            ADD_FAILURE() << "no menu item " << pszLabel;
            return nullptr;
        }
        hItem = hChild;
    }
    return hItem;
}

void ToolbarDialog::SelectRows(std::initializer_list<int> rows) {
    CListCtrl& list = Dlg().m_listTool;
    UINT nKeys = 0;
    for (int nRow : rows) {
        list.EnsureVisible(nRow, FALSE);
        afx::Click(list.GetSafeHwnd(), RowPoint(list, nRow), nKeys);
        nKeys = MK_CONTROL;
    }
}

void ToolbarDialog::DoubleClickRow(int nRow) {
    driver::DoubleClickRow(Dlg().m_listTool, nRow);
}

void ToolbarDialog::Drag(CWnd& source, CPoint from, CWnd& target, CPoint to) {
    EXPECT_TRUE(driver::Drag(source, from, target, to));
}

std::vector<CString> ToolbarDialog::ListScreens() const {
    const CListCtrl& list = m_pDlg->m_listTool;
    std::vector<CString> screens;
    for (int nRow = 0; nRow < list.GetItemCount(); ++nRow) {
        screens.push_back(list.GetItemText(nRow, 0));
    }
    return screens;
}

std::vector<int> ToolbarDialog::ListSelection() const {
    const CListCtrl& list = m_pDlg->m_listTool;
    std::vector<int> rows;
    for (int nRow = list.GetNextItem(-1, LVNI_SELECTED); nRow >= 0;
         nRow = list.GetNextItem(nRow, LVNI_SELECTED)) {
        rows.push_back(nRow);
    }
    return rows;
}

std::vector<CString> ToolbarDialog::GroupScreens(LPCSTR pszName) const {
    const CMenuInfo& root = m_pDlg->m_groupRoot;
    for (POSITION pos = root.m_listChild.GetHeadPosition(); pos;) {
        const CMenuInfo* pGroup = root.m_listChild.GetNext(pos);
        if (pGroup->m_strName != pszName) continue;
        std::vector<CString> screens;
        for (POSITION p = pGroup->m_listChild.GetHeadPosition(); p;) {
            screens.push_back(pGroup->m_listChild.GetNext(p)->m_strScreenNo);
        }
        return screens;
    }
    ADD_FAILURE() << "no group record " << pszName;
    return {};
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

void ToolbarDialog::ClearBoxes() {
    afx::ClearMessageBoxRecords();
}
