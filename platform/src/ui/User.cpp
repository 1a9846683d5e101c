// The window functions of user32: creation and destruction, relations,
// window data, state, text, geometry, focus and capture.
#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cstring>

#include "Application.h"
#include "Backed.h"
#include "Framework.h"
#include "Gdi.h"
#include "Text.h"
#include "Window.h"
#include "WindowClass.h"

namespace afx::detail {

namespace {

Qt::WindowFlags TopLevelFlags(DWORD style) {
    if ((style & WS_CAPTION) != WS_CAPTION) return Qt::Window | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if ((style & WS_SYSMENU) != 0) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

// A top-level window without a sizing border keeps the size its program
// gives it: the window manager is told it is of fixed size.
void SetSize(const Window& window, QWidget& widget, int width, int height) {
    const QSize size(std::max(width, 0), std::max(height, 0));
    if (!window.IsChild() && (window.style & WS_THICKFRAME) == 0) {
        widget.setFixedSize(size);
    } else {
        widget.resize(size);
    }
}

void SetTreeDestroying(Window& window) {
    window.destroying = true;
    for (Window* child : window.children) SetTreeDestroying(*child);
}

void SendDestroy(Window& window) {
    const HWND hwnd = window.Handle();
    if (GetCapture() == hwnd) ReleaseCapture();
    while (!window.timers.empty()) KillTimer(hwnd, window.timers.begin()->first);
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    if (Window::FromHandle(hwnd) == nullptr) return;
    const std::vector<Window*> children = window.children;
    for (Window* child : children) {
        if (Window::FromHandle(child->Handle()) != nullptr) SendDestroy(*child);
    }
}

// Children first, then the window itself, which then leaves the table.
void SendNcDestroy(Window& window) {
    const HWND hwnd = window.Handle();
    const std::vector<Window*> children = window.children;
    for (Window* child : children) {
        if (Window::FromHandle(child->Handle()) != nullptr) SendNcDestroy(*child);
    }
    if (Window::FromHandle(hwnd) == nullptr) return;
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    if (Window::FromHandle(hwnd) == nullptr) return;
    while (!window.timers.empty()) KillTimer(hwnd, window.timers.begin()->first);
    if (auto* backed = dynamic_cast<BackedWidget*>(window.widget.data())) backed->Detach();
    if (window.parent != nullptr) {
        auto& siblings = window.parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), &window), siblings.end());
    }
    for (Window* other : Window::All()) {
        if (other->owner == &window) other->owner = nullptr;
    }
    Window::Remove(window);
}

void DisposeWidget(QWidget* widget) {
    if (widget == nullptr) return;
    if (BusyScope::IsBusy(widget)) {
        widget->hide();
        widget->deleteLater();
    } else {
        delete widget;
    }
}

// Sends WM_SIZE when a window's client size changed, as a move or resize does.
void NotifySize(Window& window, const QSize& before) {
    QWidget* client = window.ClientWidget();
    if (client == nullptr || client->size() == before) return;
    SendMessageA(window.Handle(), WM_SIZE, SIZE_RESTORED,
                 MAKELPARAM(client->width(), client->height()));
}

// Moves a child window in its parent's z-order (and so in the dialog's tab order).
void Restack(Window& window, HWND insertAfter) {
    QWidget* widget = window.widget;
    if (window.parent == nullptr || widget == nullptr) return;
    auto& siblings = window.parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), &window), siblings.end());
    if (insertAfter == HWND_TOP) {
        siblings.insert(siblings.begin(), &window);
        widget->raise();
        return;
    }
    Window* after = Window::FromHandle(insertAfter);
    auto it = std::find(siblings.begin(), siblings.end(), after);
    if (insertAfter == HWND_BOTTOM || it == siblings.end() || after->widget == nullptr) {
        siblings.push_back(&window);
        widget->lower();
        return;
    }
    siblings.insert(it + 1, &window);
    widget->stackUnder(after->widget);
}

}  // namespace

