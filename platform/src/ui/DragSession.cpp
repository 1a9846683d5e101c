#include "DragSession.h"

namespace afx::detail {

namespace {

bool Contains(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

// One drag from the moment it begins: the target under the cursor and its last answer.
class DragSession {
public:
    DragSession(DragInputSource& input, DropSite& site, DROPEFFECT allowed)
        : m_input(input), m_site(site), m_allowed(allowed) {}

    void Begin(POINT point, DWORD keys) {
        m_point = point;
        m_keys = keys;
        Enter(m_site.targetAt(point));
    }

    // Returns whether the drag is over.
    bool Handle(const DragInput& input) {
        switch (input.kind) {
            case DragInput::Kind::Move:
                m_point = input.point;
                if (HWND target = m_site.targetAt(m_point); target != m_target) {
                    Leave();
                    Enter(target);
                } else {
                    Over();
                }
                return false;
            case DragInput::Kind::Keys:
                m_keys = input.keys;
                Over();
                return false;
            case DragInput::Kind::Release:
                m_keys = input.keys;
                End();
                if (m_target != nullptr && m_effect != DROPEFFECT_NONE)
                    m_result = m_site.drop(m_target, m_keys, m_point, m_allowed);
                else
                    Leave();
                return true;
            case DragInput::Kind::Escape:
            case DragInput::Kind::Cancel:
                End();
                Leave();
                return true;
            case DragInput::Kind::DelayElapsed:
                return false;
        }
        return false;
    }

    DROPEFFECT Result() const { return m_result; }

private:
    void Enter(HWND target) {
        m_target = target;
        Show(target != nullptr ? m_site.enter(target, m_keys, m_point, m_allowed)
                               : DROPEFFECT_NONE);
    }
    void Over() {
        Show(m_target != nullptr ? m_site.over(m_target, m_keys, m_point, m_allowed)
                                 : DROPEFFECT_NONE);
    }
    void Leave() {
        if (m_target != nullptr) m_site.leave(m_target);
        m_target = nullptr;
    }
    void End() {
        m_input.endCapture();
        m_site.endFeedback();
    }
    void Show(DROPEFFECT effect) {
        m_effect = effect;
        m_site.feedback(effect);
    }

    DragInputSource& m_input;
    DropSite& m_site;
    const DROPEFFECT m_allowed;
    HWND m_target = nullptr;
    DROPEFFECT m_effect = DROPEFFECT_NONE;
    DROPEFFECT m_result = DROPEFFECT_NONE;
    POINT m_point{};
    DWORD m_keys = 0;
};

}  // namespace

bool WaitForDragStart(DragInputSource& input, const RECT& startRect, bool honourDelay,
                      POINT& cursor, DWORD& keys) {
    for (;;) {
        const DragInput event = input.next();
        switch (event.kind) {
            case DragInput::Kind::Move:
                cursor = event.point;
                if (!Contains(startRect, cursor)) return true;
                break;
            case DragInput::Kind::DelayElapsed:
                if (honourDelay) return true;
                break;
            case DragInput::Kind::Keys:
                keys = event.keys;
                break;
            case DragInput::Kind::Release:
            case DragInput::Kind::Escape:
            case DragInput::Kind::Cancel:
                return false;
        }
    }
}

DROPEFFECT RunDragSession(DragInputSource& input, DropSite& site, POINT cursor, DWORD keys,
                          DROPEFFECT allowed) {
    DragSession session(input, site, allowed);
    session.Begin(cursor, keys);
    while (!session.Handle(input.next())) {
    }
    return session.Result();
}

}  // namespace afx::detail
