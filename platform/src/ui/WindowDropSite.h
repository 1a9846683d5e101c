// The drop site of real windows: the window under the cursor and its registered drop target,
// called as the framework calls it, and the drag cursor.
#pragma once

#include "DragSession.h"
#include "afxole.h"

namespace afx::detail {

class WindowDropSite : public DropSite {
public:
    WindowDropSite();
    ~WindowDropSite() override;
    WindowDropSite(const WindowDropSite&) = delete;
    WindowDropSite& operator=(const WindowDropSite&) = delete;

    HWND targetAt(POINT screen) override;
    DROPEFFECT enter(HWND target, DWORD keys, POINT screen, DROPEFFECT allowed) override;
    DROPEFFECT over(HWND target, DWORD keys, POINT screen, DROPEFFECT allowed) override;
    void leave(HWND target) override;
    DROPEFFECT drop(HWND target, DWORD keys, POINT screen, DROPEFFECT allowed) override;
    void feedback(DROPEFFECT effect) override;
    void endFeedback() override;

private:
    using Handler = DROPEFFECT (COleDropTarget::*)(CWnd*, COleDataObject*, DWORD, CPoint);
    DROPEFFECT Ask(Handler handler, HWND target, DWORD keys, POINT screen, DROPEFFECT allowed);

    COleDataObject m_dataObject;
    bool m_cursorShown = true;
};

// The effect whose cursor the running drag shows, or the last one showed.
DROPEFFECT& CurrentDragFeedback();

}  // namespace afx::detail
