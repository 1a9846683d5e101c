// The link menu dialog in a running application: a menu built here, the
// user's link menu file in a temporary home, hand-overs to the pop-up
// library recorded, and the dialog driven through its controls.
#pragma once

#include <MenuNode.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "linkmenu/ConnectMenuDlg.h"
#include "res/resource.h"

// The dialog with its controls open to the tests.
class CTestLinkDlg : public CConnectMenuDlg {
public:
    using CConnectMenuDlg::CConnectMenuDlg;
    using CConnectMenuDlg::m_listLink;
    using CConnectMenuDlg::m_treeMenu;
};

struct HandOver {
    int nMode;
    std::string strCode;
    std::string strPath;
    bool operator==(const HandOver&) const = default;
};

class LinkMenuDialog : public ::testing::Test {
protected:
    LinkMenuDialog();
    ~LinkMenuDialog() override;

    // Runs the dialog opened for a screen number and calls body once it is
    // shown; the dialog is then cancelled.
    void Run(const std::function<void()>& body, LPCSTR pszScreenNo = "");
    // The same for a body that ends the dialog itself; returns its result.
    INT_PTR RunToEnd(const std::function<void()>& body);

    CTestLinkDlg& Dlg() { return *m_pDlg; }
    CTreeCtrl& Tree() { return Dlg().m_treeMenu; }
    CListCtrl& List() { return Dlg().m_listLink; }

    // The user's link menu file: its bytes, or nothing when it is missing.
    std::filesystem::path File() const;
    void WriteFile(const std::string& bytes) const;
    std::optional<std::string> ReadFile() const;

    // A screen of the menu tree by its labels below the root item.
    HTREEITEM MenuItem(std::initializer_list<std::string> path);
    // Selects a screen and presses "Add".
    void Add(std::initializer_list<std::string> path);

    // Each row as "No|TR Code|Screen Name|Inner TR".
    std::vector<std::string> Rows();
    std::vector<int> SelectedRows();
    // The status line and whether it is drawn red.
    std::string Status();
    bool StatusIsRed();

    std::filesystem::path m_home;
    CMenuNode m_menu;
    std::vector<HandOver> m_handOvers;

private:
    INT_PTR RunDialog(const std::function<void()>& body, LPCSTR pszScreenNo, bool bCancel);

    afx::AutomationSession m_session;
    CTestLinkDlg* m_pDlg = nullptr;
    HMODULE m_hFlyout = nullptr;
};

// Screens of the menu: name, inner TR and screen number.
struct Screen {
    std::string strName;
    std::string strInnerTR;
    std::string strNo;
};
// "No|TR Code|Screen Name|Inner TR" of a screen in row nRow.
std::string RowOf(int nRow, const Screen& screen);
