#include "Automation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

#include <cstdlib>
#include <iterator>

#include "Application.h"
#include "DialogManager.h"
#include "Gdi.h"
#include "Input.h"
#include "Text.h"
#include "Window.h"
#include "afxcodepage.h"

namespace afx::detail {
namespace {

struct ModalFrame {
    HWND dialog;
    std::function<void(int)> end;
};

struct Hooks {
    ModalHook modal;
    ModalEndHook modalEnd;
    MessageBoxHandler messageBox;
    std::vector<MessageBoxRecord> records;
    std::vector<ModalFrame> frames;
};

Hooks& TheHooks() {
    static Hooks hooks;
    return hooks;
}

Qt::KeyboardModifiers Modifiers(UINT keys) {
    Qt::KeyboardModifiers modifiers;
    if ((keys & MK_SHIFT) != 0) modifiers |= Qt::ShiftModifier;
    if ((keys & MK_CONTROL) != 0) modifiers |= Qt::ControlModifier;
    if ((keys & MK_ALT) != 0) modifiers |= Qt::AltModifier;
    return modifiers;
}

Qt::MouseButtons Buttons(UINT keys) {
    Qt::MouseButtons buttons;
    if ((keys & MK_LBUTTON) != 0) buttons |= Qt::LeftButton;
    if ((keys & MK_RBUTTON) != 0) buttons |= Qt::RightButton;
    return buttons;
}

// Sends a mouse event to the widget under a client point of a window, as Qt
// delivers a real one: to the innermost widget there that takes the mouse.
void SendMouse(HWND hwnd, POINT point, QEvent::Type type, Qt::MouseButton button,
               Qt::MouseButtons buttons, UINT keys) {
    Window* window = Window::FromHandle(hwnd);
    QWidget* client = window != nullptr ? window->ClientWidget() : nullptr;
    if (client == nullptr) return;
    // A window behind a modal dialog gets no focus from a click.
    const bool blocked = !window->TopLevel().enabled;
    const QPoint pos(point.x, point.y);
    QWidget* child = client->childAt(pos);
    QPointer<QWidget> target = child != nullptr ? child : client;
    const QPoint global = client->mapToGlobal(pos);
    QCursor::setPos(global);
    if (type == QEvent::MouseButtonPress && !blocked) {
        // Focus on click, as Qt gives it for a real press.
        for (QWidget* w = target; w != nullptr; w = w->parentWidget()) {
            if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
                Activate(w->window());
                w->setFocus(Qt::MouseFocusReason);
                break;
            }
            if (w->isWindow()) break;
        }
    }
    if (target == nullptr) return;
    QMouseEvent event(type, target->mapFromGlobal(global), global, button, buttons,
                      Modifiers(keys));
    QCoreApplication::sendEvent(target, &event);
}

// A wheel event that Qt sends itself goes only to its receiver; one from the
// mouse climbs from the widget under the pointer to its parents until one
// takes it, within the window.
void SendWheel(HWND hwnd, POINT point, int notches, UINT keys) {
    Window* window = Window::FromHandle(hwnd);
    QWidget* client = window != nullptr ? window->ClientWidget() : nullptr;
    if (client == nullptr || notches == 0) return;
    const QPoint pos(point.x, point.y);
    const QPoint global = client->mapToGlobal(pos);
    QCursor::setPos(global);
    QWidget* child = client->childAt(pos);
    for (QPointer<QWidget> w = child != nullptr ? child : client; w != nullptr;
         w = w->parentWidget()) {
        QWheelEvent event(w->mapFromGlobal(global), global, QPoint(),
                          QPoint(0, notches * WHEEL_DELTA), Buttons(keys), Modifiers(keys),
                          Qt::NoScrollPhase, false);
        if (QCoreApplication::sendEvent(w, &event) && event.isAccepted()) break;
        if (w == nullptr || w->isWindow() || w->testAttribute(Qt::WA_NoMousePropagation)) break;
    }
}

QWidget* KeyTarget() {
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    const Window* top = Window::FromHandle(TopModalWindow());
    return top != nullptr ? top->widget.data() : QApplication::activeWindow();
}

void SendKey(QEvent::Type type, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    QWidget* target = KeyTarget();
    if (target == nullptr) return;
    QKeyEvent event(type, qtKey, modifiers, text);
    QCoreApplication::sendEvent(target, &event);
}

void SendVirtualKey(QEvent::Type type, UINT vk, UINT keys) {
    KeyInfo key = QtKeyOf(vk, (keys & MK_SHIFT) != 0);
    // Qt names Shift+Tab a key of its own.
    if (vk == VK_TAB && (keys & MK_SHIFT) != 0) key.qtKey = Qt::Key_Backtab;
    QString text = key.text;
    if ((keys & MK_CONTROL) != 0 && vk >= 'A' && vk <= 'Z') {
        text = QString(QChar(static_cast<char16_t>(vk - 'A' + 1)));
    }
    SendKey(type, key.qtKey, Modifiers(keys), type == QEvent::KeyPress ? text : QString());
}

}  // namespace

