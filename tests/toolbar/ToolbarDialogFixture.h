// The toolbar settings dialog in a running application, with a menu built
// here, the user's files in a temporary home, every message box answered and
// recorded, and the inputs a person gives: clicks, double-clicks, keys and
// drags on the dialog's controls. What a test checks is what the controls
// show, the boxes the dialog put up and the files it saved.
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
#include <string_view>
#include <vector>

#include "DialogDriver.h"
#include "res/resource.h"

using driver::ClickItem;
using driver::ClickRow;
using driver::DoubleClickItem;
using driver::ItemPoint;
using driver::RowPoint;

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
extern const Box kSaveQuestion;
extern const char kLimit[];

std::string ReadBytes(const std::filesystem::path& path);  // "MISSING" when absent
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
std::string Cp949(const char* pszUtf8);
std::vector<CString> Texts(std::initializer_list<const char*> texts);

// While it lives, each modal dialog made from the template is handed to act
// once it is shown (act must end it); other modal loops go to the hook
// installed before.
class OnDialog {
public:
    OnDialog(UINT nTemplate, std::function<void(HWND)> act);
    ~OnDialog();
    OnDialog(const OnDialog&) = delete;
    OnDialog& operator=(const OnDialog&) = delete;

private:
    afx::ModalHook m_previous;
};

CWnd& Control(HWND hDialog, int nID);
CTreeCtrl& TreeOf(HWND hDialog, int nID);
void ClickControl(HWND hDialog, int nID);
std::vector<CString> TopLabels(const CTreeCtrl& tree);

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
    std::filesystem::path UserFile() const { return m_home / "user" / "ToolBar_tester.ini"; }
    std::filesystem::path DefaultFile() const { return m_home / "user" / "Toolbar.ini"; }

    // Runs the dialog, opened for the screen number, and calls body once it
    // is shown; the dialog is then cancelled. Returns the dialog's result.
    INT_PTR Run(const std::function<void()>& body, LPCSTR pszScreenNo = "");
    // The same for a body that ends the dialog itself.
    INT_PTR RunToEnd(const std::function<void()>& body);
    // Plays the steps from the dialog's own message loop, one per turn of
    // it, as a person acts once the screen has settled (what a step posts is
    // there for the next), then cancels unless the last step ended the
    // dialog; fails when it ended before its last step. The dialog's result.
    INT_PTR RunSteps(std::vector<std::function<void()>> steps);

    CDialog& Dlg() { return *m_pDlg; }
    CListCtrl& List() { return static_cast<CListCtrl&>(Control(Hwnd(), IDC_TOOL_LIST)); }
    CTreeCtrl& GroupTree() { return TreeOf(Hwnd(), IDC_GROUP_TREE); }
    CTreeCtrl& MenuTree() { return TreeOf(Hwnd(), IDC_MENU_TREE); }

    void ClickButton(int nID) { ClickControl(Hwnd(), nID); }
    void PressKeyIn(CWnd& wnd, UINT vk, UINT keys = 0);
    HTREEITEM GroupItem(LPCSTR pszName);  // null: the root
    void ClickGroup(LPCSTR pszName) { ClickItem(GroupTree(), GroupItem(pszName)); }
    // A menu item by its labels below the root, e.g. {"Quotes", "Current price(0101)"}.
    HTREEITEM MenuItem(std::initializer_list<LPCSTR> path);
    // Clicks the first row, Ctrl+clicks the others; none takes the selection away.
    void SelectRows(std::initializer_list<int> rows);
    void Drag(CWnd& source, CPoint from, CWnd& target, CPoint to);

    // What the list shows: column 0 of every row, whole rows as
    // "no|name|short name", the selected rows.
    std::vector<CString> ListScreens();
    std::vector<std::string> Rows();
    std::vector<int> ListSelection();
    std::vector<CString> GroupLabels();
    CString SelectedLabel();  // "<root>" for the root
    CString EditorText();     // the group label editor's, or "<closed>"
    // The screens a group shows when it is clicked; the selection is then given back.
    std::vector<CString> GroupScreens(LPCSTR pszName);
    static std::vector<CString> Numbers(int nFirst, int nCount);
    static std::vector<CString> Numbers(const std::vector<int>& numbers);

    std::vector<Box> Boxes() const;
    void ClearBoxes() { afx::ClearMessageBoxRecords(); }
    // Whether Save asked before writing: the sign that the dialog holds changes.
    bool AskedToSave() const;

    std::filesystem::path m_home;
    std::string m_strUserDir;
    CMenuNode m_menu;
    CMapStringToPtr m_index;

private:
    HWND Hwnd() const { return m_pDlg->GetSafeHwnd(); }
    INT_PTR RunDialog(const std::function<void()>& body, LPCSTR pszScreenNo, bool bCancel);

    afx::AutomationSession m_session;
    CDialog* m_pDlg = nullptr;
};
