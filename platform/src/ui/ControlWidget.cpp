#include "ControlWidget.h"

#include "Window.h"

#include <QFontMetrics>

namespace afx::detail {

ControlWidget::ControlWidget(Window& window, QWidget* parent)
    : Backed<QWidget>(window, parent), m_vbar(Qt::Vertical, this), m_hbar(Qt::Horizontal, this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_vbar.hide();
    m_hbar.hide();
    QObject::connect(&m_vbar, &QScrollBar::valueChanged,
                     [this](int value) { Scrolled(Qt::Vertical, value); });
    QObject::connect(&m_hbar, &QScrollBar::valueChanged,
                     [this](int value) { Scrolled(Qt::Horizontal, value); });
}

HWND ControlWidget::Hwnd() const { return m_window ? m_window->Handle() : nullptr; }

DWORD ControlWidget::Style() const { return m_window ? m_window->style : 0; }

LRESULT ControlWidget::Notify(UINT code, NMHDR& header) {
    HWND self = Hwnd();
    HWND parent = GetParent(self);
    if (!parent) return 0;
    header.hwndFrom = self;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(self));
    header.code = code;
    return SendMessage(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

QColor ControlWidget::SysColour(int index) {
    const COLORREF c = GetSysColor(index);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

ControlWidget* ControlWidget::Widget(HWND hwnd) {
    Window* window = Window::FromHandle(hwnd);
    return window ? dynamic_cast<ControlWidget*>(window->widget.data()) : nullptr;
}

int ControlWidget::LineWidth() const { return QFontMetrics(font()).averageCharWidth(); }

void ControlWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SyncScrollBars();
}

void ControlWidget::SyncScrollBars() {
    const bool allowed = !(Style() & TVS_NOSCROLL);  // LVS_NOSCROLL has the same value
    const int barWidth = m_vbar.sizeHint().width();
    const int barHeight = m_hbar.sizeHint().height();
    bool vertical = false, horizontal = false;
    // Each bar takes room from the other direction, so settle in a few passes.
    for (int pass = 0; pass < 3; ++pass) {
        m_clientWidth = std::max(0, width() - (vertical ? barWidth : 0));
        m_clientHeight = std::max(0, height() - (horizontal ? barHeight : 0));
        SetClientSize(m_clientWidth, m_clientHeight);
        const ScrollRanges r = Ranges();
        const bool v = allowed && r.vMax > 0, h = allowed && r.hMax > 0;
        if (v == vertical && h == horizontal) break;
        vertical = v;
        horizontal = h;
    }
    const ScrollRanges r = Ranges();
    const QSignalBlocker vBlock(&m_vbar), hBlock(&m_hbar);
    m_vbar.setVisible(vertical);
    m_hbar.setVisible(horizontal);
    m_vbar.setGeometry(m_clientWidth, 0, barWidth, m_clientHeight);
    m_hbar.setGeometry(0, m_clientHeight, m_clientWidth, barHeight);
    m_vbar.setRange(0, r.vMax);
    m_vbar.setPageStep(r.vPage);
    m_vbar.setValue(r.vValue);
    m_hbar.setRange(0, r.hMax);
    m_hbar.setPageStep(r.hPage);
    m_hbar.setSingleStep(LineWidth());
    m_hbar.setValue(r.hValue);
}

}  // namespace afx::detail
