// Scripts played on a dialog of the framework, as the module's dialogs are
// played: how the runner finds controls, tree items and list rows, presses
// keys, types, answers message boxes, reports nested dialogs, and stops.
#include <gtest/gtest.h>

#include <afxcmn.h>
#include <afxcodepage.h>
#include <afxole.h>
#include <afxresource.h>
#include <afxwin.h>

#include <chrono>
#include <sstream>
#include <string>

#include "Parser.h"
#include "Runner.h"

namespace {

constexpr UINT kTestDialog = 500;
constexpr UINT kNestedDialog = 501;

constexpr DWORD kPush = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kTree = WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
                        TVS_LINESATROOT | TVS_SHOWSELALWAYS;
constexpr DWORD kModal = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const afx::DialogControl kTestControls[] = {
    {1001, WC_TREEVIEWA, "", kTree, 5, 5, 120, 60},
    {1002, WC_LISTVIEWA, "", WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS,
     130, 5, 120, 60},
    {1003, "Edit", "abc", WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 5, 70, 60, 12},
    {1004, "Button", "Show", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 70, 70, 40, 12},
    {1006, "Static", "Status", WS_VISIBLE | SS_LEFT, 150, 70, 40, 12},
    {1007, "Button", "Ask", kPush, 5, 90, 30, 14},
    {1008, "Button", "Nested", kPush, 40, 90, 30, 14},
    {1009, "Button", "Off", kPush | WS_DISABLED, 75, 90, 30, 14},
    {1010, "Button", "Hidden", WS_TABSTOP | BS_PUSHBUTTON, 110, 90, 30, 14},
    {IDOK, "Button", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 150, 90, 40, 14},
    {IDCANCEL, "Button", "Cancel", kPush, 200, 90, 40, 14},
};
AFX_DIALOG_RESOURCE(kTestTemplate, kTestDialog, "Runner test", kModal, "Tahoma", 9, 0, 0, 260, 110,
                    kTestControls);

const afx::DialogControl kNestedControls[] = {
    {IDOK, "Button", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 5, 5, 40, 14},
    {IDCANCEL, "Button", "Cancel", kPush, 50, 5, 40, 14},
};
AFX_DIALOG_RESOURCE(kNestedTemplate, kNestedDialog, "Nested", kModal, "Tahoma", 9, 0, 0, 100, 25,
                    kNestedControls);

class CNestedDlg : public CDialog {
public:
    CNestedDlg() : CDialog(kNestedDialog) {}
};

constexpr const char* kLongLabel =
    "A label far wider than the tree, so wide that even its middle lies beyond the right edge";

// Takes tree items dropped on the list: a drop inserts the dragged label at
// the row under the point (after the last row below them), and the status
// static shows the rows the drag passed over and how it ended.
class CListDropTarget : public COleDropTarget {
public:
    CListDropTarget(CListCtrl& list, CWnd& status) : m_list(list), m_status(status) {}

    CString m_strLabel;  // what the running drag carries

    // Rows are traced on drag-overs only, as the module's targets highlight.
    DROPEFFECT OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) override {
        m_trace = "enter";
        m_nLastRow = -2;
        return DROPEFFECT_COPY;
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint point) override {
        return Over(point);
    }
    void OnDragLeave(CWnd*) override { m_status.SetWindowText((m_trace + " leave").c_str()); }
    BOOL OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint point) override {
        const int row = Row(point);
        m_list.InsertItem(row < 0 ? m_list.GetItemCount() : row, m_strLabel);
        m_status.SetWindowText((m_trace + " drop").c_str());
        return TRUE;
    }

private:
    int Row(CPoint point) const { return m_list.HitTest(point); }
    DROPEFFECT Over(CPoint point) {
        if (const int row = Row(point); row != m_nLastRow) {
            m_trace += " " + std::to_string(row);
            m_nLastRow = row;
        }
        return DROPEFFECT_COPY;
    }

    CListCtrl& m_list;
    CWnd& m_status;
    std::string m_trace;
    int m_nLastRow = -2;
};

