#include "DragInputFilter.h"

#include <QCoreApplication>
#include <QEvent>

namespace afx::detail {

namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

}  // namespace

DragInputFilter::DragInputFilter(std::function<void(const QEvent&)> onInput)
    : m_onInput(std::move(onInput)) {
    QCoreApplication::instance()->installEventFilter(this);
}

DragInputFilter::~DragInputFilter() {
    Stop();
}

void DragInputFilter::Stop() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool DragInputFilter::eventFilter(QObject* watched, QEvent* event) {
    // Widgets, not their native windows: the window still does its own bookkeeping of the
    // buttons, so that the press that started the drag does not outlive it.
    if (!watched->isWidgetType() || !IsUserInput(event->type())) return false;
    if (m_onInput) m_onInput(*event);
    // Accepted, so that it does not travel on to the parent widgets and come here again.
    event->accept();
    return true;
}

}  // namespace afx::detail
