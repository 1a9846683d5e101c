// The dialog manager: dialogs built from templates, dialog units, the modal
// loop, and the keys a dialog handles for its controls.
#include <QFontMetrics>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstring>

#include "Application.h"
#include "Automation.h"
#include "DialogManager.h"
#include "Gdi.h"
#include "Pump.h"
#include "Window.h"

namespace afx::detail {
namespace {

bool IsTabStop(const Window& control) {
    return (control.style & (WS_TABSTOP | WS_VISIBLE)) == (WS_TABSTOP | WS_VISIBLE) &&
           control.enabled;
}

HFONT TemplateFont(const DialogTemplateData& t) {
    LOGFONTA lf{};
    const int points = t.pointSize != 0 ? t.pointSize : 9;
    lf.lfHeight = -MulDivRound(points, 96, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, t.fontName.empty() ? "MS Shell Dlg" : t.fontName.c_str(),
                 LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

RECT MapRect(const RECT& units, SIZE base) {
    return RECT{MulDivRound(units.left, base.cx, 4), MulDivRound(units.top, base.cy, 8),
                MulDivRound(units.right, base.cx, 4), MulDivRound(units.bottom, base.cy, 8)};
}

}  // namespace

int MulDivRound(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = (product < 0) != (denominator < 0) ? -(std::abs(denominator) / 2)
                                                              : std::abs(denominator) / 2;
    return static_cast<int>((product + half) / denominator);
}

SIZE DialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return SIZE{(width / 26 + 1) / 2, MeasureLine(font).Height()};
}

ControlColors AskControlColors(Window& window, UINT message, QPainter* painter) {
    DeviceContext dc(painter);
    const HWND asked = window.IsChild() ? window.parent->Handle() : window.Handle();
    const auto brush =
        reinterpret_cast<HBRUSH>(SendMessageA(asked, message, reinterpret_cast<WPARAM>(dc.Handle()),
                                              reinterpret_cast<LPARAM>(window.Handle())));
    ControlColors colors{
        ToQColor(dc.textColor), false, QColor(), dc.bkMode == OPAQUE, ToQColor(dc.bkColor),
        dc.textColorChosen};
    colors.fillBackground = BrushColor(brush, &colors.background);
    return colors;
}

void SetDialogFocus(HWND control) {
    SetFocus(control);
    if ((SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

HWND CreateDialogFromTemplate(const DialogTemplateData& t, HINSTANCE instance, HWND owner) {
    if (!EnsurePlatform()) return nullptr;
    std::unique_ptr<void, GdiDeleter> font(TemplateFont(t));
    const SIZE base = DialogBaseUnits(FontOf(static_cast<HFONT>(font.get())));
    const RECT frame = MapRect(t.rect, base);
    POINT origin{frame.left, frame.top};
    if (owner != nullptr) ClientToScreen(owner, &origin);
    const HWND dialog = CreateWindowExA(
        t.exStyle, "#32770", t.caption.c_str(), t.style & ~WS_VISIBLE, origin.x, origin.y,
        frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, instance, nullptr);
    Window* window = Window::FromHandle(dialog);
    if (window == nullptr || !window->dialog) return nullptr;
    const HFONT dialogFont = static_cast<HFONT>(font.get());
    window->dialog->templateId = t.id;
    window->dialog->baseUnits = base;
    window->dialog->font = std::move(font);
    SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), FALSE);
    for (const DialogItemData& item : t.items) {
        const RECT r = MapRect(item.rect, base);
        const HWND control = CreateWindowExA(
            item.exStyle, item.className.c_str(), item.text.c_str(), item.style | WS_CHILD, r.left,
            r.top, r.right - r.left, r.bottom - r.top, dialog,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance, nullptr);
        if (control == nullptr) {
            DestroyWindow(dialog);
            return nullptr;
        }
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), FALSE);
    }
    const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), 0) != 0 &&
        IsWindow(dialog)) {
        if (const HWND focus = GetNextDlgTabItem(dialog, nullptr, FALSE)) SetDialogFocus(focus);
    }
    if (IsWindow(dialog) && (t.style & WS_VISIBLE) != 0) ShowWindow(dialog, SW_SHOW);
    return IsWindow(dialog) ? dialog : nullptr;
}