void WidgetGone(Window& window) {
    window.widget = nullptr;
    DestroyWindow(window.Handle());
}

}  // namespace afx::detail

using afx::detail::Window;

BOOL RegisterClassA(const WNDCLASSA* lpWndClass) {
    if (lpWndClass == nullptr || lpWndClass->lpszClassName == nullptr) return FALSE;
    afx::detail::WindowClass windowClass;
    windowClass.name = lpWndClass->lpszClassName;
    windowClass.proc = lpWndClass->lpfnWndProc;
    windowClass.style = lpWndClass->style;
    windowClass.factory = [](Window& window, QWidget* parent) -> QWidget* {
        return new afx::detail::Backed<QWidget>(window, parent);
    };
    afx::detail::RegisterWindowClass(std::move(windowClass));
    return TRUE;
}

HWND CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                     int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID lpParam) {
    if (!afx::detail::EnsurePlatform() || lpClassName == nullptr) return nullptr;
    const afx::detail::WindowClass* windowClass = afx::detail::FindWindowClass(lpClassName);
    Window* parent = Window::FromHandle(hWndParent);
    const bool child = (dwStyle & WS_CHILD) != 0;
    if (windowClass == nullptr || (child && parent == nullptr)) return nullptr;

    Window& window = Window::Add(std::make_unique<Window>(*windowClass, dwStyle, dwExStyle));
    const HWND hwnd = window.Handle();
    if (child) {
        window.parent = parent;
        window.id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(hMenu));
        parent->children.push_back(&window);
    } else if (parent != nullptr) {
        window.owner = &parent->TopLevel();
    }
    window.text = lpWindowName != nullptr ? lpWindowName : "";
    window.instance = hInstance;
    window.enabled = (dwStyle & WS_DISABLED) == 0;

    QWidget* widget = windowClass->factory(window, child ? parent->ClientWidget() : nullptr);
    window.widget = widget;
    if (child) {
        widget->setGeometry(X, Y, nWidth, nHeight);
        widget->setEnabled(window.enabled);
    } else {
        const Qt::WindowFlags flags = afx::detail::TopLevelFlags(dwStyle);
        if (window.owner != nullptr && window.owner->widget != nullptr) {
            widget->setParent(window.owner->widget, flags);
        } else {
            widget->setWindowFlags(flags);
        }
        widget->setWindowTitle(afx::detail::ToQt(window.text));
        widget->setFont(afx::detail::SystemFont());  // its controls inherit it until WM_SETFONT
        widget->move(X, Y);
        afx::detail::SetSize(window, *widget, nWidth, nHeight);
    }

    afx::detail::HookCreatedWindow(hwnd);
    CREATESTRUCTA cs{lpParam,
                     hInstance,
                     hMenu,
                     hWndParent,
                     nHeight,
                     nWidth,
                     Y,
                     X,
                     static_cast<LONG>(dwStyle),
                     lpWindowName,
                     lpClassName,
                     dwExStyle};
    if (SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) == 0 ||
        SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!IsWindow(hwnd)) return nullptr;
    if (QWidget* client = window.ClientWidget()) {
        SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client->width(), client->height()));
    }
    if ((dwStyle & WS_VISIBLE) != 0 && IsWindow(hwnd)) ShowWindow(hwnd, SW_SHOW);
    return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hWnd) {
    Window* window = Window::FromHandle(hWnd);
    if (window == nullptr || window->destroying) return FALSE;
    // Owned windows go first, as their owner's end takes them along.
    for (Window* other : Window::All()) {
        if (other->owner == window) DestroyWindow(other->Handle());
    }
    afx::detail::SetTreeDestroying(*window);
    QPointer<QWidget> widget = window->widget;
    if (widget != nullptr && !window->IsChild()) widget->hide();
    afx::detail::SendDestroy(*window);
    if (Window::FromHandle(hWnd) != nullptr) afx::detail::SendNcDestroy(*window);
    afx::detail::DisposeWidget(widget);
    return TRUE;
}

