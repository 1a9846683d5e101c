// The "tooltips_class32" window class: tool windows (TTF_IDISHWND) show
// their tip as Qt's tool tip, so it appears when the mouse rests on them.
#include <QWidget>

#include <map>
#include <string>

#include "Backed.h"
#include "Text.h"
#include "Window.h"
#include "WindowClass.h"
#include "commctrl.h"

namespace afx::detail {
namespace {

struct ToolTipState {
    bool active = true;
    std::map<HWND, std::string> tools;  // tool window -> CP949 text
};

std::map<HWND, ToolTipState>& States() {
    static std::map<HWND, ToolTipState> states;
    return states;
}

void Show(HWND tool, const std::string& text, bool active) {
    const Window* window = Window::FromHandle(tool);
    if (window != nullptr && window->widget != nullptr) {
        window->widget->setToolTip(active ? ToQt(text) : QString());
    }
}

LRESULT CALLBACK ToolTipProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
    const bool byWindow = info != nullptr && (info->uFlags & TTF_IDISHWND) != 0;
    const HWND tool = byWindow ? reinterpret_cast<HWND>(info->uId) : nullptr;
    ToolTipState& state = States()[hwnd];
    switch (message) {
        case TTM_ADDTOOLA:
        case TTM_UPDATETIPTEXTA: {
            if (tool == nullptr || (message == TTM_UPDATETIPTEXTA && state.tools.count(tool) == 0))
                return FALSE;
            const std::string text = info->lpszText != nullptr ? info->lpszText : "";
            state.tools[tool] = text;
            Show(tool, text, state.active);
            return TRUE;
        }
        case TTM_DELTOOLA:
            if (state.tools.erase(tool) != 0) Show(tool, std::string(), false);
            return 0;
        case TTM_GETTOOLCOUNT:
            return static_cast<LRESULT>(state.tools.size());
        case TTM_ACTIVATE:
            state.active = wParam != 0;
            for (const auto& [window, text] : state.tools) Show(window, text, state.active);
            return 0;
        case WM_NCDESTROY:
            for (const auto& [window, text] : state.tools) Show(window, text, false);
            States().erase(hwnd);
            return DefWindowProcA(hwnd, message, wParam, lParam);
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

const WindowClassRegistrar kToolTipClass(WindowClass{
    TOOLTIPS_CLASSA, &ToolTipProc,
    [](Window& window, QWidget* parent) -> QWidget* { return new Backed<QWidget>(window, parent); },
    0});

}  // namespace
}  // namespace afx::detail
