// Waiting for a press to become a drag, as the controls do before they
// report TVN_BEGINDRAG or LVN_BEGINDRAG.
#include "windows.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <cstdlib>

namespace {

// How far the mouse moves from the press, either way, before it drags.
constexpr int kDragDistance = 4;

class DragWatcher : public QObject {
public:
    DragWatcher(POINT pt, QEventLoop& loop) : m_pt(pt), m_loop(loop) {}
    bool dragged = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseMove: {
                const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
                if (std::abs(at.x() - m_pt.x) > kDragDistance ||
                    std::abs(at.y() - m_pt.y) > kDragDistance) {
                    dragged = true;
                    m_loop.quit();
                }
                return true;
            }
            case QEvent::MouseButtonRelease:
                m_loop.quit();
                return true;
            case QEvent::KeyPress:
                if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) m_loop.quit();
                return true;
            default:
                return false;
        }
    }

private:
    POINT m_pt;
    QEventLoop& m_loop;
};

}  // namespace

BOOL DragDetect(HWND, POINT pt) {
    // Without the button down (input that was only ever sent, not pressed)
    // no drag can follow.
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) return FALSE;
    QEventLoop loop;
    DragWatcher watcher(pt, loop);
    qApp->installEventFilter(&watcher);
    loop.exec();
    qApp->removeEventFilter(&watcher);
    return watcher.dragged ? TRUE : FALSE;
}
