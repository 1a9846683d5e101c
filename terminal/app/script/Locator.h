// Where a person would press to reach a control, a tree item or a list row
// of a dialog, found through the controls' own messages (TVM_*, LVM_*). Before
// it answers for an item or a row it brings it into view as a person would:
// collapsed ancestors are opened with their expand buttons and the control
// is scrolled. Failures (no such control, a hidden one, no such item, a row
// out of range) throw std::runtime_error with a message for the script's author.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "Command.h"

namespace script {

// A point in the client coordinates of `window`.
struct Press {
    HWND window = nullptr;
    POINT point{};
};

class Locator {
public:
    explicit Locator(HWND dialog) : m_hDialog(dialog) {}

    HWND Control(int id) const;
    // The control as a person can reach it: shown, and for input (a click,
    // a press, the focus, the wheel) enabled too.
    HWND Shown(int id) const;
    HWND Enabled(int id) const;

    // Brings the spot into view, then answers where it shows: where a
    // click lands. A Rows spot answers for its first row.
    Press Find(const Spot& spot) const {
        Reveal(spot);
        return Point(spot);
    }
    // Opens the collapsed ancestors of a tree item with their expand buttons
    // and scrolls its control until the item, row or the space below the
    // last one shows.
    void Reveal(const Spot& spot) const;
    // Where the spot shows now, without changing the control; fails when an
    // item or row is out of view. A label or row wider than the control is
    // reached on the part that shows.
    Press Point(const Spot& spot) const;

private:
    HTREEITEM FindItem(HWND tree, std::string_view path) const;
    HTREEITEM FindAmong(HWND tree, HTREEITEM first, std::string_view path) const;
    void Expand(HWND tree, HTREEITEM item) const;
    RECT ListRow(HWND list, int row) const;
    POINT ListCell(HWND list, int row, int column) const;
    POINT Below(HWND control) const;
    POINT Empty(HWND control) const;

    HWND m_hDialog;
};

}  // namespace script
