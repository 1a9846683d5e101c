// The default window procedure: what a window does with a message that its
// own procedure leaves alone.
#include <QWidget>

#include <algorithm>
#include <cstring>

#include "Gdi.h"
#include "Input.h"
#include "Text.h"
#include "Window.h"

namespace {

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer) {
    auto* out = reinterpret_cast<char*>(buffer);
    if (out == nullptr || size == 0) return 0;
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size) - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

// The colours of a control that nobody colours: the system's text colour on
// a window background for edits, on the face colour for everything else.
// They are the context's defaults, not a colour anyone chose.
LRESULT DefaultControlColor(UINT message, WPARAM hdc) {
    const bool edit = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    const int background = edit ? COLOR_WINDOW : COLOR_BTNFACE;
    if (auto* dc = afx::detail::DeviceContext::FromHandle(reinterpret_cast<HDC>(hdc))) {
        dc->textColor = GetSysColor(COLOR_WINDOWTEXT);
        dc->bkColor = GetSysColor(background);
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

}  // namespace

LRESULT DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    using afx::detail::Window;
    Window* window = Window::FromHandle(hWnd);
    if (window == nullptr) return 0;
    switch (Msg) {
        case WM_NCCREATE:
            return TRUE;
        case WM_SETTEXT:
            window->text = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
            if (!window->IsChild() && window->widget != nullptr) {
                window->widget->setWindowTitle(afx::detail::ToQt(window->text));
            }
            return TRUE;
        case WM_GETTEXT:
            return CopyText(window->text, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(window->text.size());
        case WM_SETFONT:
            window->font = reinterpret_cast<HFONT>(wParam);
            if (window->widget != nullptr) {
                window->widget->setFont(afx::detail::FontOf(window->font));
                if (LOWORD(lParam) != 0) window->widget->update();
            }
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(window->font);
        case WM_SETREDRAW:
            if (window->widget != nullptr) window->widget->setUpdatesEnabled(wParam != 0);
            return 0;
        case WM_CLOSE:
            DestroyWindow(hWnd);
            return 0;
        case WM_MOUSEWHEEL:
            // A window that does not scroll hands the wheel to its parent.
            return window->IsChild() ? SendMessageA(window->parent->Handle(), Msg, wParam, lParam)
                                     : 0;
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return DefaultControlColor(Msg, wParam);
        default:
            if (afx::detail::IsInputMessage(Msg)) afx::detail::PassInputToQt(hWnd, Msg);
            return 0;
    }
}
