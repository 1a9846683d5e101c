// The "Button" window class: push buttons, default push buttons, check
// boxes, group boxes and owner-drawn buttons.
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "Backed.h"
#include "DialogManager.h"
#include "Gdi.h"
#include "Text.h"
#include "Window.h"
#include "WindowClass.h"

namespace afx::detail {
namespace {

DWORD TypeOf(const Window& window) {
    return window.style & BS_TYPEMASK;
}

bool IsCheckBox(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

void NotifyClicked(HWND hwnd) {
    const Window* window = Window::FromHandle(hwnd);
    if (window == nullptr || !window->IsChild()) return;
    SendMessageA(window->parent->Handle(), WM_COMMAND, MAKEWPARAM(window->id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd));
}

class PushButton : public Backed<QPushButton> {
public:
    PushButton(Window& window, QWidget* parent) : Backed<QPushButton>(window, parent) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        if (m_window == nullptr) return;
        Window& window = *m_window;
        if (TypeOf(window) != BS_OWNERDRAW) {
            QPainter painter(this);
            const ControlColors colors = AskControlColors(window, WM_CTLCOLORBTN, &painter);
            if (colors.fillBackground) painter.fillRect(rect(), colors.background);
            painter.end();
            QPushButton::paintEvent(event);
            return;
        }
        // An owner-drawn button is drawn by its parent (or, reflected, by itself).
        QPainter painter(this);
        painter.setFont(font());
        DeviceContext dc(&painter);
        dc.font = window.font;
        UINT state = 0;
        if (isDown()) state |= ODS_SELECTED;
        if (hasFocus()) state |= ODS_FOCUS;
        if (!isEnabled()) state |= ODS_DISABLED;
        DRAWITEMSTRUCT item{ODT_BUTTON, window.id,       0,           ODA_DRAWENTIRE,
                            state,      window.Handle(), dc.Handle(), RECT{0, 0, width(), height()},
                            0};
        if (window.IsChild()) {
            SendMessageA(window.parent->Handle(), WM_DRAWITEM, window.id,
                         reinterpret_cast<LPARAM>(&item));
        }
    }
};

class CheckBox : public Backed<QCheckBox> {
public:
    CheckBox(Window& window, QWidget* parent) : Backed<QCheckBox>(window, parent) {}

protected:
    void nextCheckState() override {
        // Only an automatic check box ticks itself when clicked.
        if (m_window != nullptr && TypeOf(*m_window) == BS_AUTOCHECKBOX)
            QCheckBox::nextCheckState();
    }
    // The whole window takes the click, not only the box and its text.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent*) override {
        if (m_window == nullptr) return;
        QStylePainter painter(this);
        const ControlColors colors = AskControlColors(*m_window, WM_CTLCOLORSTATIC, &painter);
        if (colors.fillBackground) painter.fillRect(rect(), colors.background);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.palette.setColor(QPalette::WindowText, colors.text);
        option.palette.setColor(QPalette::ButtonText, colors.text);
        painter.drawControl(QStyle::CE_CheckBox, option);
    }
};

class GroupBox : public Backed<QGroupBox> {
public:
    GroupBox(Window& window, QWidget* parent) : Backed<QGroupBox>(window, parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
};

QWidget* MakeButton(Window& window, QWidget* parent) {
    const DWORD type = TypeOf(window);
    const QString text = ToQt(window.text);
    if (type == BS_GROUPBOX) {
        auto* box = new GroupBox(window, parent);
        box->setTitle(text);
        return box;
    }
    QAbstractButton* button = nullptr;
    if (IsCheckBox(type)) {
        button = new CheckBox(window, parent);
    } else {
        auto* push = new PushButton(window, parent);
        push->setDefault(type == BS_DEFPUSHBUTTON);
        button = push;
    }
    button->setText(text);
    const HWND hwnd = window.Handle();
    QObject::connect(button, &QAbstractButton::clicked, [hwnd] { NotifyClicked(hwnd); });
    return button;
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = Window::FromHandle(hwnd);
    auto* button =
        window != nullptr ? qobject_cast<QAbstractButton*>(window->widget.data()) : nullptr;
    const DWORD type = window != nullptr ? TypeOf(*window) : 0;
    switch (message) {
        case WM_GETDLGCODE:
            if (type == BS_GROUPBOX) return DLGC_STATIC;
            if (IsCheckBox(type)) return DLGC_BUTTON;
            return DLGC_BUTTON |
                   (type == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
            if (button != nullptr) button->setText(ToQt(window->text));
            if (auto* box = qobject_cast<QGroupBox*>(window->widget.data()))
                box->setTitle(ToQt(window->text));
            return result;
        }
        case BM_GETCHECK:
            return button != nullptr && button->isCheckable() && button->isChecked()
                       ? BST_CHECKED
                       : BST_UNCHECKED;
        case BM_SETCHECK:
            if (button != nullptr && button->isCheckable())
                button->setChecked(wParam == BST_CHECKED);
            return 0;
        case BM_GETSTATE: {
            if (button == nullptr) return 0;
            LRESULT state =
                button->isCheckable() && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
            if (button->isDown()) state |= BST_PUSHED;
            if (button->hasFocus()) state |= BST_FOCUS;
            return state;
        }
        case BM_SETSTATE:
            if (button != nullptr) button->setDown(wParam != 0);
            return 0;
        case BM_SETSTYLE:
            window->style = (window->style & ~0xFFFFu) | LOWORD(wParam);
            if (auto* push = qobject_cast<QPushButton*>(button))
                push->setDefault(TypeOf(*window) == BS_DEFPUSHBUTTON);
            if (button != nullptr && lParam != 0) button->update();
            return 0;
        case BM_CLICK:
            if (button != nullptr) button->click();
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

const WindowClassRegistrar kButtonClass(WindowClass{"Button", &ButtonProc, &MakeButton,
                                                    CS_DBLCLKS});

}  // namespace
}  // namespace afx::detail
