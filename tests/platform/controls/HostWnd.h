// The window that owns a control under test: it records every notification
// the control sends and answers each with what the test asks for. Also: a
// rendered picture of a window.
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
    std::string text;  // label edits
    int row = -1;      // list notifications
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

    std::vector<UINT> Codes() const;
    void Clear() { notes.clear(); }

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// The window as drawn now.
QImage Grab(HWND hwnd);
QColor SysColour(int index);
// Whether a pixel shows the colour, allowing for rounding in the drawing.
bool Near(QColor a, QColor b);
