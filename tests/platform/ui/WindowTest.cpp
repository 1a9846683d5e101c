// Windows and messages: destruction order and the handle map, keys as
// messages and CP949 characters, an edit's limit in bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Support.h"
#include "afxcodepage.h"

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
}

}  // namespace
