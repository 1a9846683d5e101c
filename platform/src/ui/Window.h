// A window of the system: what an HWND stands for. It carries what the
// operating system keeps for a window (class, procedure, styles, id, parent,
// owner, text, font, timers) and the Qt widget that shows it. Handles are the
// addresses of these objects; a handle is valid while the window is in the
// table of live windows, so a stale handle is recognised, never followed.
#pragma once

#include <QEventLoop>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "windows.h"

class CWnd;

namespace afx::detail {

struct WindowClass;

// A running modal loop of a dialog: EndDialog stores the result and quits it.
struct ModalState {
    QEventLoop loop;
    bool ended = false;
    INT_PTR result = -1;
};

// Deletes a GDI object that a window owns.
struct GdiDeleter {
    void operator()(void* object) const;
};

// What only a dialog window has: its default button, its font, its dialog
// base units and the state of its modal loop.
struct DialogState {
    UINT templateId = 0;
    UINT defId = 0;
    bool ended = false;
    INT_PTR result = -1;
    ModalState* modal = nullptr;
    SIZE baseUnits{0, 0};
    std::unique_ptr<void, GdiDeleter> font;
};

class Window {
public:
    Window(const WindowClass& windowClass, DWORD style, DWORD exStyle);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The live window behind a handle, or null.
    static Window* FromHandle(HWND hwnd);
    // Takes a new window into the table of live windows.
    static Window& Add(std::unique_ptr<Window> window);
    // Takes a window out of the table and frees it; its handle is dead from then on.
    static void Remove(Window& window);
    // The window a widget (or a widget inside it) shows, or null.
    static Window* FromWidget(const QWidget* widget);
    // Every live window, in creation order.
    static std::vector<Window*> All();

    HWND Handle() const { return reinterpret_cast<HWND>(const_cast<Window*>(this)); }
    bool IsChild() const { return (style & WS_CHILD) != 0 && parent != nullptr; }
    // The window whose client area holds this one at the top: itself for a top-level window.
    Window& TopLevel();
    // The widget whose coordinates are the window's client coordinates.
    QWidget* ClientWidget() const;
    // The object the framework attaches to this window, or a temporary one
    // that lives as long as the window.
    CWnd* Object();

    const WindowClass& windowClass;
    WNDPROC proc;
    DWORD style;
    DWORD exStyle;
    UINT id = 0;
    Window* parent = nullptr;
    Window* owner = nullptr;
    std::vector<Window*> children;  // z-order, top first: creation order unless moved
    std::string text;               // CP949
    HFONT font = nullptr;
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    bool enabled = true;
    bool destroying = false;
    QPointer<QWidget> widget;
    CWnd* permanent = nullptr;
    std::unique_ptr<CWnd> temporary;
    std::map<UINT_PTR, int> timers;  // timer id -> Qt timer id
    std::unique_ptr<DialogState> dialog;
};

}  // namespace afx::detail
