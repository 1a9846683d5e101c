// The "Static" window class: text (left, centred, right, centred
// vertically, sunken) and frames (black, etched) and rectangles.
#include <QPainter>
#include <QWidget>

#include "Backed.h"
#include "DialogManager.h"
#include "Gdi.h"
#include "Text.h"
#include "Window.h"
#include "WindowClass.h"

namespace afx::detail {
namespace {

QColor SysColor(int index) {
    return ToQColor(GetSysColor(index));
}

void DrawEtched(QPainter& painter, const QRect& r) {
    painter.setPen(SysColor(COLOR_BTNSHADOW));
    painter.drawRect(r.adjusted(0, 0, -2, -2));
    painter.setPen(SysColor(COLOR_BTNHIGHLIGHT));
    painter.drawRect(r.adjusted(1, 1, -1, -1));
}

void DrawSunken(QPainter& painter, const QRect& r) {
    painter.setPen(SysColor(COLOR_BTNSHADOW));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(SysColor(COLOR_BTNHIGHLIGHT));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

int TextFlags(DWORD style) {
    const DWORD type = style & SS_TYPEMASK;
    int flags = type == SS_CENTER  ? Qt::AlignHCenter
                : type == SS_RIGHT ? Qt::AlignRight
                                   : Qt::AlignLeft;
    if ((style & SS_CENTERIMAGE) != 0) {
        flags |= Qt::AlignVCenter | Qt::TextSingleLine;
    } else {
        flags |= Qt::AlignTop;
        if (type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) flags |= Qt::TextWordWrap;
    }
    if ((style & SS_NOPREFIX) == 0) flags |= Qt::TextShowMnemonic;
    return flags;
}

class StaticWidget : public Backed<QWidget> {
public:
    StaticWidget(Window& window, QWidget* parent) : Backed<QWidget>(window, parent) {
        // A static takes no mouse input unless it notifies: clicks reach what is under it.
        if ((window.style & SS_NOTIFY) == 0) setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (m_window == nullptr) return;
        const Window& window = *m_window;
        QPainter painter(this);
        const QRect r = rect();
        switch (window.style & SS_TYPEMASK) {
            case SS_BLACKFRAME:
                painter.setPen(Qt::black);
                painter.drawRect(r.adjusted(0, 0, -1, -1));
                return;
            case SS_GRAYFRAME:
                painter.setPen(SysColor(COLOR_BTNSHADOW));
                painter.drawRect(r.adjusted(0, 0, -1, -1));
                return;
            case SS_WHITEFRAME:
                painter.setPen(Qt::white);
                painter.drawRect(r.adjusted(0, 0, -1, -1));
                return;
            case SS_ETCHEDFRAME:
                DrawEtched(painter, r);
                return;
            case SS_ETCHEDHORZ:
                DrawEtched(painter, QRect(r.left(), r.top(), r.width(), 2));
                return;
            case SS_ETCHEDVERT:
                DrawEtched(painter, QRect(r.left(), r.top(), 2, r.height()));
                return;
            case SS_BLACKRECT:
                painter.fillRect(r, Qt::black);
                return;
            case SS_GRAYRECT:
                painter.fillRect(r, SysColor(COLOR_BTNSHADOW));
                return;
            case SS_WHITERECT:
                painter.fillRect(r, Qt::white);
                return;
            default:
                break;
        }
        const ControlColors colors = AskControlColors(*m_window, WM_CTLCOLORSTATIC, &painter);
        if (colors.fillBackground) painter.fillRect(r, colors.background);
        const QRect textRect = (window.style & SS_SUNKEN) != 0 ? r.adjusted(1, 1, -1, -1) : r;
        const QString text = ToQt(window.text);
        const int flags = TextFlags(window.style);
        painter.setFont(font());
        if (colors.opaqueText && !text.isEmpty()) {
            painter.fillRect(painter.boundingRect(textRect, flags, text) & textRect,
                             colors.textBackground);
        }
        painter.setPen(colors.text);
        painter.drawText(textRect, flags, text);
        if ((window.style & SS_SUNKEN) != 0) DrawSunken(painter, r.adjusted(0, 0, -1, -1));
    }
};

LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
            if (const Window* window = Window::FromHandle(hwnd);
                window != nullptr && window->widget != nullptr) {
                window->widget->update();
            }
            return result;
        }
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

const WindowClassRegistrar kStaticClass(WindowClass{
    "Static", &StaticProc,
    [](Window& window, QWidget* parent) -> QWidget* { return new StaticWidget(window, parent); },
    0});

}  // namespace
}  // namespace afx::detail
