// A dialog of the module's shape, driven through the automation hooks: its
// message map, data exchange, keys, colours, close box and modal result.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>

#include <vector>

#include "Support.h"
#include "afxcodepage.h"
#include "afxresource.h"

namespace {

constexpr UINT kTestDialog = 5001;
constexpr UINT kModuleDialog = 5002;
constexpr UINT kPrivateMessage = WM_APP + 7;
constexpr UINT kPing = 0x4242;  // a notification code of the test's own

const afx::DialogControl kTestControls[] = {
    {1001, "Button", "Apply", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 7, 7, 50, 14},
    {1002, "Button", "Save", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 60, 7, 50, 14},
    {IDCANCEL, "Button", "Cancel", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 113, 7, 50, 14},
    {1003, "Edit", "", WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 7, 26, 100, 14},
    {1004, "Static", "Status line", WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN, 7, 44, 156,
     14},
    {1005, "Static", "한글 라벨", WS_VISIBLE | SS_LEFT, 7, 62, 100, 10},
    {1006, "Button", "Option", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 7, 76, 60, 10},
    {1007, "Static", "", WS_VISIBLE | SS_ETCHEDFRAME, 110, 60, 50, 30},
};
AFX_DIALOG_RESOURCE(kTest, kTestDialog, "Test dialog",
                    DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, "Tahoma", 9, 0, 0, 170, 96,
                    kTestControls);

// A static that answers a notification before its parent; with bKeep it
// keeps it from the parent.
class CReflectingStatic : public CStatic {
public:
    BOOL m_bKeep = FALSE;
    int m_nReflected = 0;

protected:
    afx_msg BOOL OnPing(NMHDR*, LRESULT* pResult) {
        ++m_nReflected;
        *pResult = 11;
        return m_bKeep;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingStatic, CStatic)
ON_NOTIFY_REFLECT_EX(kPing, &CReflectingStatic::OnPing)
END_MESSAGE_MAP()

class CTestDlg : public CDialog {
public:
    explicit CTestDlg(UINT nID = kTestDialog) : CDialog(nID) {}

    BOOL m_bSwallowKeys = FALSE;
    int m_nApply = 0;
    int m_nSave = 0;
    int m_nCancel = 0;
    int m_nPing = 0;
    std::vector<std::pair<int, UINT>> m_colorRequests;  // control id, CTLCOLOR_*
    CEdit m_edit;
    CButton m_btnApply;
    CReflectingStatic m_status;
    HBRUSH m_hStaticBrush = nullptr;

