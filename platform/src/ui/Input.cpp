#include "Input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWheelEvent>
#include <QWidget>

#include <array>

#include "Backed.h"
#include "Pump.h"
#include "Text.h"
#include "Window.h"

namespace afx::detail {
namespace {

struct InputState {
    Qt::KeyboardModifiers modifiers;
    Qt::MouseButtons buttons;
    HWND focus = nullptr;  // the window that last received the focus
};

InputState& State() {
    static InputState state;
    return state;
}

// One Qt event being translated: the message whose default handling lets
// the event reach Qt, and the characters a key-down gives.
struct InputFrame {
    QEvent* event;
    const QtHandler* qt;
    HWND hwnd;
    UINT armed;
    bool passed = false;
    bool charsPending = false;
    HWND charTarget = nullptr;
    InputFrame* outer;
};

InputFrame*& Innermost() {
    static InputFrame* innermost = nullptr;
    return innermost;
}

class FrameScope {
public:
    FrameScope(QEvent* event, const QtHandler& qt, HWND hwnd, UINT armed)
        : m_frame{event, &qt, hwnd, armed, false, false, nullptr, Innermost()} {
        Innermost() = &m_frame;
    }
    ~FrameScope() { Innermost() = m_frame.outer; }
    FrameScope(const FrameScope&) = delete;
    FrameScope& operator=(const FrameScope&) = delete;
    InputFrame& frame() { return m_frame; }

private:
    InputFrame m_frame;
};

BusyScope*& BusyTop() {
    static BusyScope* top = nullptr;
    return top;
}

struct KeyName {
    UINT vk;
    int qtKey;
    char text;
};

constexpr std::array<KeyName, 19> kKeys{{
    {VK_BACK, Qt::Key_Backspace, '\b'},
    {VK_TAB, Qt::Key_Tab, '\t'},
    {VK_RETURN, Qt::Key_Return, '\r'},
    {VK_ESCAPE, Qt::Key_Escape, '\x1b'},
    {VK_SPACE, Qt::Key_Space, ' '},
    {VK_PRIOR, Qt::Key_PageUp, 0},
    {VK_NEXT, Qt::Key_PageDown, 0},
    {VK_END, Qt::Key_End, 0},
    {VK_HOME, Qt::Key_Home, 0},
    {VK_LEFT, Qt::Key_Left, 0},
    {VK_UP, Qt::Key_Up, 0},
    {VK_RIGHT, Qt::Key_Right, 0},
    {VK_DOWN, Qt::Key_Down, 0},
    {VK_INSERT, Qt::Key_Insert, 0},
    {VK_DELETE, Qt::Key_Delete, 0},
    {VK_SHIFT, Qt::Key_Shift, 0},
    {VK_CONTROL, Qt::Key_Control, 0},
    {VK_MENU, Qt::Key_Alt, 0},
    {VK_RETURN, Qt::Key_Enter, '\r'},
}};

// F1 to F24 run in order in both numberings.
constexpr int kFunctionKeys = 24;

WPARAM MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WPARAM keys = 0;
    if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) keys |= MK_CONTROL;
    return keys;
}

UINT MouseMessage(QEvent::Type type, Qt::MouseButton button) {
    if (type == QEvent::MouseMove) return WM_MOUSEMOVE;
    UINT down = 0;
    switch (button) {
        case Qt::LeftButton:
            down = WM_LBUTTONDOWN;
            break;
        case Qt::RightButton:
            down = WM_RBUTTONDOWN;
            break;
        case Qt::MiddleButton:
            down = WM_MBUTTONDOWN;
            break;
        default:
            return 0;
    }
    if (type == QEvent::MouseButtonRelease) return down + 1;
    if (type == QEvent::MouseButtonDblClick) return down + 2;
    return down;
}

// Pumps one message of a mouse or wheel event to its target; the buttons
// and modifiers it carries are the state from now on.
bool PumpPointer(QSinglePointEvent* event, const QtHandler& qt, HWND target, UINT message,
                 WORD high, QPoint point) {
    State().buttons = event->buttons();
    State().modifiers = event->modifiers();
    const QPoint global = event->globalPosition().toPoint();
    FrameScope scope(event, qt, target, message);
    MSG msg{target,
            message,
            MAKEWPARAM(MouseKeys(event->buttons(), event->modifiers()), high),
            MAKELPARAM(point.x(), point.y()),
            TickCount(),
            POINT{global.x(), global.y()}};
    PumpMessage(msg);
    event->accept();
    return true;
}