BOOL IsWindow(HWND hWnd) {
    return Window::FromHandle(hWnd) != nullptr ? TRUE : FALSE;
}

BOOL IsChild(HWND hWndParent, HWND hWnd) {
    const Window* window = Window::FromHandle(hWnd);
    if (window == nullptr || Window::FromHandle(hWndParent) == nullptr) return FALSE;
    for (; window->IsChild(); window = window->parent) {
        if (window->parent->Handle() == hWndParent) return TRUE;
    }
    return FALSE;
}

HWND GetParent(HWND hWnd) {
    const Window* window = Window::FromHandle(hWnd);
    if (window == nullptr) return nullptr;
    if (window->IsChild()) return window->parent->Handle();
    // A pop-up window's parent is its owner.
    return (window->style & WS_POPUP) != 0 && window->owner != nullptr ? window->owner->Handle()
                                                                       : nullptr;
}

HWND GetWindow(HWND hWnd, UINT uCmd) {
    const Window* window = Window::FromHandle(hWnd);
    if (window == nullptr) return nullptr;
    if (uCmd == GW_CHILD)
        return window->children.empty() ? nullptr : window->children.front()->Handle();
    if (uCmd == GW_OWNER) return window->owner != nullptr ? window->owner->Handle() : nullptr;
    if (!window->IsChild()) return nullptr;
    const auto& siblings = window->parent->children;
    auto it = std::find(siblings.begin(), siblings.end(), window);
    switch (uCmd) {
        case GW_HWNDFIRST:
            return siblings.front()->Handle();
        case GW_HWNDLAST:
            return siblings.back()->Handle();
        case GW_HWNDNEXT:
            return it + 1 == siblings.end() ? nullptr : (*(it + 1))->Handle();
        case GW_HWNDPREV:
            return it == siblings.begin() ? nullptr : (*(it - 1))->Handle();
        default:
            return nullptr;
    }
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    const Window* window = Window::FromHandle(hDlg);
    if (window == nullptr) return nullptr;
    for (const Window* child : window->children) {
        if (child->id == static_cast<UINT>(nIDDlgItem)) return child->Handle();
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
    const Window* window = Window::FromHandle(hWnd);
    return window != nullptr && window->IsChild() ? static_cast<int>(window->id) : 0;
}

LONG_PTR GetWindowLongPtrA(HWND hWnd, int nIndex) {
    const Window* window = Window::FromHandle(hWnd);
    if (window == nullptr) return 0;
    switch (nIndex) {
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(window->proc);
        case GWLP_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(window->instance);
        case GWLP_ID:
            return window->id;
        case GWL_STYLE:
            return static_cast<LONG>(window->style);
        case GWL_EXSTYLE:
            return static_cast<LONG>(window->exStyle);
        case GWLP_USERDATA:
            return window->userData;
        default:
            return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    Window* window = Window::FromHandle(hWnd);
    if (window == nullptr) return 0;
    const LONG_PTR previous = GetWindowLongPtrA(hWnd, nIndex);
    switch (nIndex) {
        case GWLP_WNDPROC:
            window->proc = reinterpret_cast<WNDPROC>(dwNewLong);
            break;
        case GWLP_ID:
            window->id = static_cast<UINT>(dwNewLong);
            break;
        case GWL_STYLE:
            window->style = static_cast<DWORD>(dwNewLong);
            break;
        case GWL_EXSTYLE:
            window->exStyle = static_cast<DWORD>(dwNewLong);
            break;
        case GWLP_USERDATA:
            window->userData = dwNewLong;
            break;
        default:
            return 0;
    }
    return previous;
}

int GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
    const Window* window = Window::FromHandle(hWnd);
    if (window == nullptr || lpClassName == nullptr || nMaxCount <= 0) return 0;
    const std::string& name = window->windowClass.name;
    const int n = std::min(static_cast<int>(name.size()), nMaxCount - 1);
    std::memcpy(lpClassName, name.data(), static_cast<std::size_t>(n));
    lpClassName[n] = '\0';
    return n;
}

HWND WindowFromPoint(POINT Point) {
    const Window* window = Window::FromWidget(QApplication::widgetAt(QPoint(Point.x, Point.y)));
    return window != nullptr ? window->Handle() : nullptr;
}

HWND ChildWindowFromPoint(HWND hWndParent, POINT Point) {
    const Window* parent = Window::FromHandle(hWndParent);
    if (parent == nullptr) return nullptr;
    for (const Window* child : parent->children) {
        if (child->widget != nullptr && child->widget->geometry().contains(Point.x, Point.y)) {
            return child->Handle();
        }
    }
    return hWndParent;
}

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    const Window* window = Window::FromHandle(hWnd);
    return window != nullptr && window->proc != nullptr ? window->proc(hWnd, Msg, wParam, lParam)
                                                        : 0;
}

