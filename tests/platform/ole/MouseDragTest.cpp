// A drag made by the window system's mouse and keyboard, as a person makes it: a press on the
// source, moves over the targets, a modifier key, a release or Escape.
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "afxole.h"

namespace {

using Log = std::vector<std::string>;

class LogTarget : public COleDropTarget {
public:
    explicit LogTarget(Log& log) : m_log(log) {}
    DROPEFFECT OnDragEnter(CWnd*, COleDataObject*, DWORD keys, CPoint p) override {
        return Add("enter", keys, p);
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject*, DWORD keys, CPoint p) override {
        return Add("over", keys, p);
    }
    void OnDragLeave(CWnd*) override { m_log.push_back("leave"); }
    BOOL OnDrop(CWnd*, COleDataObject*, DROPEFFECT effect, CPoint p) override {
        Add("drop " + std::to_string(effect), 0, p);
        return TRUE;
    }

private:
    DROPEFFECT Add(const std::string& what, DWORD keys, CPoint p) {
        m_log.push_back(what + " " + std::to_string(p.x) + "," + std::to_string(p.y) + " k" +
                        std::to_string(keys));
        return DROPEFFECT_MOVE;
    }
    Log& m_log;
};

// Starts a drag when a press turns into one, as the tree and list controls do.
class SourceWnd : public CWnd {
public:
    explicit SourceWnd(Log& log) : m_log(log) {}

protected:
    afx_msg void OnLButtonDown(UINT, CPoint point) {
        ClientToScreen(&point);
        if (!DragDetect(m_hWnd, point)) {
            m_log.push_back("click");
            return;
        }
        COleDataSource source;
        m_log.push_back("result " + std::to_string(source.DoDragDrop(DROPEFFECT_MOVE)));
    }
    DECLARE_MESSAGE_MAP()

private:
    Log& m_log;
};

BEGIN_MESSAGE_MAP(SourceWnd, CWnd)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

const char* ClassName() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.lpszClassName = "MouseDragTestWindow";
        return ::RegisterClassA(&wc) != FALSE;
    }();
    return registered ? "MouseDragTestWindow" : nullptr;
}

// The source at screen (100,300), the target at (400,300), both 200 x 100. Every mouse event
// goes to the source's native window, as the implicit grab of the press has them; points are
// in its coordinates.
class MouseDrag : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_source.CreateEx(0, ClassName(), "source", WS_POPUP | WS_VISIBLE, 100, 300,
                                      200, 100, nullptr, nullptr));
        ASSERT_TRUE(m_target.CreateEx(0, ClassName(), "target", WS_POPUP | WS_VISIBLE, 400, 300,
                                      200, 100, nullptr, nullptr));
        ASSERT_TRUE(m_dropTarget.Register(&m_target));
        m_window = QGuiApplication::topLevelAt(QPoint(150, 350));
        ASSERT_NE(m_window, nullptr);
    }
    void TearDown() override {
        m_source.DestroyWindow();
        m_target.DestroyWindow();
    }

    // Presses at (20,20) of the source; the steps follow one by one from inside the loops
    // that the press runs, as the window system delivers them, and those left when the press
    // is over follow it.
    void PressAndThen(std::vector<std::function<void(QWindow*)>> steps) {
        m_steps = std::move(steps);
        m_next = 0;
        QTimer::singleShot(5, &m_timers, [this] { Next(); });
        QTest::mousePress(m_window, Qt::LeftButton, {}, QPoint(20, 20));
        while (m_next < m_steps.size()) m_steps[m_next++](m_window);
    }

    static std::function<void(QWindow*)> MoveTo(int x, int y) {
        return [x, y](QWindow* w) { QTest::mouseMove(w, QPoint(x, y)); };
    }
    static std::function<void(QWindow*)> ReleaseAt(int x, int y) {
        return [x, y](QWindow* w) { QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(x, y)); };
    }
    static std::function<void(QWindow*)> Key(QEvent::Type type, Qt::Key key) {
        return [type, key](QWindow* w) {
            if (type == QEvent::KeyPress)
                QTest::keyPress(w, key);
            else
                QTest::keyRelease(w, key);
        };
    }

    Log m_log;
    SourceWnd m_source{m_log};
    CWnd m_target;
    LogTarget m_dropTarget{m_log};

private:
    void Next() {
        if (m_next == m_steps.size()) return;
        m_steps[m_next++](m_window);
        QTimer::singleShot(5, &m_timers, [this] { Next(); });
    }

    QObject m_timers;  // ends the steps' timers with the test

    QWindow* m_window = nullptr;
    std::vector<std::function<void(QWindow*)>> m_steps;
    std::size_t m_next = 0;
};

TEST_F(MouseDrag, MovesKeysAndTheReleaseMakeTheDrag) {
    PressAndThen({MoveTo(22, 21), MoveTo(50, 50), MoveTo(350, 20),
                  Key(QEvent::KeyPress, Qt::Key_Control), MoveTo(360, 30),
                  Key(QEvent::KeyRelease, Qt::Key_Control), ReleaseAt(360, 30)});
    EXPECT_EQ(m_log, (Log{"enter 50,20 k1", "over 50,20 k9", "over 60,30 k9", "over 60,30 k1",
                          "over 60,30 k0", "drop 2 60,30 k0", "result 2"}));
}

TEST_F(MouseDrag, EscapeCancelsTheDrag) {
    // The button comes up after the drag is over, as a person lets go after Escape.
    PressAndThen({MoveTo(50, 50), MoveTo(350, 20), Key(QEvent::KeyPress, Qt::Key_Escape),
                  ReleaseAt(350, 20)});
    EXPECT_EQ(m_log, (Log{"enter 50,20 k1", "leave", "result 0"}));
}

TEST_F(MouseDrag, AReleaseBeforeTheCursorMovesFarIsAClick) {
    PressAndThen({MoveTo(22, 21), ReleaseAt(22, 21)});
    EXPECT_EQ(m_log, Log{"click"});
}

}  // namespace