bool TranslateMouse(Window& window, QMouseEvent* event, const QtHandler& qt) {
    const UINT message = MouseMessage(event->type(), event->button());
    if (message == 0) return false;
    // A window that captured the mouse gets every mouse message, in its own coordinates.
    HWND target = window.Handle();
    QPoint local = event->position().toPoint();
    Window* capture = Window::FromHandle(GetCapture());
    if (capture != nullptr && capture != &window && capture->ClientWidget() != nullptr) {
        target = capture->Handle();
        local = capture->ClientWidget()->mapFromGlobal(event->globalPosition().toPoint());
    }
    return PumpPointer(event, qt, target, message, 0, local);
}

// The wheel goes to the window under the pointer, as Windows 10 and later
// send it by default ("scroll inactive windows"), or to the window that
// captured the mouse. Its point is in screen coordinates; a control that does
// not scroll passes it on to its parent (DefWindowProc).
bool TranslateWheel(Window& window, QWheelEvent* event, const QtHandler& qt) {
    const int delta = event->angleDelta().y();
    if (delta == 0) return false;
    const Window* capture = Window::FromHandle(GetCapture());
    const HWND target = capture != nullptr ? capture->Handle() : window.Handle();
    return PumpPointer(event, qt, target, WM_MOUSEWHEEL,
                       static_cast<WORD>(static_cast<SHORT>(delta)),
                       event->globalPosition().toPoint());
}

std::string CharsOf(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || text == QStringLiteral("\x7f")) return {};
    return FromQt(text);
}

bool TranslateKey(Window& window, QKeyEvent* event, const QtHandler& qt) {
    State().modifiers = event->modifiers();
    const bool down = event->type() == QEvent::KeyPress;
    const bool alt = (event->modifiers() & Qt::AltModifier) != 0;
    const UINT message = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
    UINT vk = VirtualKeyOf(event->key());
    const std::string chars = down ? CharsOf(*event) : std::string();
    if (vk == 0 && !chars.empty()) vk = VK_PROCESSKEY;
    LPARAM lParam = 1;
    if (!down || event->isAutoRepeat()) lParam |= LPARAM{1} << 30;
    if (!down) lParam |= LPARAM{1} << 31;
    const POINT pt = CursorPos();
    HWND hwnd = window.Handle();
    // Qt takes the event with the key-down, or with the key's last character.
    FrameScope scope(event, qt, hwnd, chars.empty() ? message : 0);
    InputFrame& frame = scope.frame();
    MSG msg{hwnd, message, vk, lParam, TickCount(), pt};
    PumpMessage(msg);
    if (frame.charsPending) {
        frame.hwnd = frame.charTarget;
        for (std::size_t i = 0; i < chars.size() && IsWindow(frame.charTarget); ++i) {
            if (i + 1 == chars.size()) frame.armed = alt ? WM_SYSCHAR : WM_CHAR;
            MSG charMsg{frame.charTarget,
                        alt ? static_cast<UINT>(WM_SYSCHAR) : static_cast<UINT>(WM_CHAR),
                        static_cast<BYTE>(chars[i]),
                        lParam,
                        TickCount(),
                        pt};
            PumpMessage(charMsg);
        }
    }
    event->accept();
    return true;
}

bool TranslateFocus(Window& window, QEvent* event, const QtHandler& qt) {
    HWND hwnd = window.Handle();
    const bool in = event->type() == QEvent::FocusIn;
    HWND other = in ? State().focus : GetFocus();
    if (in) State().focus = hwnd;
    if (!IsWindow(other) || other == hwnd) other = nullptr;
    const UINT message = in ? WM_SETFOCUS : WM_KILLFOCUS;
    FrameScope scope(event, qt, hwnd, message);
    SendMessageA(hwnd, message, reinterpret_cast<WPARAM>(other), 0);
    return true;
}

// A disabled window takes no input. A disabled top-level window's (one
// behind a modal dialog) is dropped; a disabled control's goes on to its
// parent, as Qt passes it up.
bool TakesInput(const Window& window) {
    return window.enabled && (window.widget == nullptr || window.widget->isEnabled());
}

}  // namespace

bool TranslateInput(Window& window, QEvent* event, const QtHandler& qt) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            if (!window.TopLevel().enabled) return true;
            if (!TakesInput(window)) return false;
            return TranslateMouse(window, static_cast<QMouseEvent*>(event), qt);
        case QEvent::Wheel:
            if (!window.TopLevel().enabled) return true;
            if (!TakesInput(window)) return false;
            return TranslateWheel(window, static_cast<QWheelEvent*>(event), qt);
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (!window.TopLevel().enabled) return true;
            if (!TakesInput(window)) return false;
            return TranslateKey(window, static_cast<QKeyEvent*>(event), qt);
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            return TranslateFocus(window, event, qt);
        case QEvent::Close: {
            // The close box asks the window, whose WM_CLOSE decides.
            event->ignore();
            FrameScope scope(event, qt, window.Handle(), 0);
            SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
            return true;
        }
        default:
            return false;
    }
}