LRESULT CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return lpPrevWndFunc != nullptr ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

LRESULT SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return SendMessageA(GetDlgItem(hDlg, nIDDlgItem), Msg, wParam, lParam);
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
    Window* window = Window::FromHandle(hWnd);
    if (window == nullptr) return FALSE;
    const BOOL wasDisabled = window->enabled ? FALSE : TRUE;
    if (window->enabled == (bEnable != FALSE)) return wasDisabled;
    window->enabled = bEnable != FALSE;
    window->style = bEnable ? window->style & ~WS_DISABLED : window->style | WS_DISABLED;
    // A top-level window only stops taking input; its controls keep their look.
    if (window->IsChild() && window->widget != nullptr) window->widget->setEnabled(window->enabled);
    SendMessageA(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hWnd) {
    const Window* window = Window::FromHandle(hWnd);
    return window != nullptr && window->enabled ? TRUE : FALSE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    Window* window = Window::FromHandle(hWnd);
    if (window == nullptr) return FALSE;
    const BOOL wasVisible = (window->style & WS_VISIBLE) != 0 ? TRUE : FALSE;
    const bool show = nCmdShow != SW_HIDE;
    window->style = show ? window->style | WS_VISIBLE : window->style & ~WS_VISIBLE;
    if (QWidget* widget = window->widget) {
        widget->setVisible(show);
        if (show && !window->IsChild() && nCmdShow != SW_SHOWNA) afx::detail::Activate(widget);
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND hWnd) {
    for (const Window* window = Window::FromHandle(hWnd); window != nullptr;
         window = window->IsChild() ? window->parent : nullptr) {
        if ((window->style & WS_VISIBLE) == 0) return FALSE;
        if (!window->IsChild()) return TRUE;
    }
    return FALSE;
}

BOOL SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    return SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != 0 ? TRUE
                                                                                      : FALSE;
}

int GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                         reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLengthA(HWND hWnd) {
    return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
    return SetWindowTextA(GetDlgItem(hDlg, nIDDlgItem), lpString);
}

UINT GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
    return static_cast<UINT>(GetWindowTextA(GetDlgItem(hDlg, nIDDlgItem), lpString, cchMax));
}

