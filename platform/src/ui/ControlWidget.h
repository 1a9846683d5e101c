// What the tree-view and list-view widgets share: the window they back,
// notifications to the parent, the system colours they paint with and the
// scroll bars that appear when the content does not fit.
#pragma once

#include "Backed.h"

#include <commctrl.h>

#include <QColor>
#include <QScrollBar>
#include <QWidget>

#include <string>

namespace afx::detail {

class ControlWidget : public Backed<QWidget> {
public:
    ControlWidget(Window& window, QWidget* parent);

    HWND Hwnd() const;
    DWORD Style() const;
    // Sends WM_NOTIFY with this control as the sender; 0 without a parent.
    LRESULT Notify(UINT code, NMHDR& header);
    int ClientWidth() const { return m_clientWidth; }
    int ClientHeight() const { return m_clientHeight; }

    static QColor SysColour(int index);
    // Where a shown scroll bar stands (SB_HORZ or SB_VERT); 0 for a hidden one.
    int ScrollPos(int bar) const;
    // The control's own widget for the window behind the handle, or null when
    // the handle names no window of class T.
    template <class T>
    static T* Of(HWND hwnd);

protected:
    struct ScrollRanges {
        int vMax = 0;  // positions run from 0 to max; page is what one screen shows
        int vPage = 1;
        int vValue = 0;
        int hMax = 0;
        int hPage = 1;
        int hValue = 0;
    };
    // What a control's state images and normal (or small) images take: the
    // width of each, 0 without the list, and the taller height of the two.
    struct ImageMetrics {
        int stateWidth = 0;
        int imageWidth = 0;
        int height = 0;
    };
    static ImageMetrics MeasureImages(HIMAGELIST stateImages, HIMAGELIST images);
    // Recomputes the client area, showing a scroll bar only where the content
    // overflows, and sets the bars' ranges from the control's state.
    void SyncScrollBars();
    // The control takes its client size and reports where it is scrolled to.
    virtual void SetClientSize(int width, int height) = 0;
    virtual ScrollRanges Ranges() const = 0;
    // A scroll bar was moved by the user.
    virtual void Scrolled(Qt::Orientation orientation, int value) = 0;
    // The size of one line for WM_HSCROLL line scrolling, in pixels.
    int LineWidth() const;
    // Rows or sizes changed: lay out again, set the scroll bars, repaint.
    virtual void Changed() = 0;
    // The font or the image lists changed: measure rows again.
    virtual void UpdateMetrics() = 0;
    // The messages both controls answer alike: scrolling, focus, size, font
    // and the input they ignore. False for any other message.
    bool CommonMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    void resizeEvent(QResizeEvent* event) override;

private:
    static ControlWidget* Widget(HWND hwnd);

    QScrollBar m_vbar;
    QScrollBar m_hbar;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    int m_wheelRemainder = 0;  // rows times WHEEL_DELTA not yet scrolled
};

template <class T>
T* ControlWidget::Of(HWND hwnd) {
    return dynamic_cast<T*>(Widget(hwnd));
}

}  // namespace afx::detail
