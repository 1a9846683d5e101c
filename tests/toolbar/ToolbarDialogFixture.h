// The toolbar settings dialog in a running application, with a menu built
// here, the user's files in a temporary home, every message box answered and
// recorded, and the inputs a person gives: clicks, double-clicks, keys and
// drags on the dialog's controls.
#pragma once

#include <MenuNode.h>
#include <afxautomation.h>
#include <afxcmn.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "DialogDriver.h"
#include "res/resource.h"
#include "toolbar/SetUserToolDlg.h"

// Items and rows are reached as in the link menu suites.
using driver::ClickItem;
using driver::DoubleClickItem;
using driver::ItemPoint;
using driver::RowPoint;

// The dialog with its state open to the tests.
class CTestToolDlg : public CSetUserToolDlg {
public:
    using CSetUserToolDlg::CSetUserToolDlg;
    using CSetUserToolDlg::InsertListColumns;
    using CSetUserToolDlg::m_bModified;
    using CSetUserToolDlg::m_groupRoot;
    using CSetUserToolDlg::m_hCurGroup;
    using CSetUserToolDlg::m_listTool;
    using CSetUserToolDlg::m_strDefaultFile;
    using CSetUserToolDlg::m_strUserFile;
    using CSetUserToolDlg::m_treeGroup;
    using CSetUserToolDlg::m_treeMenu;
    using CSetUserToolDlg::RefreshGroupItem;
};

struct Box {
    CString text;
    CString caption;
    UINT type;

    friend bool operator==(const Box& a, const Box& b) {
        return a.text == b.text && a.caption == b.caption && a.type == b.type;
    }
    friend void PrintTo(const Box& box, std::ostream* os) {
        *os << "{\"" << box.text.GetString() << "\", \"" << box.caption.GetString() << "\", "
            << box.type << "}";
    }
};

// The boxes the dialog shows: the terminal's, and its own with the icon.
Box VoBox(LPCSTR pszText);
Box OwnBox(LPCSTR pszText, LPCSTR pszCaption);

class ToolbarDialog : public ::testing::Test {
protected:
    ToolbarDialog();
    ~ToolbarDialog() override;

    // Replaces the user's toolbar file: groups of screens numbered from
    // nFirst, "<no>,S<no>,Screen <no>", with COMBOSEL 0 (the first group).
    struct Group {
        const char* pszName;
        int nFirst;
        int nCount;
    };
    void WriteToolbars(std::initializer_list<Group> groups);

    // Runs the dialog, opened for the screen number, and calls body once it
    // is shown; the dialog is then cancelled. Returns the dialog's result.
    INT_PTR Run(const std::function<void()>& body, LPCSTR pszScreenNo = "");
    // The same for a body that ends the dialog itself.
    INT_PTR RunToEnd(const std::function<void()>& body);

    CTestToolDlg& Dlg() { return *m_pDlg; }

    // Controls.
    void ClickButton(int nID);
    void PressKeyIn(CWnd& wnd, UINT vk);
    HTREEITEM GroupItem(LPCSTR pszName);
    // A menu item by its labels below the root, e.g. {"Quotes", "Current price(0101)"}.
    HTREEITEM MenuItem(std::initializer_list<LPCSTR> path);
    // Clicks the first row, Ctrl+clicks the others.
    void SelectRows(std::initializer_list<int> rows);
    void DoubleClickRow(int nRow);

    // Drags from a point of one control to a point of another (or the same)
    // and releases there.
    void Drag(CWnd& source, CPoint from, CWnd& target, CPoint to);

    // What the list shows: column 0 of every row, the selected rows.
    std::vector<CString> ListScreens() const;
    std::vector<int> ListSelection() const;
    // The screen numbers of a group's record.
    std::vector<CString> GroupScreens(LPCSTR pszName) const;
    static std::vector<CString> Numbers(int nFirst, int nCount);
    static std::vector<CString> Numbers(const std::vector<int>& numbers);

    std::vector<Box> Boxes() const;
    void ClearBoxes();

    std::filesystem::path m_home;
    std::string m_strUserDir;
    CMenuNode m_menu;
    CMapStringToPtr m_index;

private:
    INT_PTR RunDialog(const std::function<void()>& body, LPCSTR pszScreenNo, bool bCancel);

    afx::AutomationSession m_session;
    CTestToolDlg* m_pDlg = nullptr;
};
