// Drags driven by scripted paths over real windows with logging drop targets: the calls a
// drop target receives, in order and in its own client coordinates, the effects, and the
// registration of targets.
#include <QGuiApplication>
#include <QCursor>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxautomation.h"
#include "afxole.h"

namespace {

using Log = std::vector<std::string>;

std::string Point(CPoint p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

// Logs every call with the client point and the key state, and answers `answer`.
class LoggingTarget : public COleDropTarget {
public:
    LoggingTarget(std::string name, Log& log) : m_name(std::move(name)), m_log(log) {}

    DROPEFFECT answer = DROPEFFECT_COPY;
    LONG scrollZone = 0;  // rows at the top where the target scrolls

    DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD keys, CPoint p) override {
        Check(pWnd);
        if (p.y >= scrollZone) return DROPEFFECT_NONE;
        Add("scroll " + Point(p) + " k" + std::to_string(keys));
        return DROPEFFECT_SCROLL | answer;
    }

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pData, DWORD keys, CPoint p) override {
        Check(pWnd, pData);
        Add("enter " + Point(p) + " k" + std::to_string(keys));
        return answer;
    }
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pData, DWORD keys, CPoint p) override {
        Check(pWnd, pData);
        Add("over " + Point(p) + " k" + std::to_string(keys));
        return answer;
    }
    void OnDragLeave(CWnd* pWnd) override {
        Check(pWnd);
        Add("leave");
    }
    DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pData, DROPEFFECT dropDefault,
                        DROPEFFECT dropList, CPoint p) override {
        Check(pWnd, pData);
        Add("dropex " + std::to_string(dropDefault) + " " + std::to_string(dropList));
        return COleDropTarget::OnDropEx(pWnd, pData, dropDefault, dropList, p);
    }
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pData, DROPEFFECT effect, CPoint p) override {
        Check(pWnd, pData);
        Add("drop " + std::to_string(effect) + " " + Point(p));
        return TRUE;
    }

private:
    // Every call names the window this target serves; all but a leave carry the drag's data.
    void Check(CWnd* pWnd) { EXPECT_EQ(pWnd->GetSafeHwnd(), m_hWnd) << m_name; }
    void Check(CWnd* pWnd, COleDataObject* pData) {
        Check(pWnd);
        EXPECT_NE(pData, nullptr) << m_name;
    }
    void Add(const std::string& what) { m_log.push_back(m_name + " " + what); }

    std::string m_name;
    Log& m_log;
};

constexpr char kClassName[] = "OleDragDropTestWindow";

void RegisterTestClass() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.lpszClassName = kClassName;
    ::RegisterClassA(&wc);
}

// Two frameless windows: A at screen (100,100), B at (400,100), both 200 x 100, each with a
// logging drop target.
class OleDragDrop : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestClass();
        ASSERT_TRUE(m_a.CreateEx(0, kClassName, "A", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100,
                                 nullptr, nullptr));
        ASSERT_TRUE(m_b.CreateEx(0, kClassName, "B", WS_POPUP | WS_VISIBLE, 400, 100, 200, 100,
                                 nullptr, nullptr));
        ASSERT_TRUE(m_targetA.Register(&m_a));
        ASSERT_TRUE(m_targetB.Register(&m_b));
    }
    void TearDown() override {
        m_a.DestroyWindow();
        m_b.DestroyWindow();
    }

    // Drags from a start rectangle inside A with the given path.
    DROPEFFECT Drag(std::vector<afx::DragStep> path, DROPEFFECT allowed = DROPEFFECT_COPY) {
        afx::SetDragScript(std::move(path));
        const RECT start{110, 110, 130, 120};
        COleDataSource source;
        return source.DoDragDrop(allowed, &start);
    }

    Log m_log;
    CWnd m_a;
    CWnd m_b;
    LoggingTarget m_targetA{"A", m_log};
    LoggingTarget m_targetB{"B", m_log};
};

afx::DragStep At(LONG x, LONG y) {
    return afx::DragStep::MoveTo({x, y});
}

