// Windows and messages: creation and destruction order, the handle map,
// subclassing, message map chains, posted messages, timers, input messages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

#include "Support.h"
#include "afxcodepage.h"
#include "commctrl.h"

namespace {

struct Seen {
    HWND hwnd;
    UINT message;
    friend bool operator==(const Seen& a, const Seen& b) {
        return a.hwnd == b.hwnd && a.message == b.message;
    }
};
std::vector<Seen> g_seen;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE || message == WM_DESTROY || message == WM_NCDESTROY)
        g_seen.push_back({hwnd, message});
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

const char* RecordingClass() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &RecordingProc;
        wc.lpszClassName = "TabuloRecording";
        return RegisterClassA(&wc) != FALSE;
    }();
    return registered ? "TabuloRecording" : nullptr;
}

HWND MakeWindow(HWND parent, DWORD style, int id = 0) {
    return CreateWindowExA(0, RecordingClass(), "", style, 0, 0, 200, 100, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
}

// Runs the event loop until done() or the time (milliseconds) has passed.
template <class Done>
bool RunUntil(Done done, int timeout = 1000) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    poll.start(1);
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

TEST(Window, DestroyWindowSendsDestroyParentFirstAndNcDestroyChildrenFirst) {
    g_seen.clear();
    const HWND top = MakeWindow(nullptr, WS_POPUP);
    const HWND child = MakeWindow(top, WS_CHILD | WS_VISIBLE, 10);
    const HWND grandchild = MakeWindow(child, WS_CHILD | WS_VISIBLE, 11);
    ASSERT_NE(nullptr, grandchild);
    EXPECT_EQ(child, GetDlgItem(top, 10));
    EXPECT_EQ(top, GetParent(child));
    EXPECT_TRUE(IsChild(top, grandchild));
    EXPECT_TRUE(DestroyWindow(top));
    const std::vector<Seen> expected{
        {top, WM_CREATE},           {child, WM_CREATE},    {grandchild, WM_CREATE},
        {top, WM_DESTROY},          {child, WM_DESTROY},   {grandchild, WM_DESTROY},
        {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(expected, g_seen);
    for (HWND hwnd : {top, child, grandchild}) EXPECT_FALSE(IsWindow(hwnd));
    // A dead handle is recognised, never followed.
    EXPECT_EQ(0, SendMessageA(child, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_FALSE(DestroyWindow(child));
    EXPECT_EQ(nullptr, CWnd::FromHandle(child));
}

class CCountingWnd : public CWnd {
public:
    int m_nCreate = 0;
    int m_nDestroy = 0;
    int m_nPostNcDestroy = 0;
    int m_nPing = 0;
    int m_nPreTranslate = 0;
    std::vector<UINT_PTR> m_timers;
    std::vector<std::string> m_input;

    BOOL PreTranslateMessage(MSG* pMsg) override {
        ++m_nPreTranslate;
        return CWnd::PreTranslateMessage(pMsg);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        ++m_nCreate;
        EXPECT_EQ(std::string("counting"), cs->lpszName);
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnDestroy() {
        ++m_nDestroy;
        CWnd::OnDestroy();
    }
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) {
        ++m_nPing;
        return static_cast<LRESULT>(wParam) * 2;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent) {
        m_timers.push_back(nIDEvent);
        KillTimer(nIDEvent);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
        m_input.push_back("down " + std::to_string(point.x) + "," + std::to_string(point.y) +
                          ((nFlags & MK_LBUTTON) != 0 ? " L" : "") +
                          ((nFlags & MK_CONTROL) != 0 ? " C" : ""));
        CWnd::OnLButtonDown(nFlags, point);
    }
    void PostNcDestroy() override { ++m_nPostNcDestroy; }
    DECLARE_MESSAGE_MAP()
};

constexpr UINT kPing = WM_USER + 5;

BEGIN_MESSAGE_MAP(CCountingWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_MESSAGE(kPing, &CCountingWnd::OnPing)
END_MESSAGE_MAP()

// A class that adds to its base's map: both maps answer, the derived one first.
class CDerivedWnd : public CCountingWnd {
public:
    int m_nClose = 0;

protected:
    afx_msg void OnClose() { ++m_nClose; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CCountingWnd)
ON_WM_CLOSE()
END_MESSAGE_MAP()

TEST(Window, CreateExAttachesBeforeTheFirstMessageAndTheMapChainAnswers) {
    CDerivedWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, RecordingClass(), "counting", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr));
    EXPECT_EQ(1, wnd.m_nCreate);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(wnd.m_hWnd));
    EXPECT_EQ(14, wnd.SendMessage(kPing, 7));  // the base's map
    wnd.SendMessage(WM_CLOSE);                 // the derived map keeps the window
    EXPECT_EQ(1, wnd.m_nClose);
    EXPECT_TRUE(IsWindow(wnd.m_hWnd));
    const HWND hwnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(1, wnd.m_nDestroy);
    EXPECT_EQ(1, wnd.m_nPostNcDestroy);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(Window, SubclassingTakesAWindowOverAndUnsubclassingGivesItBack) {
    const HWND hwnd = MakeWindow(nullptr, WS_POPUP);
    const LONG_PTR classProc = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    CWnd* temporary = CWnd::FromHandle(hwnd);
    EXPECT_EQ(temporary, CWnd::FromHandle(hwnd));  // one temporary object per window
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hwnd));
    {
        CCountingWnd wnd;
        ASSERT_TRUE(wnd.SubclassWindow(hwnd));
        EXPECT_EQ(&wnd, CWnd::FromHandle(hwnd));
        EXPECT_NE(classProc, GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
        EXPECT_EQ(6, SendMessageA(hwnd, kPing, 3, 0));
        EXPECT_EQ(hwnd, wnd.UnsubclassWindow());
        EXPECT_EQ(classProc, GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
        EXPECT_EQ(0, SendMessageA(hwnd, kPing, 3, 0));
        EXPECT_EQ(1, wnd.m_nPing);
    }
    EXPECT_TRUE(IsWindow(hwnd));  // the object's end did not take the window along
    DestroyWindow(hwnd);
}

TEST(Window, PostedMessagesAndTimersArriveThroughTheLoop) {
    CCountingWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, RecordingClass(), "counting", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr));
    EXPECT_TRUE(wnd.PostMessage(kPing, 1));
    EXPECT_EQ(0, wnd.m_nPing);  // not before the loop runs
    EXPECT_TRUE(RunUntil([&] { return wnd.m_nPing == 1; }));
    EXPECT_GE(wnd.m_nPreTranslate, 1);  // posted messages pass PreTranslateMessage
    EXPECT_EQ(5u, wnd.SetTimer(5, 5));
    EXPECT_TRUE(RunUntil([&] { return !wnd.m_timers.empty(); }));
    RunUntil([] { return false; }, 30);
    EXPECT_EQ(std::vector<UINT_PTR>{5}, wnd.m_timers);  // killed in its handler: once
    EXPECT_FALSE(wnd.KillTimer(5));
    wnd.DestroyWindow();
    EXPECT_FALSE(PostMessageA(reinterpret_cast<HWND>(&wnd), kPing, 0, 0));
}

// Only a sizing border lets the window manager change a window's size; the
// program still can.
TEST(Window, AWindowWithoutASizingBorderHasAFixedSize) {
    const struct {
        DWORD style;
        bool fixed;
    } cases[] = {{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, true},
                 {WS_POPUP | WS_CAPTION | WS_THICKFRAME, false}};
    for (const auto& c : cases) {
        const HWND hwnd = MakeWindow(nullptr, c.style);
        ASSERT_NE(hwnd, nullptr);
        SetWindowPos(hwnd, nullptr, 0, 0, 260, 120, SWP_NOMOVE | SWP_NOZORDER);
        const QWidget* widget = nullptr;
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            if (w->size() == QSize(260, 120)) widget = w;
        }
        ASSERT_NE(widget, nullptr) << c.style;
        EXPECT_EQ(c.fixed, widget->minimumSize() == widget->maximumSize()) << c.style;
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        EXPECT_EQ(260, rect.right - rect.left);
        DestroyWindow(hwnd);
    }
}

TEST(Window, MouseInputArrivesAsMessagesWithClientPointAndKeys) {
    CCountingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, RecordingClass(), "counting", WS_POPUP | WS_VISIBLE, 30, 40, 100,
                             50, nullptr, nullptr));
    afx::Click(wnd.m_hWnd, POINT{12, 7});
    afx::Click(wnd.m_hWnd, POINT{3, 4}, MK_CONTROL);
    EXPECT_EQ((std::vector<std::string>{"down 12,7 L", "down 3,4 L C"}), wnd.m_input);
    POINT screen{3, 4};
    wnd.ClientToScreen(&screen);
    const DWORD pos = GetMessagePos();
    EXPECT_EQ(screen.x, GET_X_LPARAM(pos));
    EXPECT_EQ(screen.y, GET_Y_LPARAM(pos));
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(screen.x, cursor.x);
    EXPECT_EQ(screen.y, cursor.y);
    wnd.DestroyWindow();
}

