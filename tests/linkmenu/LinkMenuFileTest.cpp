// The link menu file as the dialog meets it: what it shows of a file written
// by hand, and saves that fail or meet an unreadable file.
// The dialog's own sessions are recorded in tests/script/cases/link-*.
#include <MenuNode.h>
#include <TerminalSetup.h>
#include <afxcodepage.h>
#include <afxtesting.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include <unistd.h>

#include "DialogDriver.h"
#include "SaveFaults.h"
#include "linkmenu/ConnectMenuDlg.h"
#include "res/resource.h"

namespace fs = std::filesystem;

namespace {

// The dialog on a menu of one screen, "[0900] Top screen", for the user
// "tester" in a home of its own.
class LinkMenuFile : public ::testing::Test {
protected:
    LinkMenuFile() {
        m_home = fs::temp_directory_path() /
                 ("tabulo-link-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_home);
        fs::create_directories(m_home / "users" / "tester");
        terminal::SetBaseDir((m_home / "users").string().c_str());
        terminal::SetBaseUserID("tester");
        CMenuNode* pNode = m_menu.AddChild();
        pNode->m_strName = "Top screen";
        pNode->m_nKind = MENU_NODE_SCREEN;
        pNode->m_pScreen = std::make_unique<CScreenRecord>();
        pNode->m_pScreen->m_strScreenNo = "0900";
        pNode->m_pScreen->m_strSecondCode = "TR0900";
    }
    ~LinkMenuFile() override { fs::remove_all(m_home); }

    // Runs the dialog, calls body once it shows and ends it with Cancel
    // unless body ended it; the dialog's result.
    INT_PTR Run(const std::function<void()>& body, bool bCancel = true) {
        CConnectMenuDlg dlg(&m_menu, "", nullptr);
        m_pDlg = &dlg;
        const INT_PTR nResult = driver::RunModal(dlg, body, bCancel);
        m_pDlg = nullptr;
        return nResult;
    }
    CListCtrl& List() { return *static_cast<CListCtrl*>(m_pDlg->GetDlgItem(IDC_LINK_LIST)); }
    void AddTopScreen() {
        auto& tree = *static_cast<CTreeCtrl*>(m_pDlg->GetDlgItem(IDC_LINK_MENU_TREE));
        driver::DoubleClickItem(tree,
                                driver::Item(tree, {"Halvane VORK Menu", "[0900] Top screen"}));
    }
    // Each row as "No|TR Code|Screen Name|Inner TR".
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int nRow = 0; nRow < List().GetItemCount(); ++nRow) {
            std::string row = List().GetItemText(nRow, 1).GetString();
            for (int nCol : {2, 3, 0})
                row += "|" + std::string(List().GetItemText(nRow, nCol).GetString());
            rows.push_back(row);
        }
        return rows;
    }
    // The status line, with " (red)" when it is drawn red.
    std::string Status() {
        CString strText;
        m_pDlg->GetDlgItemText(IDC_LINK_STATUS, strText);
        COLORREF color = 0;
        EXPECT_TRUE(afx::ControlTextColor(m_pDlg->GetDlgItem(IDC_LINK_STATUS)->GetSafeHwnd(),
                                          CTLCOLOR_STATIC, &color));
        return strText.GetString() + std::string(color == RGB(255, 0, 0) ? " (red)" : "");
    }

