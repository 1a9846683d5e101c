// The OLE drag loop, apart from where its input comes from and what windows it passes over,
// so that a drag driven by the mouse and one driven by a script run the same session.
#pragma once

#include "oleidl.h"

namespace afx::detail {

// What the mouse and the keyboard did during a drag. Points are screen coordinates; key
// states are MK_* flags.
struct DragInput {
    enum class Kind {
        Move,          // the cursor moved to `point`
        Keys,          // the modifier keys changed; `keys` is the new state
        Release,       // the dragging button went up; `keys` is the state after it
        Escape,        // Escape was pressed
        Cancel,        // another button went down, or the drag lost the mouse
        DelayElapsed,  // the drag delay has passed since the button went down
    };
    Kind kind;
    POINT point{};
    DWORD keys = 0;
};

// Where a drag's input comes from: the mouse and keyboard, or a scripted path.
class DragInputSource {
public:
    virtual ~DragInputSource() = default;
    // Waits for the next input while the application's windows go on painting and their
    // timers go on firing.
    virtual DragInput next() = 0;
    // The drag no longer holds the mouse and the keyboard: what its drop does (a message box,
    // say) gets its input as usual.
    virtual void endCapture() {}
};

// The windows under a drag, seen as drop targets.
class DropSite {
public:
    virtual ~DropSite() = default;
    // The window whose drop target takes a drop at this point, or null where none does.
    virtual HWND targetAt(POINT screen) = 0;
    // The target's answers, already mapped to the effects the source allows.
    virtual DROPEFFECT enter(HWND target, DWORD keys, POINT screen, DROPEFFECT allowed) = 0;
    virtual DROPEFFECT over(HWND target, DWORD keys, POINT screen, DROPEFFECT allowed) = 0;
    virtual void leave(HWND target) = 0;
    // The effect the drop had; DROPEFFECT_NONE when the target refused it.
    virtual DROPEFFECT drop(HWND target, DWORD keys, POINT screen, DROPEFFECT allowed) = 0;
    // Shows the cursor for an effect: copy, move, link or no-drop.
    virtual void feedback(DROPEFFECT effect) = 0;
    // The drag is over: the usual cursor comes back before the drop is made.
    virtual void endFeedback() {}
};

// Waits until the cursor leaves `startRect` (screen coordinates) with the button still down,
// or, when `honourDelay` is set, until the drag delay passes. Returns whether the drag
// begins, and updates the cursor and the key state to what they are then.
bool WaitForDragStart(DragInputSource& input, const RECT& startRect, bool honourDelay,
                      POINT& cursor, DWORD& keys);

// Runs a drag from `cursor` until it is dropped or cancelled and returns its effect:
// enters, moves over and leaves the targets under the cursor, asks the current target again
// when the keys change, drops on release where the last answer was not DROPEFFECT_NONE, and
// leaves the target on Escape, on a cancel and on a release that nobody accepts.
DROPEFFECT RunDragSession(DragInputSource& input, DropSite& site, POINT cursor, DWORD keys,
                          DROPEFFECT allowed);

}  // namespace afx::detail
