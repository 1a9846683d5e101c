// The message loop's part of the system: every message that comes from the
// queue (input, posted messages, timers) goes through PumpMessage, which
// gives the framework its PreTranslateMessage pass before translation and
// dispatch, as GetMessage/TranslateMessage/DispatchMessage do.
#pragma once

#include "windows.h"

namespace afx::detail {

// Filters, translates and dispatches one message from the queue.
void PumpMessage(MSG& msg);
// Sends a queued message to its window procedure (a WM_TIMER with a timer
// procedure to that procedure).
LRESULT DispatchQueued(const MSG& msg);
// Notes a key-down whose key gives characters: its WM_CHAR messages follow
// the key-down through the pump.
void TranslateQueued(const MSG& msg);

// The framework's filter (CWnd::WalkPreTranslateTree from the message's
// window up to its top-level window); true when it swallowed the message.
bool PreTranslate(MSG& msg);

// Milliseconds since the system started, for MSG::time.
DWORD TickCount();
// The cursor position in screen coordinates.
POINT CursorPos();

// Queues a message for the window (or for no window); false without an application.
bool Post(const MSG& msg);
// Starts or restarts a timer of the window; 0 when it cannot run.
UINT_PTR StartTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
bool StopTimer(HWND hwnd, UINT_PTR id);

}  // namespace afx::detail