// A tree with a folder that fills itself only when it opens, a list, an
// edit with a byte limit, a check box, a button that asks a question and one
// that opens a nested dialog; tree items drag onto the list. The status
// static traces the keys that reach the dialog and the modifiers held at
// each.
class CRunnerTestDlg : public CDialog {
public:
    CRunnerTestDlg() : CDialog(kTestDialog) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, 1001, m_tree);
        DDX_Control(pDX, 1002, m_list);
        DDX_Control(pDX, 1003, m_edit);
        DDX_Control(pDX, 1006, m_status);
    }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        HTREEITEM menu = Add("Menu", TVI_ROOT, 1);
        HTREEITEM quotes = Add("Quotes", menu, 1);
        Add("Current price(0101)", quotes, 0);
        Add("A > B", quotes, 0);
        Add(kLongLabel, quotes, 0);
        m_hLazy = Add("Empty folder", menu, 1);
        Add("Other", TVI_ROOT, 0, INDEXTOSTATEIMAGEMASK(2));
        m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        m_list.InsertColumn(0, "No", LVCFMT_LEFT, 50);
        m_list.InsertColumn(1, "Name", LVCFMT_LEFT, 90);
        const char* rows[][2] = {
            {"0101", "Current price"}, {"0102", "Order book"}, {"0103", "Ticks"}};
        for (int i = 0; i < 3; ++i) {
            m_list.InsertItem(i, rows[i][0]);
            m_list.SetItemText(i, 1, rows[i][1]);
        }
        m_edit.LimitText(6);
        CheckDlgButton(1004, BST_CHECKED);
        m_dropTarget.Register(&m_list);
        return TRUE;
    }

    afx_msg void OnAsk() {
        const int answer = MessageBox("Proceed?\nReally", "Question", MB_OKCANCEL);
        SetDlgItemText(1006, answer == IDOK ? "ok" : "cancel");
    }

    BOOL PreTranslateMessage(MSG* pMsg) override {
        const char* const kinds[] = {"down", "up", nullptr, nullptr, "sysdown", "sysup"};
        if (pMsg->message >= WM_KEYDOWN && pMsg->message <= WM_SYSKEYUP &&
            kinds[pMsg->message - WM_KEYDOWN]) {
            m_keys +=
                std::string(m_keys.empty() ? "" : " ") + kinds[pMsg->message - WM_KEYDOWN] + " " +
                std::to_string(pMsg->wParam) + (GetKeyState(VK_CONTROL) < 0 ? "C" : "") +
                (GetKeyState(VK_SHIFT) < 0 ? "S" : "") + (GetKeyState(VK_MENU) < 0 ? "A" : "");
            SetDlgItemText(1006, m_keys.c_str());
        }
        return CDialog::PreTranslateMessage(pMsg);
    }

    afx_msg void OnNested() {
        CNestedDlg nested;
        nested.DoModal();
    }

    afx_msg void OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult) {
        const auto* pTree = reinterpret_cast<NMTREEVIEW*>(pNMHDR);
        if (pTree->itemNew.hItem == m_hLazy && !m_tree.GetChildItem(m_hLazy))
            Add("Late child", m_hLazy, 0);
        *pResult = 0;
    }

    afx_msg void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult) {
        m_dropTarget.m_strLabel =
            m_tree.GetItemText(reinterpret_cast<NMTREEVIEW*>(pNMHDR)->itemNew.hItem);
        COleDataSource source;
        source.DoDragDrop(DROPEFFECT_COPY);
        *pResult = 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    HTREEITEM Add(const char* label, HTREEITEM parent, int children, UINT state = 0) {
        TVINSERTSTRUCT insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_STATE;
        insert.item.pszText = const_cast<char*>(label);
        insert.item.cChildren = children;
        insert.item.state = state;
        insert.item.stateMask = TVIS_STATEIMAGEMASK;
        return m_tree.InsertItem(&insert);
    }

    CTreeCtrl m_tree;
    CListCtrl m_list;
    CEdit m_edit;
    CStatic m_status;
    CListDropTarget m_dropTarget{m_list, m_status};
    HTREEITEM m_hLazy = nullptr;
    std::string m_keys;
};

BEGIN_MESSAGE_MAP(CRunnerTestDlg, CDialog)
ON_BN_CLICKED(1007, &CRunnerTestDlg::OnAsk)
ON_BN_CLICKED(1008, &CRunnerTestDlg::OnNested)
ON_NOTIFY(TVN_ITEMEXPANDING, 1001, &CRunnerTestDlg::OnItemExpanding)
ON_NOTIFY(TVN_BEGINDRAG, 1001, &CRunnerTestDlg::OnBeginDrag)
END_MESSAGE_MAP()

struct Played {
    std::string out;
    std::string err;
    int status;
};

// Plays a script whose `open` shows the test dialog; the dialog's result is
// what the call returns, as CallTabulo returns it.
Played Play(const std::string& text) {
    std::ostringstream out;
    std::ostringstream err;
    script::Session session{"test.script",
                            [](int) {
                                CRunnerTestDlg dlg;
                                return static_cast<long long>(dlg.DoModal());
                            },
                            "."};
    script::Runner runner(script::ParseScript(text), session, out, err);
    const int status = runner.Run();
    return {out.str(), err.str(), status};
}

