#include "MouseDragInput.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "windows.h"

namespace afx::detail {

namespace {

DWORD ModifierFlag(int key) {
    switch (key) {
        case Qt::Key_Control:
            return MK_CONTROL;
        case Qt::Key_Shift:
            return MK_SHIFT;
        case Qt::Key_Alt:
            return MK_ALT;
        default:
            return 0;
    }
}

}  // namespace

MouseDragInput::MouseDragInput(DWORD keys, int dragDelayMs)
    : m_keys(keys), m_filter([this](const QEvent& event) { Translate(event); }) {
    m_delay.setSingleShot(true);
    QObject::connect(&m_delay, &QTimer::timeout, [this] { Push({DragInput::Kind::DelayElapsed}); });
    if (dragDelayMs >= 0) m_delay.start(dragDelayMs);
}

DragInput MouseDragInput::next() {
    while (m_pending.empty()) m_loop.exec();
    const DragInput input = m_pending.front();
    m_pending.pop_front();
    return input;
}

void MouseDragInput::endCapture() {
    m_filter.Stop();
    m_delay.stop();
}

void MouseDragInput::Push(DragInput input) {
    m_pending.push_back(input);
    m_loop.quit();
}

void MouseDragInput::Translate(const QEvent& event) {
    switch (event.type()) {
        case QEvent::MouseMove: {
            const QPoint pos = static_cast<const QMouseEvent&>(event).globalPosition().toPoint();
            Push({DragInput::Kind::Move, {pos.x(), pos.y()}, m_keys});
            break;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton) {
                m_keys &= ~MK_LBUTTON;
                Push({DragInput::Kind::Release, {}, m_keys});
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // The other button cancels the drag, as the default drop source has it.
            if (static_cast<const QMouseEvent&>(event).button() != Qt::LeftButton)
                Push({DragInput::Kind::Cancel});
            break;
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto& key = static_cast<const QKeyEvent&>(event);
            if (key.isAutoRepeat()) break;
            if (key.type() == QEvent::KeyPress && key.key() == Qt::Key_Escape) {
                Push({DragInput::Kind::Escape});
            } else if (const DWORD flag = ModifierFlag(key.key()); flag != 0) {
                m_keys = key.type() == QEvent::KeyPress ? m_keys | flag : m_keys & ~flag;
                Push({DragInput::Kind::Keys, {}, m_keys});
            }
            break;
        }
        default:
            break;
    }
}

}  // namespace afx::detail