    ~CTestDlg() override {
        if (m_hStaticBrush != nullptr) ::DeleteObject(m_hStaticBrush);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, 1003, m_edit);
        DDX_Control(pDX, 1001, m_btnApply);
        DDX_Control(pDX, 1004, m_status);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_hStaticBrush = ::CreateSolidBrush(RGB(234, 233, 245));
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (m_bSwallowKeys && pMsg->message == WM_KEYDOWN &&
            (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
            return TRUE;
        }
        return CDialog::PreTranslateMessage(pMsg);
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
    afx_msg void OnPingStatus(NMHDR*, LRESULT* pResult) {
        ++m_nPing;
        *pResult = 22;
    }
    afx_msg LRESULT OnPrivate(WPARAM wParam, LPARAM lParam) {
        return static_cast<LRESULT>(wParam) + lParam;
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        HBRUSH hbr = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
        m_colorRequests.emplace_back(pWnd->GetDlgCtrlID(), nCtlColor);
        if (pWnd->GetDlgCtrlID() == 1004) {
            pDC->SetTextColor(RGB(255, 0, 0));
            pDC->SetBkMode(TRANSPARENT);
            return m_hStaticBrush;
        }
        return hbr;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
ON_BN_CLICKED(1001, &CTestDlg::OnApply)
ON_BN_CLICKED(1002, &CTestDlg::OnSave)
ON_NOTIFY(kPing, 1004, &CTestDlg::OnPingStatus)
ON_MESSAGE(kPrivateMessage, &CTestDlg::OnPrivate)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

HWND Item(HWND hDlg, int id) {
    return ::GetDlgItem(hDlg, id);
}

TEST(Dialog, ClicksReachTheMappedHandlersAndEndDialogGivesTheResult) {
    CTestDlg dlg;
    int shown = 0;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        ++shown;
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
    EXPECT_EQ(1, shown);
    EXPECT_EQ(1, dlg.m_nSave);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);  // the bound controls let go of their windows
}

// What the dialog does with a key pressed in its edit, with and without its
// PreTranslateMessage swallowing Enter and Escape.
TEST(Dialog, EnterAndEscapeInAnEdit) {
    struct Case {
        UINT vk;
        BOOL swallow;
        INT_PTR result;
        int saves;
        int cancels;
    };
    const Case cases[] = {
        {VK_RETURN, FALSE, 7, 1, 0},         // the default button
        {VK_ESCAPE, FALSE, IDCANCEL, 0, 1},  // OnCancel
        {VK_RETURN, TRUE, 99, 0, 0},         // swallowed: nothing happens
        {VK_ESCAPE, TRUE, 99, 0, 0},
    };
    for (const Case& c : cases) {
        CTestDlg dlg;
        dlg.m_bSwallowKeys = c.swallow;
        ScopedModalHook hook([&](const afx::ModalInfo& info) {
            afx::Click(Item(info.hwnd, 1003), Middle(Item(info.hwnd, 1003)));
            EXPECT_EQ(Item(info.hwnd, 1003), ::GetFocus());
            afx::PressKey(c.vk);
            if (dlg.m_nSave == 0 && dlg.m_nCancel == 0) afx::EndModal(99);
        });
        EXPECT_EQ(c.result, dlg.DoModal()) << c.vk << " " << c.swallow;
        EXPECT_EQ(c.saves, dlg.m_nSave);
        EXPECT_EQ(c.cancels, dlg.m_nCancel);
    }
}

TEST(Dialog, EnterWithoutADefaultButtonSendsIdOkAndAFocusedButtonIsPressed) {
    CTestDlg dlg;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        // Enter on a focused push button presses that button.
        ::SetFocus(Item(info.hwnd, 1001));
        afx::PressKey(VK_RETURN);
        EXPECT_EQ(1, dlg.m_nApply);
        // With the default button made an ordinary one, Enter in the edit is IDOK.
        ::SendMessageA(Item(info.hwnd, 1002), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        EXPECT_EQ(0, dlg.GetDefID());
        ::SetFocus(Item(info.hwnd, 1003));
        afx::PressKey(VK_RETURN);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_nSave);
}

// An edit made at run time that passes every key-down on itself, as an
// in-place editor does to keep Enter and Escape from its dialog.
class CKeyTakingEdit : public CEdit {
public:
    std::vector<UINT> m_keys;

    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message != WM_KEYDOWN) return CEdit::PreTranslateMessage(pMsg);
        EXPECT_TRUE(::TranslateMessage(pMsg));
        ::DispatchMessage(pMsg);
        return TRUE;
    }

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        m_keys.push_back(nChar);
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeyTakingEdit, CEdit)
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

TEST(Dialog, KeysTranslatedAndDispatchedByAControlTypeAndNeverReachTheDialog) {
    CTestDlg dlg;
    CKeyTakingEdit edit;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 100, 110, 120),
                                CWnd::FromHandle(info.hwnd), 1010));
        edit.SetFocus();
        afx::TypeText("ab");
        afx::PressKey(VK_RETURN);
        afx::PressKey(VK_ESCAPE);
        CString strText;
        edit.GetWindowText(strText);
        EXPECT_EQ(CString("ab"), strText);
        EXPECT_EQ((std::vector<UINT>{'A', 'B', VK_RETURN, VK_ESCAPE}), edit.m_keys);
        afx::EndModal(99);
    });
    EXPECT_EQ(99, dlg.DoModal());
    EXPECT_EQ(0, dlg.m_nSave);
    EXPECT_EQ(0, dlg.m_nCancel);
    EXPECT_FALSE(::TranslateMessage(nullptr));
    EXPECT_EQ(0, ::DispatchMessage(nullptr));
}

// An automatic check box ticks itself and tells its parent when a click
// lands anywhere in its window, also beyond the end of its text.
TEST(Dialog, ACheckBoxTakesClicksAnywhereInItsWindow) {
    CTestDlg dlg;
    std::vector<UINT> checks;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        const HWND hCheck = Item(info.hwnd, 1006);
        RECT rc{};
        ::GetClientRect(hCheck, &rc);
        for (const POINT pt :
             {Middle(hCheck), POINT{rc.right - 2, rc.bottom / 2}, Middle(hCheck)}) {
            afx::Click(hCheck, pt);
            checks.push_back(static_cast<UINT>(::SendMessage(hCheck, BM_GETCHECK, 0, 0)));
        }
        afx::EndModal(IDOK);
    });
    dlg.DoModal();
    EXPECT_EQ((std::vector<UINT>{BST_CHECKED, BST_UNCHECKED, BST_CHECKED}), checks);
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

