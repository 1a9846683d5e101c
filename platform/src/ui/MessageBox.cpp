// Message boxes: the one function every message box of the system goes through.
#include <QMessageBox>
#include <QTimer>

#include <array>

#include "Application.h"
#include "Automation.h"
#include "Gdi.h"
#include "Text.h"
#include "Window.h"
#include "afxwin.h"

namespace afx::detail {
namespace {

struct ButtonId {
    QMessageBox::StandardButton button;
    int id;
};

constexpr std::array<ButtonId, 7> kButtons{{{QMessageBox::Ok, IDOK},
                                            {QMessageBox::Cancel, IDCANCEL},
                                            {QMessageBox::Abort, IDABORT},
                                            {QMessageBox::Retry, IDRETRY},
                                            {QMessageBox::Ignore, IDIGNORE},
                                            {QMessageBox::Yes, IDYES},
                                            {QMessageBox::No, IDNO}}};

// The buttons of a message box type, in the order the box shows them.
std::vector<int> ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {IDOK, IDCANCEL};
        case MB_ABORTRETRYIGNORE:
            return {IDABORT, IDRETRY, IDIGNORE};
        case MB_YESNOCANCEL:
            return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO:
            return {IDYES, IDNO};
        case MB_RETRYCANCEL:
            return {IDRETRY, IDCANCEL};
        default:
            return {IDOK};
    }
}

QMessageBox::StandardButton ButtonOf(int id) {
    for (const ButtonId& b : kButtons) {
        if (b.id == id) return b.button;
    }
    return QMessageBox::NoButton;
}

int IdOf(int button) {
    for (const ButtonId& b : kButtons) {
        if (b.button == button) return b.id;
    }
    return IDCANCEL;
}

QMessageBox::Icon IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONHAND:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONASTERISK:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int RunBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    const Window* ownerWindow = Window::FromHandle(owner);
    QWidget* parent = ownerWindow != nullptr && ownerWindow->widget != nullptr
                          ? ownerWindow->widget->window()
                          : nullptr;
    QMessageBox box(IconOf(type), ToQt(caption), ToQt(text), QMessageBox::NoButton, parent);
    const std::vector<int> buttons = ButtonsOf(type);
    for (int id : buttons) box.addButton(ButtonOf(id));
    const std::size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    if (defaultIndex < buttons.size()) box.setDefaultButton(ButtonOf(buttons[defaultIndex]));
    box.setFont(SystemFont());
    box.setWindowModality(Qt::ApplicationModal);
    ModalScope scope(nullptr, [&box](int id) { box.done(ButtonOf(id)); });
    QTimer shown;
    shown.setSingleShot(true);
    QObject::connect(&shown, &QTimer::timeout, [&] {
        NotifyModalShown(ModalInfo{nullptr, CString(caption), CString(text), type, 0});
    });
    if (HasModalHook()) shown.start(0);
    const int answer = IdOf(box.exec());
    // The owner is active again, with the focus where it was.
    if (owner != nullptr) SetActiveWindow(owner);
    return answer;
}

}  // namespace

// Shows a message box (or has the automation answer it) and records it.
int ShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    const std::string textBytes = text != nullptr ? text : "";
    const std::string captionBytes = caption != nullptr ? caption : "Error";
    int answer = ButtonsOf(type).front();
    if (const MessageBoxHandler& handler = CurrentMessageBoxHandler()) {
        answer = handler(owner, textBytes.c_str(), captionBytes.c_str(), type);
    } else if (EnsurePlatform() && (HasDisplay() || HasModalHook())) {
        answer = RunBox(owner, textBytes, captionBytes, type);
    }
    RecordMessageBox(
        MessageBoxRecord{owner, CString(textBytes), CString(captionBytes), type, answer});
    return answer;
}

}  // namespace afx::detail

int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    return afx::detail::ShowMessageBox(hWnd, lpText, lpCaption, uType);
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) {
    return afx::detail::ShowMessageBox(GetActiveWindow(), lpszText, AfxGetAppName(), nType);
}
