// A drag's input from a scripted path (see afxautomation.h).
#pragma once

#include <optional>
#include <vector>

#include "DragInputFilter.h"
#include "DragSession.h"
#include "afxautomation.h"
#include "windows.h"

namespace afx::detail {

class ScriptedDragInput : public DragInputSource {
public:
    // The path waiting for the next drag.
    static void SetPending(std::vector<afx::DragStep> path);
    static std::optional<std::vector<afx::DragStep>> TakePending();
    static bool Pending();

    ScriptedDragInput(std::vector<afx::DragStep> path, int dragDelayMs);

    DragInput next() override;
    void endCapture() override { m_filter.Stop(); }

private:
    std::vector<afx::DragStep> m_path;
    std::size_t m_next = 0;
    int m_dragDelayMs;
    int m_waitedMs = 0;
    DWORD m_keys = MK_LBUTTON;
    // The real mouse and keyboard have no say in a scripted drag.
    DragInputFilter m_filter;
};

}  // namespace afx::detail