bool HasModalHook() {
    return static_cast<bool>(TheHooks().modal);
}

void NotifyModalShown(const ModalInfo& info) {
    // A copy, so that the hook may replace itself.
    const ModalHook hook = TheHooks().modal;
    if (hook) hook(info);
}

void NotifyModalShown(HWND dialog) {
    const Window* window = Window::FromHandle(dialog);
    if (window == nullptr) return;
    const UINT templateId = window->dialog ? window->dialog->templateId : 0;
    NotifyModalShown(ModalInfo{dialog, CString(window->text), CString(), 0, templateId});
}

void NotifyModalEnded(HWND dialog, INT_PTR result) {
    const ModalEndHook hook = TheHooks().modalEnd;
    if (hook) hook(dialog, result);
}

ModalScope::ModalScope(HWND dialog, std::function<void(int)> end) {
    TheHooks().frames.push_back(ModalFrame{dialog, std::move(end)});
}

ModalScope::~ModalScope() {
    TheHooks().frames.pop_back();
}

const MessageBoxHandler& CurrentMessageBoxHandler() {
    return TheHooks().messageBox;
}

void RecordMessageBox(MessageBoxRecord record) {
    TheHooks().records.push_back(std::move(record));
}

}  // namespace afx::detail

namespace afx {

struct AutomationSession::Impl {
    int argc = 1;
    char name[8] = "tabulo";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
};

AutomationSession::AutomationSession() : m_impl(std::make_unique<Impl>()) {
    if (QCoreApplication::instance() == nullptr) {
        if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
            std::getenv("WAYLAND_DISPLAY") == nullptr) {
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        }
        m_impl->app = std::make_unique<QApplication>(m_impl->argc, m_impl->argv);
    }
    detail::EnsurePlatform();
}

