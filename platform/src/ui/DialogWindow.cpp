// The dialog window class "#32770" and its procedure, the default dialog
// procedure.
#include <QPaintEvent>
#include <QWidget>

#include "Backed.h"
#include "DialogManager.h"
#include "Window.h"
#include "WindowClass.h"

namespace afx::detail {
namespace {

class DialogWidget : public Backed<QWidget> {
public:
    DialogWidget(Window& window, QWidget* parent) : Backed<QWidget>(window, parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        if (m_window == nullptr) return;
        QPainter painter(this);
        const ControlColors colors = AskControlColors(*m_window, WM_CTLCOLORDLG, &painter);
        if (colors.fillBackground) painter.fillRect(rect(), colors.background);
    }
};

HWND DefaultButton(Window& dialog) {
    for (const Window* child : dialog.children) {
        if ((SendMessageA(child->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0) {
            return child->Handle();
        }
    }
    return nullptr;
}

void SetButtonDefault(HWND button, bool isDefault) {
    if (button == nullptr) return;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(button, GWL_STYLE));
    const DWORD type = style & BS_TYPEMASK;
    if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) return;
    SendMessageA(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

LRESULT CALLBACK DefDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = Window::FromHandle(hwnd);
    if (window == nullptr || !window->dialog) return DefWindowProcA(hwnd, message, wParam, lParam);
    DialogState& dialog = *window->dialog;
    switch (message) {
        case WM_INITDIALOG:
            return FALSE;
        case DM_GETDEFID: {
            if (dialog.defId != 0) return MAKELRESULT(dialog.defId, DC_HASDEFID);
            const HWND button = DefaultButton(*window);
            return button != nullptr ? MAKELRESULT(GetDlgCtrlID(button), DC_HASDEFID) : 0;
        }
        case DM_SETDEFID:
            SetButtonDefault(DefaultButton(*window), false);
            dialog.defId = static_cast<UINT>(wParam);
            SetButtonDefault(GetDlgItem(hwnd, static_cast<int>(wParam)), true);
            return TRUE;
        case WM_NEXTDLGCTL: {
            HWND next = LOWORD(lParam) != 0
                            ? reinterpret_cast<HWND>(wParam)
                            : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0 ? TRUE : FALSE);
            if (next != nullptr) SetDialogFocus(next);
            return 0;
        }
        case WM_CLOSE: {
            // The close box cancels, unless the Cancel button is disabled.
            const HWND cancel = GetDlgItem(hwnd, IDCANCEL);
            if (cancel != nullptr && !IsWindowEnabled(cancel)) {
                MessageBeep(0);
                return 0;
            }
            PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(cancel));
            return 0;
        }
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

const WindowClassRegistrar kDialogClass(WindowClass{
    "#32770", &DefDlgProc,
    [](Window& window, QWidget* parent) -> QWidget* {
        window.dialog = std::make_unique<DialogState>();
        return new DialogWidget(window, parent);
    },
    0});

}  // namespace
}  // namespace afx::detail
