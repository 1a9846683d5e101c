// The drag session against windows and input that the test plays itself: which target calls
// a drag makes, in which order, and what it returns.
#include "ui/DragSession.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace afx::detail {
namespace {

using Kind = DragInput::Kind;

HWND Handle(int n) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(n));
}

// Two drop targets side by side: window 1 covers x 0..99, window 2 covers x 100..199; the
// rest of the screen has none. Each answers with its own effect and logs its calls.
class FakeSite : public DropSite {
public:
    std::map<HWND, DROPEFFECT> answer{{Handle(1), DROPEFFECT_COPY}, {Handle(2), DROPEFFECT_COPY}};
    std::vector<std::string> log;

    HWND targetAt(POINT p) override {
        if (p.y < 0 || p.y >= 100 || p.x < 0 || p.x >= 200) return nullptr;
        return Handle(p.x < 100 ? 1 : 2);
    }
    DROPEFFECT enter(HWND t, DWORD keys, POINT p, DROPEFFECT) override {
        return Call("enter", t, keys, p);
    }
    DROPEFFECT over(HWND t, DWORD keys, POINT p, DROPEFFECT) override {
        return Call("over", t, keys, p);
    }
    void leave(HWND t) override { log.push_back("leave " + Name(t)); }
    DROPEFFECT drop(HWND t, DWORD keys, POINT p, DROPEFFECT) override {
        return Call("drop", t, keys, p);
    }
    void feedback(DROPEFFECT effect) override { log.push_back("cursor " + std::to_string(effect)); }
    void endFeedback() override { log.push_back("end"); }

private:
    static std::string Name(HWND t) { return std::to_string(reinterpret_cast<std::intptr_t>(t)); }
    DROPEFFECT Call(const char* what, HWND t, DWORD keys, POINT p) {
        log.push_back(std::string(what) + " " + Name(t) + " " + std::to_string(p.x) + "," +
                      std::to_string(p.y) + " k" + std::to_string(keys));
        return answer[t];
    }
};

class ListInput : public DragInputSource {
public:
    explicit ListInput(std::vector<DragInput> inputs) : m_inputs(std::move(inputs)) {}
    DragInput next() override {
        // A session that reads past its script has missed the end of the drag.
        EXPECT_LT(m_next, m_inputs.size());
        return m_next < m_inputs.size() ? m_inputs[m_next++] : DragInput{Kind::Cancel};
    }
    bool Done() const { return m_next == m_inputs.size(); }

private:
    std::vector<DragInput> m_inputs;
    std::size_t m_next = 0;
};

DragInput Move(LONG x, LONG y) {
    return {Kind::Move, {x, y}};
}
DragInput Keys(DWORD keys) {
    return {Kind::Keys, {}, keys};
}

