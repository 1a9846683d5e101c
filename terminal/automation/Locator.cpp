#include "Locator.h"

#include <afxautomation.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ControlQueries.h"

namespace automation {
namespace {

using Where = Spot::Where;

POINT Middle(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

[[noreturn]] void Fail(const std::string& message) {
    throw std::runtime_error(message);
}

std::string IdOf(HWND control) {
    return std::to_string(::GetDlgCtrlID(control));
}

HWND Require(HWND control, ControlType type) {
    if (TypeOf(control) != type)
        Fail("control " + IdOf(control) + " is not a " +
             (type == ControlType::Tree ? "tree" : "list"));
    return control;
}

RECT ClientOf(HWND control) {
    RECT client{};
    ::GetClientRect(control, &client);
    return client;
}

POINT InView(HWND control, POINT point, const std::string& what) {
    const RECT client = ClientOf(control);
    if (!::PtInRect(&client, point))
        Fail(what + " of control " + IdOf(control) + " is out of view");
    return point;
}

bool Expanded(HWND tree, HTREEITEM item) {
    return (TreeState(tree, item) & TVIS_EXPANDED) != 0;
}

bool OnItem(HWND control, POINT point) {
    if (TypeOf(control) == ControlType::Tree) {
        TVHITTESTINFO hit{};
        hit.pt = point;
        return ::SendMessage(control, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) != 0;
    }
    LVHITTESTINFO hit{};
    hit.pt = point;
    return ::SendMessage(control, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) >= 0;
}

// Clicks the item's expand button, found by hit-testing the item's row left
// of its label. Without a button (a root item of a tree without lines at
// the root) the item is expanded by message, which notifies the same way.
void Expand(HWND tree, HTREEITEM item) {
    ::SendMessage(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    const RECT row = TreeItemRect(tree, item, false).value_or(RECT{});
    const RECT label = TreeItemRect(tree, item, true).value_or(RECT{});
    const LONG y = (row.top + row.bottom) / 2;
    LONG first = -1;
    LONG last = -1;
    for (LONG x = row.left; x < label.left; ++x) {
        TVHITTESTINFO hit{};
        hit.pt = {x, y};
        ::SendMessage(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.hItem == item && (hit.flags & TVHT_ONITEMBUTTON)) {
            if (first < 0) first = x;
            last = x;
        }
    }
    if (first >= 0)
        afx::Click(tree, {(first + last) / 2, y});
    else
        ::SendMessage(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    if (!Expanded(tree, item)) Fail("tree item \"" + TreeLabel(tree, item) + "\" does not open");
}

// A label may itself contain " > ", so the path is matched label by label
// from the front rather than split.
HTREEITEM FindAmong(HWND tree, HTREEITEM first, std::string_view path) {
    for (HTREEITEM item = first; item; item = TreeNext(tree, item, TVGN_NEXT)) {
        const std::string label = TreeLabel(tree, item);
        if (path == label) return item;
        const std::string prefix = label + " > ";
        if (!path.starts_with(prefix)) continue;
        HTREEITEM child = TreeNext(tree, item, TVGN_CHILD);
        // A folder may fill itself only when it opens; a person would open it.
        if (!child && TreeChildrenFlag(tree, item) && !Expanded(tree, item)) {
            Expand(tree, item);
            child = TreeNext(tree, item, TVGN_CHILD);
        }
        if (HTREEITEM found = FindAmong(tree, child, path.substr(prefix.size()))) return found;
    }
    return nullptr;
}

RECT ListRow(HWND list, int row) {
    Require(list, ControlType::List);
    const int rows = ListRows(list);
    if (row < 0 || row >= rows)
        Fail("row " + std::to_string(row) + " is out of range: the list has " +
             std::to_string(rows) + " rows");
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    ::SendMessage(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

}  // namespace

HWND Control(HWND dialog, int id) {
    HWND control = ::GetDlgItem(dialog, id);
    if (!control) Fail("the dialog has no control " + std::to_string(id));
    return control;
}

HWND Shown(HWND dialog, int id) {
    HWND control = Control(dialog, id);
    if (!::IsWindowVisible(control)) Fail("control " + std::to_string(id) + " is hidden");
    return control;
}

HWND Enabled(HWND dialog, int id) {
    HWND control = Shown(dialog, id);
    if (!::IsWindowEnabled(control)) Fail("control " + std::to_string(id) + " is disabled");
    return control;
}

HTREEITEM FindItem(HWND tree, std::string_view path) {
    Require(tree, ControlType::Tree);
    HTREEITEM item = FindAmong(tree, TreeNext(tree, nullptr, TVGN_ROOT), path);
    if (!item) Fail("no tree item \"" + std::string(path) + "\"");
    return item;
}

void RevealItem(HWND tree, HTREEITEM item) {
    std::vector<HTREEITEM> ancestors;
    for (HTREEITEM parent = TreeNext(tree, item, TVGN_PARENT); parent;
         parent = TreeNext(tree, parent, TVGN_PARENT))
        ancestors.push_back(parent);
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
        if (!Expanded(tree, *it)) Expand(tree, *it);
    ::SendMessage(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
}

POINT ItemPoint(HWND tree, HTREEITEM item) {
    const std::optional<RECT> label = TreeItemRect(tree, item, true);
    const RECT client = ClientOf(tree);
    RECT shown{};
    return InView(
        tree, label && ::IntersectRect(&shown, &*label, &client) ? Middle(shown) : POINT{-1, -1},
        "tree item \"" + TreePath(tree, item) + "\"");
}

namespace {

void RevealRow(HWND list, int row) {
    ListRow(list, row);
    ::SendMessage(list, LVM_ENSUREVISIBLE, row, FALSE);
}

}  // namespace

// A row wider than the list is reached where the list shows it.
POINT RowPoint(HWND list, int row, bool bottom) {
    const RECT rect = ListRow(list, row);
    const RECT client = ClientOf(list);
    return InView(list,
                  {std::clamp(Middle(rect).x, client.left, client.right - 1),
                   bottom ? rect.bottom - 2 : Middle(rect).y},
                  "row " + std::to_string(row));
}

// Cells are laid out from the row's left edge by the column widths, in
// column order.
POINT CellPoint(HWND list, int row, int column) {
    Require(list, ControlType::List);
    const int columns = ListColumns(list);
    if (column < 0 || column >= columns)
        Fail("column " + std::to_string(column) + " is out of range: the list has " +
             std::to_string(columns) + " columns");
    const RECT rect = ListRow(list, row);
    LONG left = rect.left;
    for (int c = 0; c < column; ++c)
        left += static_cast<LONG>(::SendMessage(list, LVM_GETCOLUMNWIDTH, c, 0));
    const auto width = static_cast<LONG>(::SendMessage(list, LVM_GETCOLUMNWIDTH, column, 0));
    return InView(list, {left + width / 2, Middle(rect).y}, "row " + std::to_string(row));
}

namespace {

void RevealEnd(HWND control) {
    if (TypeOf(control) == ControlType::Tree) {
        if (HTREEITEM last = TreeNext(control, nullptr, TVGN_LASTVISIBLE))
            ::SendMessage(control, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(last));
    } else if (TypeOf(control) == ControlType::List && ListRows(control) > 0) {
        ::SendMessage(control, LVM_ENSUREVISIBLE, ListRows(control) - 1, FALSE);
    }
}

}  // namespace

POINT EndPoint(HWND control) {
    const RECT client = ClientOf(control);
    std::optional<RECT> last;
    if (TypeOf(control) == ControlType::Tree) {
        if (HTREEITEM item = TreeNext(control, nullptr, TVGN_LASTVISIBLE))
            last = TreeItemRect(control, item, true);
    } else if (TypeOf(control) == ControlType::List && ListRows(control) > 0) {
        last = ListRow(control, ListRows(control) - 1);
        last->right =
            last->left + static_cast<LONG>(::SendMessage(control, LVM_GETCOLUMNWIDTH, 0, 0));
    }
    if (!last) return {client.right / 2, client.top + 2};
    const LONG height = last->bottom - last->top;
    return {(last->left + last->right) / 2, std::min(last->bottom + height / 2, client.bottom - 1)};
}

namespace {

// A point of the control where no item is.
POINT EmptyPoint(HWND control) {
    const RECT client = ClientOf(control);
    const std::array<POINT, 3> candidates = {
        EndPoint(control),
        POINT{client.right - 2, client.bottom - 2},
        POINT{client.right - 2, client.top + 2},
    };
    for (const POINT& point : candidates)
        if (!OnItem(control, point)) return point;
    Fail("control " + IdOf(control) + " has no empty point");
}

}  // namespace

void Reveal(HWND dialog, const Spot& spot) {
    HWND control = Shown(dialog, spot.control);
    switch (spot.where) {
        case Where::Control:
        case Where::At:
            return;
        case Where::Item:
            RevealItem(control, FindItem(control, spot.path));
            return;
        case Where::Rows:
        case Where::Cell:
        case Where::Row:
        case Where::RowBottom:
            RevealRow(control, spot.rows.front());
            return;
        case Where::End:
        case Where::Empty:
            RevealEnd(control);
            return;
    }
}

Press PointOf(HWND dialog, const Spot& spot) {
    HWND control = Shown(dialog, spot.control);
    switch (spot.where) {
        case Where::Control:
            break;
        case Where::At:
            return {control, {spot.x, spot.y}};
        case Where::End:
            return {control, EndPoint(control)};
        case Where::Empty:
            return {control, EmptyPoint(control)};
        case Where::Item:
            return {control, ItemPoint(control, FindItem(control, spot.path))};
        case Where::Rows:
        case Where::Cell:
            return {control, CellPoint(control, spot.rows.front(),
                                       spot.where == Where::Cell ? spot.column : 0)};
        case Where::Row:
        case Where::RowBottom:
            return {control, RowPoint(control, spot.rows.front(), spot.where == Where::RowBottom)};
    }
    return {control, Middle(ClientOf(control))};
}

}  // namespace automation
