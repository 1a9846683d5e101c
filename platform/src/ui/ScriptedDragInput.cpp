#include "ScriptedDragInput.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QTimer>

namespace afx::detail {

namespace {

std::optional<std::vector<afx::DragStep>>& PendingPath() {
    static std::optional<std::vector<afx::DragStep>> path;
    return path;
}

void Rest(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

void ScriptedDragInput::SetPending(std::vector<afx::DragStep> path) {
    PendingPath() = std::move(path);
}

std::optional<std::vector<afx::DragStep>> ScriptedDragInput::TakePending() {
    return std::exchange(PendingPath(), std::nullopt);
}

bool ScriptedDragInput::Pending() {
    return PendingPath().has_value();
}

ScriptedDragInput::ScriptedDragInput(std::vector<afx::DragStep> path, int dragDelayMs)
    : m_path(std::move(path)), m_dragDelayMs(dragDelayMs) {}

DragInput ScriptedDragInput::next() {
    for (;;) {
        // What the application has to do before the mouse moves on: paint, posted messages,
        // timers that are due.
        QCoreApplication::processEvents();
        if (m_waitedMs >= m_dragDelayMs && m_dragDelayMs >= 0) {
            m_dragDelayMs = -1;
            return {DragInput::Kind::DelayElapsed};
        }
        if (m_next == m_path.size()) return {DragInput::Kind::Cancel};
        const afx::DragStep& step = m_path[m_next++];
        switch (step.kind) {
            case afx::DragStep::Kind::Move:
                // The cursor goes there too, for GetCursorPos and GetMessagePos.
                QCursor::setPos(step.point.x, step.point.y);
                return {DragInput::Kind::Move, step.point, m_keys};
            case afx::DragStep::Kind::Keys:
                m_keys = MK_LBUTTON | step.keys;
                return {DragInput::Kind::Keys, {}, m_keys};
            case afx::DragStep::Kind::Release:
                m_keys &= ~MK_LBUTTON;
                return {DragInput::Kind::Release, {}, m_keys};
            case afx::DragStep::Kind::Escape:
                return {DragInput::Kind::Escape};
            case afx::DragStep::Kind::Wait:
                Rest(static_cast<int>(step.milliseconds));
                m_waitedMs += static_cast<int>(step.milliseconds);
                break;
        }
    }
}

}  // namespace afx::detail
