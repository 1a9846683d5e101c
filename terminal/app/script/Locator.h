// Where a person would press to reach a control, a tree item or a list row
// of a dialog, found through the controls' own messages (TVM_*, LVM_*). Before
// it answers for an item or a row it brings it into view as a person would:
// collapsed ancestors are opened with their expand buttons and the control
// is scrolled. Failures (no such control, no such item, a row out of range)
// throw std::runtime_error with a message for the script's author.
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

    // The point for a spot of any kind but Rows (a Rows spot is pressed row
    // by row through Row()).
    Press Find(const Spot& spot) const;
    // The middle of column 0 of a list row: where a row is clicked.
    Press Row(int control, int row) const;

    HTREEITEM FindItem(HWND tree, std::string_view path) const;

private:
    HTREEITEM FindAmong(HWND tree, HTREEITEM first, std::string_view path) const;
    void Expand(HWND tree, HTREEITEM item) const;
    POINT ItemLabel(HWND tree, HTREEITEM item) const;
    RECT ListRow(HWND list, int row) const;
    POINT ListCell(HWND list, int row, int column) const;
    POINT Below(HWND control) const;
    POINT Empty(HWND control) const;

    HWND m_hDialog;
};

}  // namespace script