// A dialog opened from a dialog: the owner takes no input while it runs, and
// has the focus back where it was when it ends; so does a message box.
TEST(Dialog, NestedModalLoopsGiveTheFocusBack) {
    CTestDlg outer;
    INT_PTR innerResult = 0;
    int box = 0;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        if (info.hwnd == nullptr) {
            EXPECT_EQ(nullptr, afx::TopModalWindow());
            afx::EndModal(IDOK);
            return;
        }
        if (info.hwnd != outer.m_hWnd) {
            EXPECT_FALSE(outer.IsWindowEnabled());
            afx::Click(Item(outer.m_hWnd, 1001), Middle(Item(outer.m_hWnd, 1001)));  // no effect
            afx::EndModal(5);
            return;
        }
        outer.m_edit.SetFocus();
        CTestDlg inner;
        innerResult = inner.DoModal();
        EXPECT_TRUE(outer.IsWindowEnabled());
        EXPECT_EQ(outer.m_edit.m_hWnd, ::GetFocus());
        box = outer.MessageBox("Saved.", nullptr, MB_OK);
        EXPECT_EQ(outer.m_edit.m_hWnd, ::GetFocus());
        afx::EndModal(IDOK);
    });
    EXPECT_EQ(IDOK, outer.DoModal());
    EXPECT_EQ(5, innerResult);
    EXPECT_EQ(IDOK, box);
    EXPECT_EQ(0, outer.m_nApply);
}

TEST(Dialog, TheCloseBoxEndsWithIdCancel) {
    CTestDlg dlg;
    ScopedModalHook hook([](const afx::ModalInfo& info) { afx::ClickCloseBox(info.hwnd); });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nCancel);
}

TEST(Dialog, AMissingTemplateGivesMinusOne) {
    CTestDlg dlg(4999);
    int shown = 0;
    ScopedModalHook hook([&](const afx::ModalInfo&) { ++shown; });
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(0, shown);
}

TEST(Dialog, NotificationsAreReflectedToTheControlFirst) {
    CTestDlg dlg;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        NMHDR nmhdr{Item(info.hwnd, 1004), 1004, kPing};
        const auto send = [&] {
            return ::SendMessageA(info.hwnd, WM_NOTIFY, 1004, reinterpret_cast<LPARAM>(&nmhdr));
        };
        // The _EX handler returns FALSE: the parent's handler runs after it.
        EXPECT_EQ(22, send());
        EXPECT_EQ(1, dlg.m_status.m_nReflected);
        EXPECT_EQ(1, dlg.m_nPing);
        // Now it keeps the notification: the parent sees nothing.
        dlg.m_status.m_bKeep = TRUE;
        EXPECT_EQ(11, send());
        EXPECT_EQ(2, dlg.m_status.m_nReflected);
        EXPECT_EQ(1, dlg.m_nPing);
        afx::EndModal(IDOK);
    });
    dlg.DoModal();
}

bool IsRed(QColor c) {
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

bool IsStaticBrush(QColor c) {
    return c == QColor(234, 233, 245);
}

bool IsDark(QColor c) {
    return c.lightness() < 100;
}

TEST(Dialog, ColourHandlerPaintsTheStaticRedOnItsBrush) {
    CTestDlg dlg;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        const QImage picture = Render(info.hwnd);
        ASSERT_FALSE(picture.isNull());
        const QImage status = ControlPart(picture, info.hwnd, Item(info.hwnd, 1004));
        EXPECT_GT(CountPixels(status, IsRed), 20);
        EXPECT_GT(CountPixels(status, IsStaticBrush), status.width() * status.height() / 2);
        const QImage label = ControlPart(picture, info.hwnd, Item(info.hwnd, 1005));
        EXPECT_EQ(0, CountPixels(label, IsRed));
        EXPECT_GT(CountPixels(label, IsDark), 10);
        // What the handler chose, as a script's dump reports it.
        COLORREF color = 0;
        EXPECT_TRUE(afx::ControlTextColor(Item(info.hwnd, 1004), CTLCOLOR_STATIC, &color));
        EXPECT_EQ(RGB(255, 0, 0), color);
        EXPECT_FALSE(afx::ControlTextColor(Item(info.hwnd, 1005), CTLCOLOR_STATIC, &color));
        afx::EndModal(IDOK);
    });
    dlg.DoModal();
    // Each control asks with its own kind: statics and check boxes as statics, push buttons as
    // buttons.
    const auto asked = [&](int id, UINT kind) {
        return std::find(dlg.m_colorRequests.begin(), dlg.m_colorRequests.end(),
                         std::make_pair(id, kind)) != dlg.m_colorRequests.end();
    };
    EXPECT_TRUE(asked(1004, CTLCOLOR_STATIC));
    EXPECT_TRUE(asked(1006, CTLCOLOR_STATIC));
    EXPECT_TRUE(asked(1001, CTLCOLOR_BTN));
    EXPECT_TRUE(asked(1003, CTLCOLOR_EDIT));
}