// An edit that records its key messages and can refuse characters.
class CKeyEdit : public CEdit {
public:
    std::vector<std::pair<UINT, UINT>> m_keys;  // message, key or byte
    BOOL m_bRefuseDigits = FALSE;

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        m_keys.emplace_back(WM_KEYDOWN, nChar);
        CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
        m_keys.emplace_back(WM_CHAR, nChar);
        if (m_bRefuseDigits && nChar >= '0' && nChar <= '9') return;
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeyEdit, CEdit)
ON_WM_KEYDOWN()
ON_WM_CHAR()
END_MESSAGE_MAP()

struct EditHost {
    HWND top = MakeWindow(nullptr, WS_POPUP | WS_VISIBLE);
    CKeyEdit edit;
    EditHost() {
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(5, 5, 150, 25),
                    CWnd::FromHandle(top), 77);
        edit.SetFocus();
    }
    ~EditHost() { DestroyWindow(top); }
    CString Text() const {
        CString text;
        edit.GetWindowText(text);
        return text;
    }
};

TEST(Window, KeysBecomeKeyDownAndCp949Characters) {
    EditHost host;
    ASSERT_EQ(host.edit.m_hWnd, GetFocus());
    afx::TypeText(afx::Utf8ToCp949("a가").c_str());
    const std::string ga = afx::Utf8ToCp949("가");
    const std::vector<std::pair<UINT, UINT>> expected{{WM_KEYDOWN, 'A'},
                                                      {WM_CHAR, 'a'},
                                                      {WM_KEYDOWN, VK_PROCESSKEY},
                                                      {WM_CHAR, static_cast<BYTE>(ga[0])},
                                                      {WM_CHAR, static_cast<BYTE>(ga[1])}};
    EXPECT_EQ(expected, host.edit.m_keys);
    EXPECT_EQ(CString(afx::Utf8ToCp949("a가")), host.Text());
    // A handler that does not pass a character on keeps it out of the text.
    host.edit.m_bRefuseDigits = TRUE;
    afx::TypeText("1b2");
    EXPECT_EQ(CString(afx::Utf8ToCp949("a가b")), host.Text());
    afx::PressKey(VK_BACK);
    EXPECT_EQ(CString(afx::Utf8ToCp949("a가")), host.Text());
}

