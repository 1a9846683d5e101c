// The Qt side of a window: every widget that backs a window derives from
// Backed<SomeQtWidget>. Its event() hands Qt's input (mouse, keys, focus,
// close) to the message pump as window messages before Qt sees it; the
// default window procedure later lets the same Qt event reach the Qt base
// class, so Qt does the editing and drawing while every message handler and
// PreTranslateMessage sees the input first and may swallow it.
#pragma once

#include <QEvent>
#include <QWidget>

#include <functional>
#include <utility>

#include "Input.h"

namespace afx::detail {

class Window;

// Hands a Qt event to the widget's own Qt handling.
using QtHandler = std::function<bool(QEvent*)>;

// Turns one Qt input event of the window into messages and pumps them;
// returns false for events that are not input (those go to Qt directly).
bool TranslateInput(Window& window, QEvent* event, const QtHandler& qt);

// Ends a window whose widget Qt deleted on its own.
void WidgetGone(Window& window);

class BackedWidget {
public:
    explicit BackedWidget(Window& window) : m_window(&window) {}
    virtual ~BackedWidget() {
        if (m_window != nullptr) WidgetGone(*m_window);
    }
    BackedWidget(const BackedWidget&) = delete;
    BackedWidget& operator=(const BackedWidget&) = delete;

    Window* BackedWindow() const { return m_window; }
    void Detach() { m_window = nullptr; }
    // The widget whose coordinates are the window's client coordinates:
    // the viewport of a scroll area, the widget itself otherwise.
    virtual QWidget* ClientWidget() = 0;

protected:
    Window* m_window;
};

template <class Base>
class Backed : public Base, public BackedWidget {
public:
    template <class... Args>
    explicit Backed(Window& window, Args&&... args)
        : Base(std::forward<Args>(args)...), BackedWidget(window) {
        Base::setMouseTracking(true);  // windows see every mouse move, not only drags
    }
    QWidget* ClientWidget() override { return this; }

protected:
    bool event(QEvent* e) override {
        BusyScope busy(this);
        if (m_window != nullptr &&
            TranslateInput(*m_window, e, [this](QEvent* ev) { return Base::event(ev); })) {
            return true;
        }
        return Base::event(e);
    }
};

}  // namespace afx::detail
