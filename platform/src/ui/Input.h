// Qt input in window messages, and back: the translation that Backed widgets
// run, the default handling that hands a translated event to Qt, the keys'
// virtual-key codes, and the keyboard and mouse state that GetKeyState reports.
#pragma once

#include <QString>
#include <Qt>

#include "windows.h"

class QWidget;

namespace afx::detail {

// DefWindowProc's handling of an input message: the Qt event it came from
// reaches the widget's Qt base class, once. False when the message came from
// no Qt event (it was sent by code) or the event went to Qt already.
bool PassInputToQt(HWND hwnd, UINT message);
bool IsInputMessage(UINT message);

// While a widget runs its event(), deleting it would pull it from under Qt;
// a window destroyed then has its widget deleted later.
class BusyScope {
public:
    explicit BusyScope(QWidget* widget);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    static bool IsBusy(const QWidget* widget);  // the widget or one inside it

private:
    QWidget* m_widget;
    BusyScope* m_outer;
};

struct KeyInfo {
    int qtKey;
    QString text;  // what the key types without modifiers, empty for none
};
// The Qt key of a virtual key (with Shift for the letters' capitals).
KeyInfo QtKeyOf(UINT vk, bool shift);
UINT VirtualKeyOf(int qtKey);

// The modifiers and mouse buttons of the last input event.
Qt::KeyboardModifiers CurrentModifiers();
Qt::MouseButtons CurrentButtons();

}  // namespace afx::detail
