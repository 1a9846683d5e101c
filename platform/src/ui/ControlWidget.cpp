#include "ControlWidget.h"

#include "ImageSet.h"
#include "Window.h"

#include <QFontMetrics>

#include <algorithm>

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

HWND ControlWidget::Hwnd() const {
    return m_window ? m_window->Handle() : nullptr;
}

DWORD ControlWidget::Style() const {
    return m_window ? m_window->style : 0;
}

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

bool ControlWidget::CommonMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND hwnd = Hwnd();
    result = 0;
    switch (message) {
        case WM_VSCROLL:
        case WM_HSCROLL: {
            // Vertical positions count rows, horizontal ones pixels.
            const bool vertical = message == WM_VSCROLL;
            const ScrollRanges r = Ranges();
            const int line = vertical ? 1 : LineWidth();
            const int page = vertical ? r.vPage : r.hPage;
            const int now = vertical ? r.vValue : r.hValue;
            int to = now;
            switch (LOWORD(wParam)) {
                case SB_LINEUP:  // SB_LINELEFT
                    to = now - line;
                    break;
                case SB_LINEDOWN:  // SB_LINERIGHT
                    to = now + line;
                    break;
                case SB_PAGEUP:
                    to = now - page;
                    break;
                case SB_PAGEDOWN:
                    to = now + page;
                    break;
                case SB_THUMBPOSITION:
                case SB_THUMBTRACK:
                    to = static_cast<int>(HIWORD(wParam));
                    break;
                case SB_TOP:
                    to = 0;
                    break;
                case SB_BOTTOM:
                    to = vertical ? r.vMax : r.hMax;
                    break;
                default:
                    break;
            }
            Scrolled(vertical ? Qt::Vertical : Qt::Horizontal,
                     std::clamp(to, 0, vertical ? r.vMax : r.hMax));
            SyncScrollBars();
            return true;
        }
        case WM_MOUSEWHEEL: {
            // Each notch scrolls the system's wheel lines (a page for
            // WHEEL_PAGESCROLL); finer wheels add up until they make a row.
            UINT lines = 3;
            SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
            const ScrollRanges r = Ranges();
            const int perNotch =
                lines == WHEEL_PAGESCROLL ? r.vPage : static_cast<int>(std::min<UINT>(lines, 1000));
            m_wheelRemainder += GET_WHEEL_DELTA_WPARAM(wParam) * perNotch;
            const int rows = m_wheelRemainder / WHEEL_DELTA;
            m_wheelRemainder -= rows * WHEEL_DELTA;
            if (rows != 0) {
                Scrolled(Qt::Vertical, std::clamp(r.vValue - rows, 0, r.vMax));
                SyncScrollBars();
            }
            return true;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MOUSEMOVE:
        case WM_CHAR:
            return true;
        case WM_GETDLGCODE:
            result = DLGC_WANTARROWS | DLGC_WANTCHARS;
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            update();  // the selection changes colour with the focus
            NMHDR header{};
            Notify(message == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS, header);
            result = DefWindowProc(hwnd, message, wParam, lParam);
            return true;
        }
        case WM_SIZE:
            Changed();
            result = DefWindowProc(hwnd, message, wParam, lParam);
            return true;
        case WM_SETFONT:
            result = DefWindowProc(hwnd, message, wParam, lParam);
            UpdateMetrics();
            Changed();
            return true;
        default:
            return false;
    }
}

int ControlWidget::ScrollPos(int bar) const {
    const QScrollBar* scrollBar = bar == SB_VERT ? &m_vbar : bar == SB_HORZ ? &m_hbar : nullptr;
    return scrollBar != nullptr && !scrollBar->isHidden() ? scrollBar->value() : 0;
}

int ControlWidget::LineWidth() const {
    return QFontMetrics(font()).averageCharWidth();
}

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

ControlWidget::ImageMetrics ControlWidget::MeasureImages(HIMAGELIST stateImages,
                                                         HIMAGELIST images) {
    ImageMetrics metrics;
    if (const ImageSet* list = ImageSet::FromHandle(stateImages)) {
        metrics.stateWidth = list->Width();
        metrics.height = list->Height();
    }
    if (const ImageSet* list = ImageSet::FromHandle(images)) {
        metrics.imageWidth = list->Width();
        metrics.height = std::max(metrics.height, list->Height());
    }
    return metrics;
}

}  // namespace afx::detail

// The tree and the list are the only windows with scroll bars; the bars' values
// are the controls' own units, rows down and pixels across.
int GetScrollPos(HWND hWnd, int nBar) {
    const auto* control = afx::detail::ControlWidget::Of<afx::detail::ControlWidget>(hWnd);
    return control != nullptr ? control->ScrollPos(nBar) : 0;
}
