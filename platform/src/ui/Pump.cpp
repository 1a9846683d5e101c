#include "Pump.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimerEvent>

#include <map>

#include "Window.h"

namespace afx::detail {
namespace {

struct Retrieved {
    POINT pt{0, 0};
    DWORD time = 0;
};

Retrieved& LastRetrieved() {
    static Retrieved last;
    return last;
}

class PostedMessage : public QEvent {
public:
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 0x3a1);
    explicit PostedMessage(const MSG& msg) : QEvent(kType), msg(msg) {}
    MSG msg;
};

struct TimerEntry {
    HWND hwnd;
    UINT_PTR id;
    TIMERPROC proc;
};

// The receiver of posted messages and owner of window timers: one object, so
// that a timer killed or a window destroyed from inside its own message
// leaves no Qt object half-deleted.
class Queue : public QObject {
public:
    std::map<int, TimerEntry> timers;

protected:
    void customEvent(QEvent* event) override {
        if (event->type() != PostedMessage::kType) return;
        MSG msg = static_cast<PostedMessage*>(event)->msg;
        if (msg.hwnd != nullptr && Window::FromHandle(msg.hwnd) == nullptr) return;
        msg.time = TickCount();
        msg.pt = CursorPos();
        PumpMessage(msg);
    }
    void timerEvent(QTimerEvent* event) override {
        auto it = timers.find(event->timerId());
        if (it == timers.end()) return;
        const TimerEntry entry = it->second;
        MSG msg{entry.hwnd,  WM_TIMER,   entry.id, reinterpret_cast<LPARAM>(entry.proc),
                TickCount(), CursorPos()};
        PumpMessage(msg);
    }
};

Queue* TheQueue() {
    if (QCoreApplication::instance() == nullptr) return nullptr;
    static Queue queue;
    return &queue;
}

}  // namespace

void PumpMessage(MSG& msg) {
    LastRetrieved() = Retrieved{msg.pt, msg.time};
    if (PreTranslate(msg)) return;
    TranslateQueued(msg);
    DispatchQueued(msg);
}

LRESULT DispatchQueued(const MSG& msg) {
    if (msg.message == WM_TIMER && msg.lParam != 0) {
        reinterpret_cast<TIMERPROC>(msg.lParam)(msg.hwnd, WM_TIMER, msg.wParam, msg.time);
        return 0;
    }
    return SendMessageA(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

DWORD TickCount() {
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return static_cast<DWORD>(clock.elapsed());
}

POINT CursorPos() {
    const QPoint pos = QCursor::pos();
    return POINT{pos.x(), pos.y()};
}

bool Post(const MSG& msg) {
    Queue* queue = TheQueue();
    if (queue == nullptr) return false;
    QCoreApplication::postEvent(queue, new PostedMessage(msg));
    return true;
}

UINT_PTR StartTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    Window* window = Window::FromHandle(hwnd);
    Queue* queue = TheQueue();
    if (window == nullptr || queue == nullptr) return 0;
    StopTimer(hwnd, id);
    const int qtId = queue->startTimer(static_cast<int>(elapse));
    if (qtId == 0) return 0;
    queue->timers.emplace(qtId, TimerEntry{hwnd, id, proc});
    window->timers[id] = qtId;
    return id;
}

bool StopTimer(HWND hwnd, UINT_PTR id) {
    Window* window = Window::FromHandle(hwnd);
    Queue* queue = TheQueue();
    if (window == nullptr || queue == nullptr) return false;
    auto it = window->timers.find(id);
    if (it == window->timers.end()) return false;
    queue->killTimer(it->second);
    queue->timers.erase(it->second);
    window->timers.erase(it);
    return true;
}

}  // namespace afx::detail

DWORD GetMessagePos() {
    const POINT pt = afx::detail::LastRetrieved().pt;
    return static_cast<DWORD>(MAKELONG(pt.x, pt.y));
}

LONG GetMessageTime() {
    return static_cast<LONG>(afx::detail::LastRetrieved().time);
}

BOOL TranslateMessage(const MSG* lpMsg) {
    if (lpMsg == nullptr) return FALSE;
    afx::detail::TranslateQueued(*lpMsg);
    const UINT message = lpMsg->message;
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

LRESULT DispatchMessageA(const MSG* lpMsg) {
    return lpMsg == nullptr ? 0 : afx::detail::DispatchQueued(*lpMsg);
}

BOOL PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (hWnd != nullptr && !IsWindow(hWnd)) return FALSE;
    return afx::detail::Post(MSG{hWnd, Msg, wParam, lParam, 0, {0, 0}}) ? TRUE : FALSE;
}

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
    return afx::detail::StartTimer(hWnd, nIDEvent, uElapse, lpTimerFunc);
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
    return afx::detail::StopTimer(hWnd, uIDEvent) ? TRUE : FALSE;
}

BOOL GetCursorPos(LPPOINT lpPoint) {
    if (lpPoint == nullptr) return FALSE;
    *lpPoint = afx::detail::CursorPos();
    return TRUE;
}

BOOL SetCursorPos(int X, int Y) {
    QCursor::setPos(X, Y);
    return TRUE;
}
