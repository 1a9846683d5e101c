// A drag's input from the mouse and the keyboard.
#pragma once

#include <QEventLoop>
#include <QTimer>

#include <deque>

#include "DragInputFilter.h"
#include "DragSession.h"

namespace afx::detail {

class MouseDragInput : public DragInputSource {
public:
    // `keys` is the key state when the button went down; the drag delay, unless negative, is
    // counted from now.
    MouseDragInput(DWORD keys, int dragDelayMs);

    DragInput next() override;
    void endCapture() override;

private:
    void Translate(const QEvent& event);
    void Push(DragInput input);

    DWORD m_keys;
    std::deque<DragInput> m_pending;
    QEventLoop m_loop;
    QTimer m_delay;
    DragInputFilter m_filter;
};

}  // namespace afx::detail
