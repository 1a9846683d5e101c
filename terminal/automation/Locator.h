// Where a person presses to reach a control, a tree item or a list row of a
// dialog, found through the controls' own messages (TVM_*, LVM_*), and how
// they bring an item or a row into view first: collapsed ancestors are opened
// with their expand buttons and the control is scrolled. The tests and
// tabulo-host's scripts press at the same points. Failures (no such control,
// a hidden one, no such item, a row out of range or out of view) throw
// std::runtime_error with a message for the person who wrote the test or
// the script.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "Spot.h"

namespace automation {

// A point in the client coordinates of `window`.
struct Press {
    HWND window = nullptr;
    POINT point{};
};

// A control of the dialog; as a person can reach it: shown, and for input
// (a click, a press, the focus, the wheel) enabled too.
HWND Control(HWND dialog, int id);
HWND Shown(HWND dialog, int id);
HWND Enabled(HWND dialog, int id);

// A tree item by its UTF-8 labels from a root item down, joined by " > ".
// A label may itself contain " > ": the first item in tree order whose
// labels spell the whole path wins. A folder that fills itself only when it
// opens is opened on the way, as a person would.
HTREEITEM FindItem(HWND tree, std::string_view path);

// The Reveal functions scroll the control (and open the collapsed ancestors
// of an item) until the item, the row or the space below the last one
// shows. The Point functions answer where it shows now, without changing
// the control, and fail when it is out of view; a label or row wider than
// the control is reached on the part that shows.
void RevealItem(HWND tree, HTREEITEM item);
POINT ItemPoint(HWND tree, HTREEITEM item);  // the middle of the label

// The middle of the row, or 2 pixels above its lower edge.
POINT RowPoint(HWND list, int row, bool bottom = false);
POINT CellPoint(HWND list, int row, int column);

// Just below the last row or item, in the first column; at the top of an
// empty control.
POINT EndPoint(HWND control);

// The same for a spot of the dialog's controls. A Rows spot answers for its
// first row.
void Reveal(HWND dialog, const Spot& spot);
Press PointOf(HWND dialog, const Spot& spot);
inline Press Find(HWND dialog, const Spot& spot) {
    Reveal(dialog, spot);
    return PointOf(dialog, spot);
}

}  // namespace automation