// Tahoma 9 as the system measures it: dialog base units of 7 by 14 pixels;
// Korean falls back to the Korean face; the application's own font stays.
TEST(Dialog, TextIsDrawnAndMeasuredInTahomaWithKoreanFallingBack) {
    // The dialogs' faces are set on their own windows, never on the application.
    auto applicationKeepsItsFont = [] {
        return !QApplication::font().families().contains(QStringLiteral("Tahoma"));
    };
    CTestDlg dlg;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        CRect units(0, 0, 4, 8);
        dlg.MapDialogRect(units);
        EXPECT_EQ(CSize(7, 14), units.Size());
        CString label;
        dlg.GetDlgItemText(1005, label);
        EXPECT_EQ(CString(afx::Utf8ToCp949("한글 라벨")), label);
        const QImage picture = Render(info.hwnd);
        EXPECT_GT(CountPixels(ControlPart(picture, info.hwnd, Item(info.hwnd, 1005)), IsDark), 30);
        EXPECT_TRUE(applicationKeepsItsFont());
        afx::EndModal(IDOK);
    });
    dlg.DoModal();
    EXPECT_TRUE(applicationKeepsItsFont());
}

TEST(Dialog, DialogUnitsFollowTheTemplateFont) {
    CTestDlg dlg;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        CRect units(0, 0, 4, 8);
        dlg.MapDialogRect(units);
        // One base unit each way: the font's average character width and height.
        EXPECT_GT(units.Width(), 3);
        EXPECT_GT(units.Height(), 10);
        CRect client;
        dlg.GetClientRect(client);
        CRect expected(0, 0, 170, 96);
        dlg.MapDialogRect(expected);
        EXPECT_EQ(expected.Size(), client.Size());
        CRect edit;
        ::GetWindowRect(Item(info.hwnd, 1003), edit);
        dlg.ScreenToClient(edit);
        CRect editUnits(7, 26, 107, 40);
        dlg.MapDialogRect(editUnits);
        EXPECT_EQ(editUnits, edit);
        afx::EndModal(IDOK);
    });
    dlg.DoModal();
}

TEST(Dialog, ResourceHandleAndExtensionChainFindTemplates) {
    static const char moduleTag = 0;
    const auto module = reinterpret_cast<HINSTANCE>(const_cast<char*>(&moduleTag));
    const afx::DialogControl controls[] = {
        {IDOK, "Button", "OK", WS_VISIBLE | BS_DEFPUSHBUTTON, 5, 5, 40, 14}};
    afx::RegisterDialogTemplate(
        module, afx::DialogTemplate{kModuleDialog, "Module dialog", WS_POPUP | WS_CAPTION, "Tahoma",
                                    9, 0, 0, 60, 30, controls});
    ScopedModalHook hook([](const afx::ModalInfo& info) {
        EXPECT_EQ(CString("Module dialog"), info.caption);
        afx::EndModal(3);
    });
    const HINSTANCE before = AfxGetResourceHandle();
    {
        CTestDlg dlg(kModuleDialog);
        EXPECT_EQ(-1, dlg.DoModal());  // not in the program's resources
    }
    AfxSetResourceHandle(module);
    {
        CTestDlg dlg(kModuleDialog);
        EXPECT_EQ(3, dlg.DoModal());
        CTestDlg own(kTestDialog);  // the program's own template is not found now
        EXPECT_EQ(-1, own.DoModal());
    }
    AfxSetResourceHandle(before);
    EXPECT_EQ(before, AfxGetResourceHandle());
    // An extension module in the chain is searched after the resource handle.
    AFX_EXTENSION_MODULE extension{FALSE, nullptr, nullptr};
    ASSERT_TRUE(AfxInitExtensionModule(extension, module));
    new CDynLinkLibrary(extension);
    {
        CTestDlg dlg(kModuleDialog);
        EXPECT_EQ(3, dlg.DoModal());
    }
    AfxTermExtensionModule(extension);
    {
        CTestDlg dlg(kModuleDialog);
        EXPECT_EQ(-1, dlg.DoModal());
    }
    afx::UnregisterResource(module, RT_DIALOG, kModuleDialog);
}

}  // namespace
