// Helpers of the window layer's tests: hooks installed for one scope, and
// where to click a control.
#pragma once

#include <utility>

#include "afxautomation.h"
#include "afxwin.h"

class ScopedModalHook {
public:
    explicit ScopedModalHook(afx::ModalHook hook)
        : m_previous(afx::SetModalHook(std::move(hook))) {}
    ~ScopedModalHook() { afx::SetModalHook(std::move(m_previous)); }
    ScopedModalHook(const ScopedModalHook&) = delete;
    ScopedModalHook& operator=(const ScopedModalHook&) = delete;

private:
    afx::ModalHook m_previous;
};

class ScopedMessageBoxHandler {
public:
    explicit ScopedMessageBoxHandler(afx::MessageBoxHandler handler)
        : m_previous(afx::SetMessageBoxHandler(std::move(handler))) {}
    ~ScopedMessageBoxHandler() { afx::SetMessageBoxHandler(std::move(m_previous)); }
    ScopedMessageBoxHandler(const ScopedMessageBoxHandler&) = delete;
    ScopedMessageBoxHandler& operator=(const ScopedMessageBoxHandler&) = delete;

private:
    afx::MessageBoxHandler m_previous;
};

// The middle of a control, in its own client coordinates.
inline POINT Middle(HWND hwnd) {
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return POINT{rc.right / 2, rc.bottom / 2};
}
