#include "Window.h"

#include <algorithm>
#include <unordered_map>

#include "Backed.h"
#include "DropTargets.h"
#include "WindowClass.h"
#include "afxwin.h"

namespace afx::detail {
namespace {

struct Table {
    std::unordered_map<const Window*, std::unique_ptr<Window>> windows;
    std::vector<Window*> order;
    // The window last found: the messages of a walk over a control all name
    // the same window, and a table look-up per message adds up.
    Window* recent = nullptr;
};

Table& Live() {
    static Table table;
    return table;
}

}  // namespace

Window::Window(const WindowClass& windowClass, DWORD style, DWORD exStyle)
    : windowClass(windowClass), proc(windowClass.proc), style(style), exStyle(exStyle) {}

Window::~Window() {
    // An object still attached (attached without subclassing, so it never
    // saw WM_NCDESTROY) must not keep a dead handle.
    if (permanent != nullptr) permanent->m_hWnd = nullptr;
    // A dialog destroyed inside its modal loop ends the loop.
    if (dialog && dialog->modal != nullptr) dialog->modal->loop.quit();
    if (temporary) temporary->m_hWnd = nullptr;
}

Window* Window::FromHandle(HWND hwnd) {
    Table& live = Live();
    if (hwnd != nullptr && reinterpret_cast<const Window*>(hwnd) == live.recent) return live.recent;
    auto it = live.windows.find(reinterpret_cast<const Window*>(hwnd));
    if (it == live.windows.end()) return nullptr;
    live.recent = it->second.get();
    return live.recent;
}

Window& Window::Add(std::unique_ptr<Window> window) {
    Window& added = *window;
    Live().order.push_back(&added);
    Live().windows.emplace(&added, std::move(window));
    return added;
}

void Window::Remove(Window& window) {
    RevokeDropTarget(window.Handle());
    auto& order = Live().order;
    order.erase(std::remove(order.begin(), order.end(), &window), order.end());
    if (Live().recent == &window) Live().recent = nullptr;
    Live().windows.erase(&window);
}

Window* Window::FromWidget(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        auto* backed = dynamic_cast<const BackedWidget*>(widget);
        if (backed != nullptr && backed->BackedWindow() != nullptr) return backed->BackedWindow();
    }
    return nullptr;
}

std::vector<Window*> Window::All() {
    return Live().order;
}

Window& Window::TopLevel() {
    Window* w = this;
    while (w->IsChild()) w = w->parent;
    return *w;
}

QWidget* Window::ClientWidget() const {
    auto* backed = dynamic_cast<BackedWidget*>(widget.data());
    return backed != nullptr ? backed->ClientWidget() : widget.data();
}

CWnd* Window::Object() {
    if (permanent != nullptr) return permanent;
    if (!temporary) {
        temporary = std::make_unique<CWnd>();
        temporary->m_hWnd = Handle();
    }
    return temporary.get();
}

}  // namespace afx::detail