TEST(Window, EditLimitCountsCp949Bytes) {
    struct Case {
        int limit;
        const char* typed;  // UTF-8
        const char* kept;
    };
    const Case cases[] = {
        {8, "가나다라마", "가나다라"}, {5, "ab가나", "ab가"},
        {5, "ab가c나", "ab가c"},       {3, "가나", "가"},
        {0, "가나다", "가나다"},  // 0 lifts the limit
    };
    for (const Case& c : cases) {
        EditHost host;
        host.edit.LimitText(c.limit);
        afx::TypeText(afx::Utf8ToCp949(c.typed).c_str());
        EXPECT_EQ(CString(afx::Utf8ToCp949(c.kept)), host.Text()) << c.typed;
    }
    // Text set by the program may exceed the limit; typing then adds nothing,
    // deleting still works.
    EditHost host;
    host.edit.LimitText(4);
    EXPECT_EQ(4u, host.edit.GetLimitText());
    host.edit.SetWindowText(afx::Utf8ToCp949("가나다").c_str());
    host.edit.SetSel(2, 4);
    int start = 0;
    int end = 0;
    host.edit.GetSel(start, end);
    EXPECT_EQ(2, start);
    EXPECT_EQ(4, end);
    afx::PressKey(VK_END);
    afx::TypeText("x");
    EXPECT_EQ(CString(afx::Utf8ToCp949("가나다")), host.Text());
    afx::PressKey(VK_BACK);
    EXPECT_EQ(CString(afx::Utf8ToCp949("가나")), host.Text());
}