BOOL CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
    HWND button = GetDlgItem(hDlg, nIDButton);
    if (button == nullptr) return FALSE;
    SendMessageA(button, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int nIDButton) {
    return static_cast<UINT>(SendDlgItemMessageA(hDlg, nIDButton, BM_GETCHECK, 0, 0));
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
    const Window* window = Window::FromHandle(hWnd);
    if (window == nullptr || window->widget == nullptr || lpRect == nullptr) return FALSE;
    const QWidget* widget = window->widget;
    const QRect r = window->IsChild() ? QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size())
                                      : widget->frameGeometry();
    *lpRect = RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    return TRUE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
    const Window* window = Window::FromHandle(hWnd);
    const QWidget* client = window != nullptr ? window->ClientWidget() : nullptr;
    if (client == nullptr || lpRect == nullptr) return FALSE;
    *lpRect = RECT{0, 0, client->width(), client->height()};
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
    const Window* window = Window::FromHandle(hWnd);
    const QWidget* client = window != nullptr ? window->ClientWidget() : nullptr;
    if (client == nullptr || lpPoint == nullptr) return FALSE;
    const QPoint p = client->mapToGlobal(QPoint(lpPoint->x, lpPoint->y));
    *lpPoint = POINT{p.x(), p.y()};
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
    const Window* window = Window::FromHandle(hWnd);
    const QWidget* client = window != nullptr ? window->ClientWidget() : nullptr;
    if (client == nullptr || lpPoint == nullptr) return FALSE;
    const QPoint p = client->mapFromGlobal(QPoint(lpPoint->x, lpPoint->y));
    *lpPoint = POINT{p.x(), p.y()};
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight,
                        SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    Window* window = Window::FromHandle(hWnd);
    if (window == nullptr) return FALSE;
    QWidget* widget = window->widget;
    if (widget == nullptr) return TRUE;
    const QSize before = window->ClientWidget()->size();
    if ((uFlags & SWP_NOMOVE) == 0) widget->move(X, Y);
    if ((uFlags & SWP_NOSIZE) == 0) afx::detail::SetSize(*window, *widget, cx, cy);
    if ((uFlags & SWP_NOZORDER) == 0) afx::detail::Restack(*window, hWndInsertAfter);
    if ((uFlags & SWP_SHOWWINDOW) != 0)
        ShowWindow(hWnd, (uFlags & SWP_NOACTIVATE) != 0 ? SW_SHOWNA : SW_SHOW);
    if ((uFlags & SWP_HIDEWINDOW) != 0) ShowWindow(hWnd, SW_HIDE);
    if ((uFlags & (SWP_NOREDRAW)) == 0 || (uFlags & SWP_FRAMECHANGED) != 0) widget->update();
    // Every call reports itself, even one that changes nothing: controls
    // re-read their metrics on it (an owner-drawn list asks for its row
    // height again).
    const QRect geometry = widget->geometry();
    WINDOWPOS changed{hWnd,         hWndInsertAfter,  geometry.x(),
                      geometry.y(), geometry.width(), geometry.height(),
                      uFlags};
    SendMessageA(hWnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&changed));
    afx::detail::NotifySize(*window, before);
    return TRUE;
}

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL) {
    const Window* window = Window::FromHandle(hWnd);
    QWidget* client = window != nullptr ? window->ClientWidget() : nullptr;
    if (client == nullptr) return window != nullptr ? TRUE : FALSE;
    if (lpRect == nullptr) {
        client->update();
    } else {
        client->update(QRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                             lpRect->bottom - lpRect->top));
    }
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd) {
    const Window* window = Window::FromHandle(hWnd);
    if (window == nullptr) return FALSE;
    if (window->widget != nullptr && window->widget->isVisible()) window->widget->repaint();
    return TRUE;
}

BOOL RedrawWindow(HWND hWnd, const RECT* lprcUpdate, void*, UINT flags) {
    if ((flags & RDW_INVALIDATE) != 0) InvalidateRect(hWnd, lprcUpdate, (flags & RDW_ERASE) != 0);
    return (flags & RDW_UPDATENOW) != 0 ? UpdateWindow(hWnd) : IsWindow(hWnd);
}

