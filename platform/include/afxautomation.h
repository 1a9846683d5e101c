// Automation: every place where the program waits for a person has a hook
// here, so that tests and scripted sessions drive real dialogs headlessly
// (QT_QPA_PLATFORM=offscreen) through the same code a person's input runs.
// A hook that is not installed costs nothing and changes nothing.
//
//   - Modal loops: SetModalHook installs a function called once each modal
//     dialog or message box is initialised and shown, from inside its modal
//     loop. It may inspect the window, send input, open further modal loops
//     (the hook is called again for those) and end the loop with EndModal.
//     SetModalEndHook installs one called when a modal dialog's loop has
//     ended, with the dialog's result, while its window still exists.
//   - Message boxes: SetMessageBoxHandler installs a function that answers
//     every message box instead of showing it; every box, answered by the
//     handler, the hook or a person, is recorded (MessageBoxRecords).
//   - Input: Click, DoubleClick, MouseDown/Move/Up, Wheel, KeyDown/KeyUp/PressKey
//     and TypeText deliver real Qt input events to the widgets, so the
//     platform's own translation into window messages is what runs.
//   - Drag and drop: a drag follows a scripted path (DragStep) instead of the
//     mouse, through the same loop (DragFrom, SetDragScript).
//   - AutomationSession gives code that does not see Qt an application to
//     run windows in.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "afx.h"
#include "oleidl.h"
#include "windows.h"

namespace afx {

// Creates the Qt application when there is none (offscreen when there is no
// display) and sets the platform up; at its end destroys the windows still
// open and the application it created.
class AutomationSession {
public:
    AutomationSession();
    ~AutomationSession();
    AutomationSession(const AutomationSession&) = delete;
    AutomationSession& operator=(const AutomationSession&) = delete;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// --- Modal loops -----------------------------------------------------------

struct ModalInfo {
    HWND hwnd;        // the dialog; null for a message box
    CString caption;  // CP949
    CString text;     // a message box's text
    UINT type;        // a message box's MB_* type
    UINT templateId;  // the dialog's template; 0 for a message box
};
using ModalHook = std::function<void(const ModalInfo&)>;
using ModalEndHook = std::function<void(HWND dialog, INT_PTR result)>;

// Installs the hook (an empty function removes it); returns the previous one.
ModalHook SetModalHook(ModalHook hook);
ModalEndHook SetModalEndHook(ModalEndHook hook);
// Ends the innermost modal loop: EndDialog for a dialog, the answer (IDOK,
// IDCANCEL, ...) for a message box. False when no modal loop runs.
bool EndModal(int result);
// The innermost running modal dialog, or null (none, or a message box is on top).
HWND TopModalWindow();

// --- Message boxes -----------------------------------------------------------

using MessageBoxHandler = std::function<int(HWND owner, LPCSTR text, LPCSTR caption, UINT type)>;
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

struct MessageBoxRecord {
    HWND owner;
    CString text;
    CString caption;
    UINT type;
    int answer;
};
const std::vector<MessageBoxRecord>& MessageBoxRecords();
void ClearMessageBoxRecords();

// --- Input -------------------------------------------------------------------
// Points are client coordinates of hwnd; keys are MK_SHIFT, MK_CONTROL and MK_ALT.

void Click(HWND hwnd, POINT point, UINT keys = 0);
void DoubleClick(HWND hwnd, POINT point, UINT keys = 0);
void MouseDown(HWND hwnd, POINT point, UINT keys = 0);
void MouseMove(HWND hwnd, POINT point, UINT keys = MK_LBUTTON);
void MouseUp(HWND hwnd, POINT point, UINT keys = 0);
// Turns the wheel with the pointer at the point: `notches` detents away from
// the user (negative: towards), to the widget under the point and on to its
// parents while none takes it, as Qt delivers a mouse's wheel.
void Wheel(HWND hwnd, POINT point, int notches, UINT keys = 0);
// Keys go to the focus window. KeyDown and KeyUp send the one key with
// `keys` the modifiers held before it went down or up; PressKey presses the
// modifiers' own keys first and releases them after, as a person's fingers do.
void KeyDown(UINT vk, UINT keys = 0);
void KeyUp(UINT vk, UINT keys = 0);
void PressKey(UINT vk, UINT keys = 0);
// Types CP949 text into the focus window, one key press per character.
void TypeText(LPCSTR text);

// The text colour a control's parent gives it (WM_CTLCOLOR with nCtlColor,
// CTLCOLOR_STATIC for a static), when the parent's handler sets one.
bool ControlTextColor(HWND control, UINT nCtlColor, COLORREF* color);

// The close box of a top-level window, as a person clicks it.
void ClickCloseBox(HWND hwnd);

// Renders a window (offscreen too) into a PNG file.
bool SaveWindowImage(HWND hwnd, LPCSTR path);

// --- Drag and drop -------------------------------------------------------------
// A drag can follow a scripted path instead of the mouse. The path is set, then the mouse is
// pressed on the source window: the press reaches the window as a real one, DragDetect answers
// TRUE at once, and COleDataSource::DoDragDrop runs its usual loop, taking each step of the
// path as the mouse's next move, key change, release or Escape. Between steps the loop lets
// the application paint and its timers fire, as it does between mouse events; a Wait step
// lets them run for that long. Time in a scripted drag is the path's own: the drag delay
// passes only through Wait steps. A path that ends before its release or Escape cancels the
// drag, as losing the mouse would. Points are screen coordinates.

struct DragStep {
    enum class Kind { Move, Keys, Release, Escape, Wait };
    Kind kind;
    POINT point{};          // Move: the cursor's new position
    UINT keys = 0;          // Keys: the modifiers held from now on (MK_SHIFT, MK_CONTROL, MK_ALT)
    UINT milliseconds = 0;  // Wait: how long the cursor rests

    static DragStep MoveTo(POINT point) { return {Kind::Move, point}; }
    static DragStep Keys(UINT keys) { return {Kind::Keys, {}, keys}; }
    static DragStep Release() { return {Kind::Release}; }
    static DragStep Escape() { return {Kind::Escape}; }
    static DragStep Wait(UINT milliseconds) { return {Kind::Wait, {}, 0, milliseconds}; }
};

// Presses the left button on a window at a client point (MouseDown) with the path set for
// the drag the press may start. Returns once the press, and with it any drag, is over: true
// when a drag took the path; false when the press started none, after the path has been
// dropped and the button released where it went down (MouseUp).
bool DragFrom(HWND hwnd, POINT point, std::vector<DragStep> path);

// The halves of DragFrom, for a press made some other way: gives the next drag the path, and
// drops a path that no drag has taken, saying whether there was one.
void SetDragScript(std::vector<DragStep> path);
bool CancelDragScript();

// The effect whose cursor the running drag shows (copy, move, link, or DROPEFFECT_NONE for
// the no-drop cursor), or the one it showed last when it ended.
DROPEFFECT DragFeedback();

}  // namespace afx