TEST(DragSession, CallsTheTargetsUnderTheCursorInOrder) {
    struct Case {
        const char* name;
        std::vector<DragInput> path;
        DROPEFFECT answerOf2;
        std::vector<std::string> log;
        DROPEFFECT result;
    };
    const std::vector<Case> cases = {
        {"across both and back, released over the second",
         {Move(150, 10), Move(20, 30), Move(160, 40), {Kind::Release, {}, 0}},
         DROPEFFECT_COPY,
         {"enter 1 10,10 k1", "cursor 1", "leave 1", "enter 2 150,10 k1", "cursor 1", "leave 2",
          "enter 1 20,30 k1", "cursor 1", "leave 1", "enter 2 160,40 k1", "cursor 1", "end",
          "drop 2 160,40 k0"},
         DROPEFFECT_COPY},
        {"the same path ending in Escape",
         {Move(150, 10), Move(20, 30), Move(160, 40), {Kind::Escape}},
         DROPEFFECT_COPY,
         {"enter 1 10,10 k1", "cursor 1", "leave 1", "enter 2 150,10 k1", "cursor 1", "leave 2",
          "enter 1 20,30 k1", "cursor 1", "leave 1", "enter 2 160,40 k1", "cursor 1", "end",
          "leave 2"},
         DROPEFFECT_NONE},
        {"moves within a target and a key change ask it again",
         {Move(12, 10), Keys(1 | 8), Move(14, 10), {Kind::Release, {}, 8}},
         DROPEFFECT_COPY,
         {"enter 1 10,10 k1", "cursor 1", "over 1 12,10 k1", "cursor 1", "over 1 12,10 k9",
          "cursor 1", "over 1 14,10 k9", "cursor 1", "end", "drop 1 14,10 k8"},
         DROPEFFECT_COPY},
        {"a target that refuses is left on release, not dropped on",
         {Move(150, 10), {Kind::Release, {}, 0}},
         DROPEFFECT_NONE,
         {"enter 1 10,10 k1", "cursor 1", "leave 1", "enter 2 150,10 k1", "cursor 0", "end",
          "leave 2"},
         DROPEFFECT_NONE},
        {"off every target nothing is called, and a release ends the drag",
         {Move(300, 10), Move(310, 10), {Kind::Release, {}, 0}},
         DROPEFFECT_COPY,
         {"enter 1 10,10 k1", "cursor 1", "leave 1", "cursor 0", "cursor 0", "end"},
         DROPEFFECT_NONE},
        {"a second button cancels over a target",
         {{Kind::DelayElapsed}, {Kind::Cancel}},
         DROPEFFECT_COPY,
         {"enter 1 10,10 k1", "cursor 1", "end", "leave 1"},
         DROPEFFECT_NONE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeSite site;
        site.answer[Handle(2)] = c.answerOf2;
        ListInput input(c.path);
        EXPECT_EQ(RunDragSession(input, site, {10, 10}, 1, DROPEFFECT_COPY), c.result);
        EXPECT_EQ(site.log, c.log);
        EXPECT_TRUE(input.Done());
    }
}

TEST(DragSession, DropReturnsWhatTheTargetDid) {
    FakeSite site;
    site.answer[Handle(1)] = DROPEFFECT_MOVE;
    ListInput input({{Kind::Release}});
    EXPECT_EQ(RunDragSession(input, site, {10, 10}, 1, DROPEFFECT_MOVE), DROPEFFECT_MOVE);
}

TEST(DragSession, StartsWhenTheCursorLeavesTheRectangle) {
    const RECT rect{10, 10, 20, 20};
    struct Case {
        const char* name;
        std::vector<DragInput> inputs;
        bool honourDelay;
        bool starts;
        POINT where;
        DWORD keys = 1;
    };
    const std::vector<Case> cases = {
        {"moves inside, then out",
         {Move(11, 11), Move(19, 19), Move(20, 15)},
         true,
         true,
         {20, 15}},
        {"the top-left edge is inside", {Move(10, 10), Move(9, 10)}, true, true, {9, 10}},
        {"released inside", {Move(12, 12), {Kind::Release}}, true, false, {12, 12}},
        {"Escape inside", {{Kind::Escape}}, true, false, {15, 15}},
        {"a key change inside", {{Kind::Keys, {}, 9}, Move(30, 30)}, true, true, {30, 30}, 9},
        {"another button inside", {{Kind::Cancel}}, true, false, {15, 15}},
        {"the delay passes", {Move(12, 12), {Kind::DelayElapsed}}, true, true, {12, 12}},
        {"the delay is ignored", {{Kind::DelayElapsed}, {Kind::Release}}, false, false, {15, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ListInput input(c.inputs);
        POINT cursor{15, 15};
        DWORD keys = 1;
        EXPECT_EQ(WaitForDragStart(input, rect, c.honourDelay, cursor, keys), c.starts);
        EXPECT_EQ(cursor.x, c.where.x);
        EXPECT_EQ(cursor.y, c.where.y);
        EXPECT_EQ(keys, c.keys);
        EXPECT_TRUE(input.Done());
    }
}

}  // namespace
}  // namespace afx::detail