    fs::path File() const { return m_home / "users" / "tester" / "UserConnectMenu.ini"; }
    // The name the dialog gives the file in its messages.
    std::string Named() const {
        return (m_home / "users" / "tester").string() + "\\UserConnectMenu.ini";
    }
    void WriteFile(const std::string& bytes) const {
        std::ofstream(File(), std::ios::binary) << bytes;
    }
    std::optional<std::string> ReadFile() const {
        std::ifstream file(File(), std::ios::binary);
        if (!file) return std::nullopt;
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    fs::path m_home;
    CMenuNode m_menu;
    afx::AutomationSession m_session;
    CDialog* m_pDlg = nullptr;
};

std::string Entries(int nFirst, int nLast) {
    std::string entries;
    for (int n = nFirst; n <= nLast; ++n) {
        const std::string s = std::to_string(n);
        entries += s + "=Name " + s + ",IN" + s + ",TR" + s + "\r\n";
    }
    return entries;
}

std::vector<std::string> Loaded(int nFirst, int nLast) {
    std::vector<std::string> rows;
    for (int n = nFirst; n <= nLast; ++n) {
        const std::string s = std::to_string(n);
        rows.push_back(std::to_string(rows.size() + 1) + "|TR" + s + "|Name " + s + "|IN" + s);
    }
    return rows;
}

const std::string kHead = "[USERMENUCOUNT]\r\nCount=";

TEST_F(LinkMenuFile, OpeningShowsTheEntriesUpToCount) {
    const std::string kLong(600, 'x');
    const struct {
        const char* pszCase;
        std::optional<std::string> file;
        std::vector<std::string> rows;
    } cases[] = {
        {"worked example", kHead + "2\r\n[USERMENU]\r\n" + Entries(1, 2), Loaded(1, 2)},
        {"no file", std::nullopt, {}},
        {"no count", "[USERMENU]\r\n1=A,B,C\r\n", {}},
        {"count empty", kHead + "\r\n[USERMENU]\r\n1=A,B,C\r\n", {}},
        {"count zero", kHead + "0\r\n[USERMENU]\r\n1=A,B,C\r\n", {}},
        {"count negative", kHead + "-3\r\n[USERMENU]\r\n1=A,B,C\r\n", {}},
        {"count no number", kHead + "x2\r\n[USERMENU]\r\n1=A,B,C\r\n", {}},
        {"count the default's word", kHead + "Empty Section\r\n[USERMENU]\r\n1=A,B,C\r\n", {}},
        {"count with letters after it, names in any case",
         "[usermenucount]\r\ncount = 3rd\r\n[USERMENU]\r\n" + Entries(1, 5), Loaded(1, 3)},
        {"commas in the name move the fields",
         kHead + "1\r\n[USERMENU]\r\n1=A,B,X,1\r\n",
         {"1|X,1|A|B"}},
        {"too few commas, empty or missing keys are skipped",
         kHead + "5\r\n[USERMENU]\r\n1=A,B\r\n2=\r\n3=Empty Section\r\n" + Entries(5, 5),
         Loaded(5, 5)},
        {"a gap leaves no hole in the numbering",
         kHead + "4\r\n[USERMENU]\r\n" + Entries(2, 2) + Entries(4, 4),
         {"1|TR2|Name 2|IN2", "2|TR4|Name 4|IN4"}},
        {"nothing is trimmed inside a value",
         kHead + "1\r\n[USERMENU]\r\n1= a , b , c \r\n",
         {"1| c|a | b "}},
        {"Korean text passes through",
         kHead + "1\r\n[USERMENU]\r\n1=" + afx::Utf8ToCp949("현재가,내부,0101") + "\r\n",
         {"1|0101|" + afx::Utf8ToCp949("현재가") + "|" + afx::Utf8ToCp949("내부")}},
        {"only 511 bytes of a value are read",
         kHead + "1\r\n[USERMENU]\r\n1=N,I," + kLong + "\r\n",
         {"1|" + kLong.substr(0, 507) + "|N|I"}},
        {"a hand-edited file shows its first ten entries",
         kHead + "12\r\n[USERMENU]\r\n" + Entries(1, 12), Loaded(1, 10)},
        {"ten valid entries among gaps and bad values",
         kHead + "14\r\n[USERMENU]\r\n2=bad\r\n" + Entries(3, 14), Loaded(3, 12)},
        {"a huge count tries only the keys there are",
         kHead + "99999999999\r\n[USERMENU]\r\n" + Entries(1, 2) + "0003=Padded,IN3,TR3\r\n" +
             "2147483647=Name 3,IN3,TR3\r\n",
         Loaded(1, 3)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        fs::remove(File());
        if (c.file) WriteFile(*c.file);
        std::vector<std::string> rows;
        Run([&] { rows = Rows(); });
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(ReadFile(), c.file) << "opening and cancelling never writes";
    }
}

// A save that fails at any of its writes, on a full disk or at its sync
// leaves the old file byte for byte, says why in red
// and keeps the dialog open; OK then tries again.
TEST_F(LinkMenuFile, AFailedSaveSaysWhyKeepsTheFileAndStaysOpen) {
    const std::string kOld = kHead + "1\r\n[USERMENU]\r\n1=A,B,C\r\n2=D,E,F\r\n";
    // Count and the new row change the file; the first row stays as it is.
    for (const SaveFault& fault : SaveFaults(2)) {
        SCOPED_TRACE(fault.pszReason);
        WriteFile(kOld);
        EXPECT_EQ(Run(
                      [&] {
                          AddTopScreen();
                          fault.arm();
                          driver::ClickControl(*m_pDlg, IDOK);
                          EXPECT_EQ(ReadFile(), kOld);
                          EXPECT_EQ(Status(), Named() + " could not be saved: " + fault.pszReason +
                                                  " The file is unchanged. (red)");
                          driver::ClickControl(*m_pDlg, IDOK);
                      },
                      false),
                  IDOK);
        EXPECT_EQ(ReadFile(), kHead + "2\r\n[USERMENU]\r\n1=A,B,C\r\n2=Top screen,TR0900,0900\r\n");
    }
}

// A file that exists but cannot be read is told in red when the dialog
// opens, and OK keeps it byte for byte.
TEST_F(LinkMenuFile, AnUnreadableFileIsToldAndNeverReplaced) {
    const std::string kOld = kHead + "1\r\n[USERMENU]\r\n1=A,B,C\r\n";
    WriteFile(kOld);
    afx::testing::FailFileRead(File().c_str(), EACCES);
    const std::string told =
        Named() + " could not be read: Access is denied. It is kept as it is and not saved. (red)";
    Run([&] {
        EXPECT_EQ(Status(), told);
        EXPECT_TRUE(Rows().empty());
        AddTopScreen();
        driver::ClickControl(*m_pDlg, IDOK);
        EXPECT_EQ(Status(), told);
    });
    afx::testing::FailFileRead(File().c_str(), 0);
    EXPECT_EQ(ReadFile(), kOld);
}

}  // namespace
