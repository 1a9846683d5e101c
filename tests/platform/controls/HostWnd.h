// The window that owns a control under test: it records every notification
// the control sends, answers each with what the test asks for, and can answer
// WM_MEASUREITEM. Also: a rendered picture of a window.
#pragma once

#include <QColor>
#include <QImage>

#include <functional>
#include <string>
#include <vector>

#include "afxcmn.h"

struct Note {
    UINT code = 0;
    HTREEITEM item = nullptr;   // a tree's new item (the deleted one for TVN_DELETEITEM)
    HTREEITEM old = nullptr;    // a tree's old item
    HTREEITEM caret = nullptr;  // the tree's selection when the note arrived
    UINT action = 0;
    LPARAM lParam = 0;
    bool hasText = false;  // label edits: the text, or none when cancelled
    std::string text;
    int row = -1;  // list notifications
    UINT oldState = 0;
    UINT newState = 0;
};

class HostWnd : public CWnd {
public:
    HostWnd();
    ~HostWnd() override;

    std::vector<Note> notes;
    // The result for a notification; 0 for every notification when unset.
    std::function<LRESULT(const NMHDR&)> answer;
    // The row height an owner-drawn list is given; 0 leaves its own.
    UINT measuredHeight = 0;

    std::vector<UINT> Codes() const;
    void Clear() { notes.clear(); }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Turns the mouse wheel by delta (WHEEL_DELTA a notch, negative towards the
// user) with the pointer at a client point of the window, as the window
// system delivers it: to the widget under the pointer.
void Wheel(HWND hwnd, POINT point, int delta);
// Runs the event loop for a while, as time passes for a person.
void Wait(int milliseconds);
// The window as drawn now.
QImage Grab(HWND hwnd);
QColor SysColour(int index);
// Whether a pixel shows the colour, allowing for rounding in the drawing.
bool Near(QColor a, QColor b);