// Plays a script that must run to its end and print `out`.
void ExpectPlays(const std::string& script, const std::string& out) {
    const Played played = Play(script);
    EXPECT_EQ(played.out, out) << script;
    EXPECT_EQ(played.status, 0) << played.err;
}

TEST(ScriptRunner, FindsTreeItemsByPathAndOpensTheirFolders) {
    ExpectPlays(
        "open toolbar\n"
        "select 1001 item \"Menu > Quotes > A > B\"\n"
        "dump 1001\n"
        "select 1001 item \"Menu > Empty folder > Late child\"\n"
        "dump 1001\n"
        "dump 1001 top\n"
        "click 2\n",
        "tree 1001\n"
        "  Menu [+ open]\n"
        "    Quotes [+ open]\n"
        "      Current price(0101)\n"
        "      A > B [sel]\n"
        "      A label far wider than the tree, so wide that even its middle lies beyond the right "
        "edge\n"
        "    Empty folder [+]\n"
        "  Other [img=2]\n"
        "tree 1001\n"
        "  Menu [+ open]\n"
        "    Quotes [+ open]\n"
        "      Current price(0101)\n"
        "      A > B\n"
        "      A label far wider than the tree, so wide that even its middle lies beyond the right "
        "edge\n"
        "    Empty folder [+ open]\n"
        "      Late child [sel]\n"
        "  Other [img=2]\n"
        "top 1001 \"Menu > Quotes > Current price(0101)\"\n"
        "result 2\n");
}

TEST(ScriptRunner, ClicksListRowsAndCells) {
    ExpectPlays(
        "open toolbar\n"
        "select 1002 rows 2,0\n"
        "dump 1002\n"
        "click 1002 row 1\n"
        "dump 1002\n"
        "click 2\n",
        "list 1002 rows=3 mark=0 top=0\n"
        "  0: 0101 | Current price [sel focus]\n"
        "  1: 0102 | Order book\n"
        "  2: 0103 | Ticks [sel]\n"
        "list 1002 rows=3 mark=1 top=0\n"
        "  0: 0101 | Current price\n"
        "  1: 0102 | Order book [sel focus]\n"
        "  2: 0103 | Ticks\n"
        "result 2\n");
}

// Modifiers are held down around the key; Shift+Tab moves the focus back to
// the edit, where typing replaces its text within the edit's byte limit.
TEST(ScriptRunner, PressesKeysAndTypesAsAPersonDoes) {
    ExpectPlays(
        "open toolbar\n"
        "focus 1004\n"
        "key Ctrl+Shift+Z\n"
        "key F11\n"
        "key Shift+Tab\n"
        "dump 1006\n"
        "type \"\xED\x95\x9C\xEA\xB8\x80x\"\n"
        "dump 1003\n"
        "type \"\xEA\xB0\x80\xEB\x82\x98\xEB\x8B\xA4\xEB\x9D\xBC\"\n"
        "dump 1003\n"
        "click 1004\n"
        "dump 1004\n"
        "focus 1003\n"
        "key Escape\n",
        "static 1006 \"down 17C down 16CS down 90CS up 90CS up 16C up 17 down 122 up 122 "
        "down 16S down 9S up 9S up 16\"\n"
        "edit 1003 \"\xED\x95\x9C\xEA\xB8\x80x\"\n"
        "edit 1003 \"\xEA\xB0\x80\xEB\x82\x98\xEB\x8B\xA4\"\n"
        "check 1004 \"Show\" off\n"
        "result 2\n");
}

TEST(ScriptRunner, AnswersMessageBoxesAndReportsNestedDialogs) {
    ExpectPlays(
        "open toolbar\n"
        "answer cancel\n"
        "click 1007\n"
        "dump 1006\n"
        "click 1007\n"
        "dump 1006\n"
        "click 1008\n"
        "click 1\n"
        "click 1008\n"
        "key Escape\n"
        "note \"back\"\n"
        "click 1\n",
        "box \"Question\" \"Proceed?\\nReally\" -> cancel\n"
        "static 1006 \"cancel\"\n"
        "box \"Question\" \"Proceed?\\nReally\" -> ok\n"
        "static 1006 \"ok\"\n"
        "closed 501 1\n"
        "closed 501 2\n"
        "back\n"
        "result 1\n");
}

// A label wider than the tree is clicked where it shows.
TEST(ScriptRunner, ClicksWhatShows) {
    ExpectPlays(
        "open toolbar\n"
        "select 1001 item \"Menu > Quotes > A label far wider than the tree, so wide that even its "
        "middle lies beyond the right edge\"\n"
        "dump 1002 top\n"
        "click 2\n",
        "top 1002 0\n"
        "result 2\n");
}