INT_PTR RunModalLoop(HWND dialog) {
    Window* window = Window::FromHandle(dialog);
    if (window == nullptr || !window->dialog) return -1;
    if (window->dialog->ended) return window->dialog->result;
    ModalState state;
    window->dialog->modal = &state;
    if (window->widget != nullptr) window->widget->setWindowModality(Qt::ApplicationModal);
    ShowWindow(dialog, SW_SHOW);
    // The automation hook runs from inside the loop, once the dialog is up.
    QTimer shown;
    shown.setSingleShot(true);
    QObject::connect(&shown, &QTimer::timeout, [dialog] { NotifyModalShown(dialog); });
    if (HasModalHook()) shown.start(0);
    ModalScope scope(dialog, [dialog](int result) { EndDialog(dialog, result); });
    if (!state.ended) state.loop.exec();
    NotifyModalEnded(dialog, state.result);
    if (Window* still = Window::FromHandle(dialog); still != nullptr && still->dialog) {
        still->dialog->modal = nullptr;
    }
    return state.result;
}

}  // namespace afx::detail

using afx::detail::Window;

BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
    Window* window = Window::FromHandle(hDlg);
    if (window == nullptr || !window->dialog) return FALSE;
    afx::detail::DialogState& dialog = *window->dialog;
    dialog.ended = true;
    dialog.result = nResult;
    if (dialog.modal != nullptr) {
        dialog.modal->ended = true;
        dialog.modal->result = nResult;
        dialog.modal->loop.quit();
    }
    return TRUE;
}

BOOL MapDialogRect(HWND hDlg, LPRECT lpRect) {
    const Window* window = Window::FromHandle(hDlg);
    if (window == nullptr || !window->dialog || lpRect == nullptr) return FALSE;
    *lpRect = afx::detail::MapRect(*lpRect, window->dialog->baseUnits);
    return TRUE;
}

LONG GetDialogBaseUnits() {
    const SIZE base = afx::detail::DialogBaseUnits(afx::detail::SystemFont());
    return MAKELONG(base.cx, base.cy);
}

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
    const Window* dialog = Window::FromHandle(hDlg);
    if (dialog == nullptr || dialog->children.empty()) return nullptr;
    // Walk the controls in z-order from the given one, round the end.
    const auto& all = dialog->children;
    const std::size_t n = all.size();
    const auto it = std::find(all.begin(), all.end(), Window::FromHandle(hCtl));
    const std::size_t start = it != all.end() ? static_cast<std::size_t>(it - all.begin())
                              : bPrevious     ? 0
                                              : n - 1;
    for (std::size_t k = 1; k <= n; ++k) {
        const std::size_t i = bPrevious ? (start + n - k) % n : (start + k) % n;
        if (afx::detail::IsTabStop(*all[i])) return all[i]->Handle();
    }
    return nullptr;
}

BOOL IsDialogMessageA(HWND hDlg, LPMSG lpMsg) {
    if (!IsWindow(hDlg) || lpMsg == nullptr) return FALSE;
    if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)) return FALSE;
    if (lpMsg->message == WM_KEYDOWN) {
        const LRESULT code = SendMessageA(lpMsg->hwnd, WM_GETDLGCODE, lpMsg->wParam,
                                          reinterpret_cast<LPARAM>(lpMsg));
        if ((code & DLGC_WANTMESSAGE) == 0) {
            switch (lpMsg->wParam) {
                case VK_TAB:
                    if ((code & DLGC_WANTTAB) != 0) break;
                    SendMessageA(hDlg, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
                    return TRUE;
                case VK_ESCAPE:
                case VK_CANCEL:
                    SendMessageA(hDlg, WM_COMMAND, IDCANCEL,
                                 reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDCANCEL)));
                    return TRUE;
                case VK_RETURN: {
                    // A focused push button is pressed; otherwise the default button, or IDOK.
                    const HWND focus = GetFocus();
                    const LRESULT focusCode =
                        IsChild(hDlg, focus) ? SendMessageA(focus, WM_GETDLGCODE, 0, 0) : 0;
                    if ((focusCode & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
                        SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                                     reinterpret_cast<LPARAM>(focus));
                        return TRUE;
                    }
                    const LRESULT defId = SendMessageA(hDlg, DM_GETDEFID, 0, 0);
                    if (HIWORD(defId) == DC_HASDEFID) {
                        const HWND button = GetDlgItem(hDlg, LOWORD(defId));
                        if (button == nullptr || IsWindowEnabled(button)) {
                            SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(LOWORD(defId), BN_CLICKED),
                                         reinterpret_cast<LPARAM>(button));
                        }
                    } else {
                        SendMessageA(hDlg, WM_COMMAND, IDOK,
                                     reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDOK)));
                    }
                    return TRUE;
                }
                default:
                    break;
            }
        }
    }
    afx::detail::TranslateQueued(*lpMsg);
    afx::detail::DispatchQueued(*lpMsg);
    return TRUE;
}