void TranslateQueued(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return;
    for (InputFrame* frame = Innermost(); frame != nullptr; frame = frame->outer) {
        if (frame->event->type() == QEvent::KeyPress && !frame->charsPending) {
            frame->charsPending = true;
            frame->charTarget = msg.hwnd;
            return;
        }
    }
}

bool PassInputToQt(HWND hwnd, UINT message) {
    for (InputFrame* frame = Innermost(); frame != nullptr; frame = frame->outer) {
        if (!frame->passed && frame->armed == message && frame->hwnd == hwnd) {
            frame->passed = true;
            (*frame->qt)(frame->event);
            return true;
        }
    }
    return false;
}

bool IsInputMessage(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_KEYFIRST && message <= WM_KEYLAST) || message == WM_SETFOCUS ||
           message == WM_KILLFOCUS;
}

BusyScope::BusyScope(QWidget* widget) : m_widget(widget), m_outer(BusyTop()) {
    BusyTop() = this;
}

BusyScope::~BusyScope() {
    BusyTop() = m_outer;
}

bool BusyScope::IsBusy(const QWidget* widget) {
    for (const BusyScope* scope = BusyTop(); scope != nullptr; scope = scope->m_outer) {
        if (scope->m_widget == widget || widget->isAncestorOf(scope->m_widget)) return true;
    }
    return false;
}

KeyInfo QtKeyOf(UINT vk, bool shift) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) {
        const QChar c = QChar(static_cast<char16_t>(vk));
        return KeyInfo{static_cast<int>(vk),
                       shift || !c.isLetter() ? QString(c) : QString(c.toLower())};
    }
    if (vk >= VK_F1 && vk < VK_F1 + kFunctionKeys) {
        return KeyInfo{Qt::Key_F1 + static_cast<int>(vk - VK_F1), QString()};
    }
    for (const KeyName& key : kKeys) {
        if (key.vk == vk)
            return KeyInfo{key.qtKey, key.text != 0 ? QString(QChar(key.text)) : QString()};
    }
    return KeyInfo{0, QString()};
}

UINT VirtualKeyOf(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return static_cast<UINT>(qtKey);
    }
    if (qtKey == Qt::Key_Backtab) return VK_TAB;
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeys) {
        return VK_F1 + static_cast<UINT>(qtKey - Qt::Key_F1);
    }
    for (const KeyName& key : kKeys) {
        if (key.qtKey == qtKey) return key.vk;
    }
    return 0;
}

Qt::KeyboardModifiers CurrentModifiers() {
    return State().modifiers;
}

Qt::MouseButtons CurrentButtons() {
    return State().buttons;
}

}  // namespace afx::detail

SHORT GetKeyState(int nVirtKey) {
    using namespace afx::detail;
    bool down = false;
    switch (nVirtKey) {
        case VK_SHIFT:
            down = (CurrentModifiers() & Qt::ShiftModifier) != 0;
            break;
        case VK_CONTROL:
            down = (CurrentModifiers() & Qt::ControlModifier) != 0;
            break;
        case VK_MENU:
            down = (CurrentModifiers() & Qt::AltModifier) != 0;
            break;
        case VK_LBUTTON:
            down = (CurrentButtons() & Qt::LeftButton) != 0;
            break;
        case VK_RBUTTON:
            down = (CurrentButtons() & Qt::RightButton) != 0;
            break;
        case VK_MBUTTON:
            down = (CurrentButtons() & Qt::MiddleButton) != 0;
            break;
        default:
            break;
    }
    return down ? static_cast<SHORT>(0x8000) : 0;
}

SHORT GetAsyncKeyState(int vKey) {
    return GetKeyState(vKey);
}

// The desktop's own settings, so that a double click and a wheel notch mean
// here what they mean to every other program on the display; the system's
// defaults before there is an application.
UINT GetDoubleClickTime() {
    if (QCoreApplication::instance() == nullptr) return 500;
    return static_cast<UINT>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

BOOL SystemParametersInfoA(UINT uiAction, UINT, LPVOID pvParam, UINT) {
    if (uiAction != SPI_GETWHEELSCROLLLINES || pvParam == nullptr) return FALSE;
    const bool app = QCoreApplication::instance() != nullptr;
    *static_cast<UINT*>(pvParam) = app ? static_cast<UINT>(QApplication::wheelScrollLines()) : 3;
    return TRUE;
}
