// While a drag runs, the mouse and the keyboard belong to it: no window sees their events,
// as no window does while OLE's drag loop holds the capture on Windows.
#pragma once

#include <QObject>

#include <functional>

class QEvent;

namespace afx::detail {

class DragInputFilter : public QObject {
public:
    // `onInput` sees every mouse and keyboard event that the filter keeps from the windows.
    explicit DragInputFilter(std::function<void(const QEvent&)> onInput = {});
    ~DragInputFilter() override;

    // Gives the mouse and the keyboard back to the windows.
    void Stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QEvent&)> m_onInput;
};

}  // namespace afx::detail