TEST(ScriptRunner, DragsAlongTheTargetsAndDropsOrCancels) {
    ExpectPlays(
        "open toolbar\n"
        "drag 1001 item \"Menu > Quotes > Current price(0101)\" to 1002 row 1 via 1002 row 2 via "
        "1002 end\n"
        "dump 1006\n"
        "drag 1001 item \"Other\" to 1002 row 0 bottom via 1002 at 3 3 cancel\n"
        "dump 1006\n"
        "drag 1001 item \"Menu > Empty folder > Late child\" to 1002 end\n"
        "dump 1006\n"
        "drag 1002 rows 2 to 1001 item \"Other\"\n"
        "dump 1002\n"
        "click 2\n",
        "static 1006 \"enter 2 -1 1 drop\"\n"
        "static 1006 \"enter -1 0 leave\"\n"
        "static 1006 \"enter -1 drop\"\n"
        "list 1002 rows=5 mark=2 top=0\n"
        "  0: 0101 | Current price\n"
        "  1: Current price(0101) | \n"
        "  2: 0102 | Order book [sel focus]\n"
        "  3: 0103 | Ticks\n"
        "  4: Late child | \n"
        "result 2\n");
}

TEST(ScriptRunner, StopsAtAFailingCommandAndClosesEverything) {
    struct Case {
        const char* script;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {"note \"a\"\ndump 1001\nnote \"b\"\n", "a\n", "test.script:2: no dialog is open\n"},
        {"dump dialog\n", "", "test.script:1: no dialog is open\n"},
        {"open toolbar\nclick 1009\n", "", "test.script:2: control 1009 is disabled\n"},
        {"open toolbar\nfocus 1010\n", "", "test.script:2: control 1010 is hidden\n"},
        {"open toolbar\nwheel 1009 up\n", "", "test.script:2: control 1009 is disabled\n"},
        {"open toolbar\ndrag 1001 item \"Other\" to 1010 at 1 1\n", "",
         "test.script:2: control 1010 is hidden\n"},
        {"open toolbar\nwheel 1001 item \"Menu > Quotes\" down\n", "",
         "test.script:2: tree item \"Menu > Quotes\" of control 1001 is out of view\n"},
        {"open toolbar\ndump 1003 top\n", "",
         "test.script:2: control 1003 is neither a tree nor a list\n"},
        {"open toolbar\nclick 1999\nclick 2\n", "",
         "test.script:2: the dialog has no control 1999\n"},
        {"open toolbar\nselect 1001 item \"Menu > Nope\"\n", "",
         "test.script:2: no tree item \"Menu > Nope\"\n"},
        {"open toolbar\nselect 1002 item \"Menu\"\n", "",
         "test.script:2: control 1002 is not a tree\n"},
        {"open toolbar\nclick 1002 row 3\n", "",
         "test.script:2: row 3 is out of range: the list has 3 rows\n"},
        {"open toolbar\ndrag 1001 item \"Menu > Nope\" to 1002 end\n", "",
         "test.script:2: no tree item \"Menu > Nope\"\n"},
        {"open toolbar\ndrag 1001 item \"Other\" to 1002 row 3\n", "",
         "test.script:2: row 3 is out of range: the list has 3 rows\n"},
        {"open toolbar\nselect 1001 item \"Menu > Quotes > A > B\"\n"
         "select 1001 item \"Menu > Empty folder > Late child\"\n"
         "drag 1001 item \"Other\" to 1001 item \"Menu\"\n",
         "", "test.script:4: tree item \"Menu\" of control 1001 is out of view\n"},
        {"open toolbar\nclick 1002 row 0 col 2\n", "",
         "test.script:2: column 2 is out of range: the list has 2 columns\n"},
        {"open toolbar\nopen link\n", "", "test.script:2: open: a dialog is already open\n"},
        {"open toolbar\nfocus 1007\ntype \"x\"\n", "",
         "test.script:3: type: the focus is not in an edit\n"},
        {"open toolbar\nclick 1008\nnote \"in\"\nclick 1 row 0\n", "in\n",
         "test.script:4: control 1 is not a list\n"},
    };
    for (const Case& c : cases) {
        const auto started = std::chrono::steady_clock::now();
        const Played played = Play(c.script);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << c.script;
        EXPECT_EQ(played.out, c.out) << c.script;
        EXPECT_EQ(played.err, c.err) << c.script;
        EXPECT_EQ(played.status, 1) << c.script;
    }
}

}  // namespace