AutomationSession::~AutomationSession() {
    for (detail::Window* window : detail::Window::All()) {
        if (IsWindow(window->Handle()) && !window->IsChild()) DestroyWindow(window->Handle());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_impl->app.reset();
}

ModalHook SetModalHook(ModalHook hook) {
    return std::exchange(detail::TheHooks().modal, std::move(hook));
}

ModalEndHook SetModalEndHook(ModalEndHook hook) {
    return std::exchange(detail::TheHooks().modalEnd, std::move(hook));
}

bool EndModal(int result) {
    auto& frames = detail::TheHooks().frames;
    if (frames.empty()) return false;
    const auto end = frames.back().end;
    end(result);
    return true;
}

HWND TopModalWindow() {
    const auto& frames = detail::TheHooks().frames;
    return frames.empty() ? nullptr : frames.back().dialog;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(detail::TheHooks().messageBox, std::move(handler));
}

const std::vector<MessageBoxRecord>& MessageBoxRecords() {
    return detail::TheHooks().records;
}

void ClearMessageBoxRecords() {
    detail::TheHooks().records.clear();
}

void MouseDown(HWND hwnd, POINT point, UINT keys) {
    detail::SendMouse(hwnd, point, QEvent::MouseButtonPress, Qt::LeftButton,
                      detail::Buttons(keys | MK_LBUTTON), keys);
}

void MouseMove(HWND hwnd, POINT point, UINT keys) {
    detail::SendMouse(hwnd, point, QEvent::MouseMove, Qt::NoButton, detail::Buttons(keys), keys);
}

void MouseUp(HWND hwnd, POINT point, UINT keys) {
    detail::SendMouse(hwnd, point, QEvent::MouseButtonRelease, Qt::LeftButton,
                      detail::Buttons(keys & ~MK_LBUTTON), keys);
}

void Click(HWND hwnd, POINT point, UINT keys) {
    MouseDown(hwnd, point, keys);
    MouseUp(hwnd, point, keys);
}

void DoubleClick(HWND hwnd, POINT point, UINT keys) {
    Click(hwnd, point, keys);
    detail::SendMouse(hwnd, point, QEvent::MouseButtonDblClick, Qt::LeftButton,
                      detail::Buttons(keys | MK_LBUTTON), keys);
    MouseUp(hwnd, point, keys);
}

void Wheel(HWND hwnd, POINT point, int notches, UINT keys) {
    detail::SendWheel(hwnd, point, notches, keys);
}

void KeyDown(UINT vk, UINT keys) {
    detail::SendVirtualKey(QEvent::KeyPress, vk, keys);
}

void KeyUp(UINT vk, UINT keys) {
    detail::SendVirtualKey(QEvent::KeyRelease, vk, keys);
}

void PressKey(UINT vk, UINT keys) {
    struct Modifier {
        UINT flag;
        UINT vk;
    };
    constexpr Modifier kModifiers[] = {
        {MK_CONTROL, VK_CONTROL}, {MK_SHIFT, VK_SHIFT}, {MK_ALT, VK_MENU}};
    // A modifier's own event carries the modifiers held before it, as the
    // window system reports them; Qt's event adds or drops the key's own.
    UINT held = 0;
    for (const Modifier& modifier : kModifiers) {
        if ((keys & modifier.flag) == 0) continue;
        KeyDown(modifier.vk, held);
        held |= modifier.flag;
    }
    KeyDown(vk, held);
    KeyUp(vk, held);
    for (auto it = std::rbegin(kModifiers); it != std::rend(kModifiers); ++it) {
        if ((keys & it->flag) == 0) continue;
        KeyUp(it->vk, held);
        held &= ~it->flag;
    }
}

void TypeText(LPCSTR text) {
    const QString unicode = detail::ToQt(text != nullptr ? text : "");
    for (const QChar c : unicode) {
        const QString typed(c);
        const bool letterOrDigit = c.unicode() < 0x80 && c.isLetterOrNumber();
        const int qtKey =
            letterOrDigit ? c.toUpper().unicode() : (c == QLatin1Char(' ') ? Qt::Key_Space : 0);
        const Qt::KeyboardModifiers modifiers = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        detail::SendKey(QEvent::KeyPress, qtKey, modifiers, typed);
        detail::SendKey(QEvent::KeyRelease, qtKey, modifiers, QString());
    }
}

bool ControlTextColor(HWND control, UINT nCtlColor, COLORREF* color) {
    detail::Window* window = detail::Window::FromHandle(control);
    if (window == nullptr || !window->IsChild() || color == nullptr) return false;
    const detail::ControlColors colors =
        detail::AskControlColors(*window, WM_CTLCOLORMSGBOX + nCtlColor, nullptr);
    if (!colors.textChosen) return false;
    *color = detail::FromQColor(colors.text);
    return true;
}

void ClickCloseBox(HWND hwnd) {
    const detail::Window* window = detail::Window::FromHandle(hwnd);
    if (window == nullptr || window->widget == nullptr) return;
    QCloseEvent event;
    QCoreApplication::sendEvent(window->widget->window(), &event);
}

bool SaveWindowImage(HWND hwnd, LPCSTR path) {
    const detail::Window* window = detail::Window::FromHandle(hwnd);
    if (window == nullptr || window->widget == nullptr || path == nullptr) return false;
    return window->widget->grab().save(QString::fromLocal8Bit(path), "PNG");
}

}  // namespace afx