HWND SetFocus(HWND hWnd) {
    const HWND previous = GetFocus();
    if (hWnd == nullptr) {
        if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
        return previous;
    }
    Window* window = Window::FromHandle(hWnd);
    if (window == nullptr || window->widget == nullptr) return nullptr;
    if (window->widget->isVisible()) afx::detail::Activate(window->widget->window());
    window->widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

HWND GetFocus() {
    const Window* window = Window::FromWidget(QApplication::focusWidget());
    return window != nullptr ? window->Handle() : nullptr;
}

HWND GetActiveWindow() {
    const Window* window = Window::FromWidget(QApplication::activeWindow());
    return window != nullptr ? window->Handle() : nullptr;
}

HWND SetActiveWindow(HWND hWnd) {
    const HWND previous = GetActiveWindow();
    const Window* window = Window::FromHandle(hWnd);
    if (window != nullptr && window->widget != nullptr && window->widget->isVisible()) {
        afx::detail::Activate(window->widget->window());
    }
    return previous;
}

namespace {
HWND& Capture() {
    static HWND capture = nullptr;
    return capture;
}
}  // namespace

HWND SetCapture(HWND hWnd) {
    const HWND previous = GetCapture();
    if (Window::FromHandle(hWnd) == nullptr) return previous;
    Capture() = hWnd;
    if (previous != nullptr && previous != hWnd) {
        SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    }
    return previous;
}

BOOL ReleaseCapture() {
    const HWND previous = GetCapture();
    Capture() = nullptr;
    if (previous != nullptr) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return IsWindow(Capture()) ? Capture() : nullptr;
}

BOOL MessageBeep(UINT) {
    QApplication::beep();
    return TRUE;
}

BOOL SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (lprc == nullptr) return FALSE;
    *lprc = RECT{xLeft, yTop, xRight, yBottom};
    return TRUE;
}

BOOL SetRectEmpty(LPRECT lprc) {
    return SetRect(lprc, 0, 0, 0, 0);
}

BOOL CopyRect(LPRECT lprcDst, const RECT* lprcSrc) {
    if (lprcDst == nullptr || lprcSrc == nullptr) return FALSE;
    *lprcDst = *lprcSrc;
    return TRUE;
}

BOOL InflateRect(LPRECT lprc, int dx, int dy) {
    if (lprc == nullptr) return FALSE;
    *lprc = RECT{lprc->left - dx, lprc->top - dy, lprc->right + dx, lprc->bottom + dy};
    return TRUE;
}

BOOL OffsetRect(LPRECT lprc, int dx, int dy) {
    if (lprc == nullptr) return FALSE;
    *lprc = RECT{lprc->left + dx, lprc->top + dy, lprc->right + dx, lprc->bottom + dy};
    return TRUE;
}

BOOL IsRectEmpty(const RECT* lprc) {
    return lprc == nullptr || lprc->left >= lprc->right || lprc->top >= lprc->bottom ? TRUE : FALSE;
}

BOOL PtInRect(const RECT* lprc, POINT pt) {
    return lprc != nullptr && pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top &&
                   pt.y < lprc->bottom
               ? TRUE
               : FALSE;
}

BOOL EqualRect(const RECT* lprc1, const RECT* lprc2) {
    return lprc1 != nullptr && lprc2 != nullptr && lprc1->left == lprc2->left &&
                   lprc1->top == lprc2->top && lprc1->right == lprc2->right &&
                   lprc1->bottom == lprc2->bottom
               ? TRUE
               : FALSE;
}

BOOL IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (lprcDst == nullptr || lprcSrc1 == nullptr || lprcSrc2 == nullptr) return FALSE;
    const RECT r{std::max(lprcSrc1->left, lprcSrc2->left), std::max(lprcSrc1->top, lprcSrc2->top),
                 std::min(lprcSrc1->right, lprcSrc2->right),
                 std::min(lprcSrc1->bottom, lprcSrc2->bottom)};
    if (IsRectEmpty(&r)) {
        SetRectEmpty(lprcDst);
        return FALSE;
    }
    *lprcDst = r;
    return TRUE;
}

BOOL UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
    if (lprcDst == nullptr || lprcSrc1 == nullptr || lprcSrc2 == nullptr) return FALSE;
    if (IsRectEmpty(lprcSrc1)) return CopyRect(lprcDst, lprcSrc2) && !IsRectEmpty(lprcSrc2);
    if (IsRectEmpty(lprcSrc2)) return CopyRect(lprcDst, lprcSrc1);
    *lprcDst = RECT{
        std::min(lprcSrc1->left, lprcSrc2->left), std::min(lprcSrc1->top, lprcSrc2->top),
        std::max(lprcSrc1->right, lprcSrc2->right), std::max(lprcSrc1->bottom, lprcSrc2->bottom)};
    return TRUE;
}