// Each path: the calls the targets under the cursor receive, in order and in their own
// client points, the effect the drag ends with and the cursor it shows last.
TEST_F(OleDragDrop, EachPathCallsTheTargetsUnderTheCursorInOrder) {
    using afx::DragStep;
    // Out of the start rectangle into A, over to B, back to A and to B again.
    const auto across = [](DragStep last) {
        return std::vector<DragStep>{At(115, 115), At(150, 150), At(450, 120),
                                     At(160, 130), At(460, 140), last};
    };
    const Log acrossLog{"A enter 50,50 k1", "A leave", "B enter 50,20 k1", "B leave",
                        "A enter 60,30 k1", "A leave", "B enter 60,40 k1"};
    const auto then = [](Log log, const Log& more) {
        log.insert(log.end(), more.begin(), more.end());
        return log;
    };
    const struct {
        const char* name;
        std::vector<DragStep> path;
        DROPEFFECT answer;  // B's
        DROPEFFECT allowed;
        Log log;
        DROPEFFECT result;
    } cases[] = {
        {"a release over a target drops there", across(DragStep::Release()), DROPEFFECT_COPY,
         DROPEFFECT_COPY, then(acrossLog, {"B over 60,40 k0", "B dropex 1 1", "B drop 1 60,40"}),
         DROPEFFECT_COPY},
        {"Escape leaves the target and drops nothing", across(DragStep::Escape()), DROPEFFECT_COPY,
         DROPEFFECT_COPY, then(acrossLog, {"B leave"}), DROPEFFECT_NONE},
        {"a path that stops short cancels",
         {At(450, 120)},
         DROPEFFECT_COPY,
         DROPEFFECT_COPY,
         {"B enter 50,20 k1", "B leave"},
         DROPEFFECT_NONE},
        {"a release inside the start rectangle calls no target",
         {At(115, 115), At(129, 119), DragStep::Release()},
         DROPEFFECT_COPY,
         DROPEFFECT_COPY,
         {},
         DROPEFFECT_NONE},
        {"the drag delay starts the drag where the cursor rests",
         {At(115, 115), DragStep::Wait(250), DragStep::Release()},
         DROPEFFECT_COPY,
         DROPEFFECT_COPY,
         {"A enter 15,15 k1", "A over 15,15 k0", "A dropex 1 1", "A drop 1 15,15"},
         DROPEFFECT_COPY},
        {"key changes ask the target again",
         {At(450, 120), DragStep::Keys(MK_CONTROL), At(452, 121), DragStep::Keys(0),
          DragStep::Release()},
         DROPEFFECT_COPY,
         DROPEFFECT_COPY,
         {"B enter 50,20 k1", "B over 50,20 k9", "B over 52,21 k9", "B over 52,21 k1",
          "B over 52,21 k0", "B dropex 1 1", "B drop 1 52,21"},
         DROPEFFECT_COPY},
        {"a move answered to a copy-only drag drops as a copy",
         {At(450, 120), DragStep::Release()},
         DROPEFFECT_MOVE,
         DROPEFFECT_COPY,
         {"B enter 50,20 k1", "B over 50,20 k0", "B dropex 1 1", "B drop 1 50,20"},
         DROPEFFECT_COPY},
        {"a copy answered to a move-only drag drops as a move",
         {At(450, 120), DragStep::Release()},
         DROPEFFECT_COPY,
         DROPEFFECT_MOVE,
         {"B enter 50,20 k1", "B over 50,20 k0", "B dropex 2 2", "B drop 2 50,20"},
         DROPEFFECT_MOVE},
        {"a link falls back on nothing",
         {At(450, 120), DragStep::Release()},
         DROPEFFECT_LINK,
         DROPEFFECT_COPY | DROPEFFECT_MOVE,
         {"B enter 50,20 k1", "B leave"},
         DROPEFFECT_NONE},
        {"a refusal gets no drop",
         {At(450, 120), DragStep::Release()},
         DROPEFFECT_NONE,
         DROPEFFECT_COPY,
         {"B enter 50,20 k1", "B leave"},
         DROPEFFECT_NONE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_log.clear();
        m_targetB.answer = c.answer;
        EXPECT_EQ(Drag(c.path, c.allowed), c.result);
        EXPECT_EQ(m_log, c.log);
        // The cursor shows the effect of the last answer, as far as the source allows it.
        const DROPEFFECT cursor = c.result != DROPEFFECT_NONE ? c.result : c.answer & c.allowed;
        if (!c.log.empty()) {
            EXPECT_EQ(afx::DragFeedback(), cursor);
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST_F(OleDragDrop, AScrollZoneAnswersInsteadOfEnterAndOver) {
    m_targetB.scrollZone = 5;
    EXPECT_EQ(
        Drag({At(450, 102), At(450, 104), At(450, 120), At(450, 101), afx::DragStep::Release()}),
        DROPEFFECT_COPY);
    EXPECT_EQ(m_log, (Log{"B scroll 50,2 k1", "B scroll 50,4 k1", "B over 50,20 k1",
                          "B scroll 50,1 k1", "B over 50,1 k0", "B dropex 1 1", "B drop 1 50,1"}));
}

TEST_F(OleDragDrop, RegistrationEndsWithRevokeAndWithTheWindow) {
    LoggingTarget second("second", m_log);
    EXPECT_FALSE(second.Register(&m_b));     // B has a target already
    EXPECT_FALSE(m_targetB.Register(&m_a));  // the target serves B already
    m_targetB.Revoke();
    EXPECT_TRUE(second.Register(&m_b));
    m_b.DestroyWindow();
    // The window took the registration with it: the target is free to serve another window.
    CWnd c;
    ASSERT_TRUE(c.CreateEx(0, kClassName, "C", WS_POPUP | WS_VISIBLE, 700, 100, 100, 100, nullptr,
                           nullptr));
    EXPECT_TRUE(second.Register(&c));
    EXPECT_EQ(Drag({At(450, 120), At(710, 120), afx::DragStep::Escape()}), DROPEFFECT_NONE);
    EXPECT_EQ(m_log, (Log{"second enter 10,20 k1", "second leave"}));
    c.DestroyWindow();
}

}  // namespace
