// A dialog of the module's shape, driven through the automation hooks: its
// message map, data exchange, keys, close box and modal result.
#include <gtest/gtest.h>

#include <vector>

#include "Support.h"
#include "afxresource.h"

namespace {

constexpr UINT kTestDialog = 5001;
constexpr UINT kPrivateMessage = WM_APP + 7;

const afx::DialogControl kTestControls[] = {
    {1001, "Button", "Apply", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 7, 7, 50, 14},
    {1002, "Button", "Save", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 60, 7, 50, 14},
    {IDCANCEL, "Button", "Cancel", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 113, 7, 50, 14},
    {1003, "Edit", "", WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 7, 26, 100, 14},
    {1006, "Button", "Option", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 7, 76, 60, 10},
};
AFX_DIALOG_RESOURCE(kTest, kTestDialog, "Test dialog",
                    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, "Tahoma", 9, 0, 0, 170, 96,
                    kTestControls);

class CTestDlg : public CDialog {
public:
    explicit CTestDlg(UINT nID = kTestDialog) : CDialog(nID) {}

    BOOL m_bSwallowKeys = FALSE;
    int m_nApply = 0;
    int m_nSave = 0;
    int m_nOk = 0;
    int m_nCancel = 0;
    int m_nPing = 0;
    CEdit m_edit;
    CButton m_btnApply;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, 1003, m_edit);
        DDX_Control(pDX, 1001, m_btnApply);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (m_bSwallowKeys && pMsg->message == WM_KEYDOWN &&
            (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
    void OnOK() override {
        ++m_nOk;
        CDialog::OnOK();
    }
    void OnCancel() override {
        ++m_nCancel;
        CDialog::OnCancel();
    }
    afx_msg void OnApply() { ++m_nApply; }
    afx_msg void OnSave() {
        ++m_nSave;
        EndDialog(7);
    }
    afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) {
        return static_cast<LRESULT>(wParam) + lParam;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
ON_BN_CLICKED(1001, &CTestDlg::OnApply)
ON_BN_CLICKED(1002, &CTestDlg::OnSave)
ON_MESSAGE(kPrivateMessage, &CTestDlg::OnPrivate)
END_MESSAGE_MAP()

HWND Item(HWND hDlg, int id) {
    return ::GetDlgItem(hDlg, id);
}

TEST(Dialog, ClicksReachTheMappedHandlersAndEndDialogGivesTheResult) {
    CTestDlg dlg;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        EXPECT_EQ(CString("Test dialog"), info.caption);
        afx::Click(Item(info.hwnd, 1001), Middle(Item(info.hwnd, 1001)));
        afx::Click(Item(info.hwnd, 1001), Middle(Item(info.hwnd, 1001)));
        EXPECT_EQ(2, dlg.m_nApply);
        // A disabled button takes no click.
        ::EnableWindow(Item(info.hwnd, 1001), FALSE);
        afx::Click(Item(info.hwnd, 1001), Middle(Item(info.hwnd, 1001)));
        EXPECT_EQ(2, dlg.m_nApply);
        EXPECT_EQ(17, dlg.SendMessage(kPrivateMessage, 7, 10));
        afx::Click(Item(info.hwnd, 1002), Middle(Item(info.hwnd, 1002)));
    });
    EXPECT_EQ(7, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nSave);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);  // the bound controls let go of their windows
}

// What the dialog does with a key pressed in its edit, with and without its
// PreTranslateMessage swallowing Enter and Escape: each key reaches exactly
// one handler, or none, and a dialog that no handler ended ends as the test
// ends it.
TEST(Dialog, EnterAndEscapeInAnEdit) {
    struct Case {
        UINT vk;
        BOOL swallow;
        INT_PTR result;
        std::vector<int> handled;  // Save, OK, Cancel
    };
    const Case cases[] = {
        {VK_RETURN, FALSE, 7, {1, 0, 0}},         // the default button
        {VK_ESCAPE, FALSE, IDCANCEL, {0, 0, 1}},  // OnCancel
        {VK_RETURN, TRUE, 99, {0, 0, 0}},         // swallowed: nothing happens
        {VK_ESCAPE, TRUE, 99, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        CTestDlg dlg;
        dlg.m_bSwallowKeys = c.swallow;
        ScopedModalHook hook([&](const afx::ModalInfo& info) {
            afx::Click(Item(info.hwnd, 1003), Middle(Item(info.hwnd, 1003)));
            EXPECT_EQ(Item(info.hwnd, 1003), ::GetFocus());
            afx::PressKey(c.vk);
            EXPECT_EQ(c.handled, (std::vector<int>{dlg.m_nSave, dlg.m_nOk, dlg.m_nCancel}))
                << c.vk << " " << c.swallow;
            if (c.result == 99) afx::EndModal(99);
        });
        EXPECT_EQ(c.result, dlg.DoModal()) << c.vk << " " << c.swallow;
    }
}

TEST(Dialog, EnterWithoutADefaultButtonSendsIdOkAndAFocusedButtonIsPressed) {
    CTestDlg dlg;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        // Enter on a focused push button presses that button.
        ::SetFocus(Item(info.hwnd, 1001));
        afx::PressKey(VK_RETURN);
        EXPECT_EQ(1, dlg.m_nApply);
        // A disabled default button takes no Enter.
        ::EnableWindow(Item(info.hwnd, 1002), FALSE);
        ::SetFocus(Item(info.hwnd, 1003));
        afx::PressKey(VK_RETURN);
        EXPECT_EQ(0, dlg.m_nSave + dlg.m_nOk);
        // With the default button made an ordinary one, Enter in the edit is IDOK.
        ::SendMessageA(Item(info.hwnd, 1002), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        EXPECT_EQ(0, dlg.GetDefID());
        ::SetFocus(Item(info.hwnd, 1003));
        afx::PressKey(VK_RETURN);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_nSave);
}

TEST(Dialog, TabMovesBetweenTabStopsInTemplateOrder) {
    CTestDlg dlg;
    std::vector<int> order;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        // OnInitDialog returned TRUE: the first tab stop has the focus.
        EXPECT_TRUE(::IsChild(info.hwnd, ::GetFocus()));
        order.push_back(::GetDlgCtrlID(::GetFocus()));
        for (int i = 0; i < 5; ++i) {
            afx::PressKey(VK_TAB);
            order.push_back(::GetDlgCtrlID(::GetFocus()));
        }
        afx::PressKey(VK_TAB, MK_SHIFT);
        order.push_back(::GetDlgCtrlID(::GetFocus()));
        afx::EndModal(IDOK);
    });
    dlg.DoModal();
    EXPECT_EQ((std::vector<int>{1001, 1002, IDCANCEL, 1003, 1006, 1001, 1006}), order);
}

}  // namespace