class COwnerButton : public CButton {
public:
    std::vector<UINT> m_ids;

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override {
        m_ids.push_back(lpDIS->CtlID);
        CDC* pDC = CDC::FromHandle(lpDIS->hDC);
        CRect rect(lpDIS->rcItem);
        pDC->FillSolidRect(rect, RGB(0, 160, 0));
        pDC->SetTextColor(RGB(255, 255, 255));
        pDC->SetBkMode(TRANSPARENT);
        CString caption;
        GetWindowText(caption);
        pDC->DrawText(caption, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }

protected:
    void PreSubclassWindow() override { ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW); }
};

TEST(Window, OwnerDrawnButtonDrawsThroughItsParent) {
    CWnd parent;
    ASSERT_TRUE(
        parent.CreateEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 120, 60, nullptr, nullptr));
    COwnerButton button;
    ASSERT_TRUE(button.Create("Go", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 40), &parent, 300));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button.GetStyle() & BS_TYPEMASK);
    const QImage picture = ControlPart(Render(parent.m_hWnd), parent.m_hWnd, button.m_hWnd);
    EXPECT_FALSE(button.m_ids.empty());
    EXPECT_EQ(300u, button.m_ids.front());
    const auto green = [](QColor c) { return c == QColor(0, 160, 0); };
    const auto white = [](QColor c) { return c.lightness() > 200; };
    EXPECT_GT(CountPixels(picture, green), 80 * 30 / 2);
    EXPECT_GT(CountPixels(picture, white), 5);  // the caption
    parent.DestroyWindow();
}

TEST(Window, ToolTipsGoOnTheirToolWindows) {
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, "#32770", "", WS_POPUP, 0, 0, 120, 60, nullptr, nullptr));
    CButton button;
    ASSERT_TRUE(button.Create("Go", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 40), &parent, 300));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&parent));
    const auto shown = [](const QString& tip) {
        const QWidgetList widgets = QApplication::allWidgets();
        return std::count_if(widgets.begin(), widgets.end(),
                             [&](QWidget* w) { return w->toolTip() == tip; });
    };
    EXPECT_TRUE(tips.AddTool(&button, "to the top"));
    EXPECT_EQ(1, tips.SendMessage(TTM_GETTOOLCOUNT));
    EXPECT_EQ(1, shown(QStringLiteral("to the top")));
    tips.UpdateTipText("up", &button);
    EXPECT_EQ(1, shown(QStringLiteral("up")));
    tips.Activate(FALSE);
    EXPECT_EQ(0, shown(QStringLiteral("up")));
    tips.Activate(TRUE);
    tips.DelTool(&button);
    EXPECT_EQ(0, tips.SendMessage(TTM_GETTOOLCOUNT));
    EXPECT_EQ(0, shown(QStringLiteral("up")));
    parent.DestroyWindow();  // takes the tool tip window, which it owns, along
    EXPECT_EQ(nullptr, tips.m_hWnd);
}

}  // namespace
