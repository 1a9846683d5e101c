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

namespace script {
namespace {

using Where = Spot::Where;

POINT Middle(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

[[noreturn]] void Fail(const std::string& message) {
    throw std::runtime_error(message);
}

HWND Require(HWND control, ControlType type, int id) {
    if (TypeOf(control) != type)
        Fail("control " + std::to_string(id) + " is not a " +
             (type == ControlType::Tree ? "tree" : "list"));
    return control;
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

}  // namespace

HWND Locator::Control(int id) const {
    HWND control = ::GetDlgItem(m_hDialog, id);
    if (!control) Fail("the dialog has no control " + std::to_string(id));
    return control;
}

HWND Locator::Shown(int id) const {
    HWND control = Control(id);
    if (!::IsWindowVisible(control)) Fail("control " + std::to_string(id) + " is hidden");
    return control;
}

HWND Locator::Enabled(int id) const {
    HWND control = Shown(id);
    if (!::IsWindowEnabled(control)) Fail("control " + std::to_string(id) + " is disabled");
    return control;
}

void Locator::Reveal(const Spot& spot) const {
    HWND control = Shown(spot.control);
    switch (spot.where) {
        case Where::Control:
        case Where::At:
            return;
        case Where::Item: {
            HTREEITEM item = FindItem(Require(control, ControlType::Tree, spot.control), spot.path);
            std::vector<HTREEITEM> ancestors;
            for (HTREEITEM parent = TreeNext(control, item, TVGN_PARENT); parent;
                 parent = TreeNext(control, parent, TVGN_PARENT))
                ancestors.push_back(parent);
            for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it)
                if (!Expanded(control, *it)) Expand(control, *it);
            ::SendMessage(control, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
            return;
        }
        case Where::Rows:
        case Where::Cell:
        case Where::Row:
        case Where::RowBottom: {
            const int row = spot.rows.front();
            ListRow(Require(control, ControlType::List, spot.control), row);
            ::SendMessage(control, LVM_ENSUREVISIBLE, row, FALSE);
            return;
        }
        case Where::End:
        case Where::Empty:
            if (TypeOf(control) == ControlType::Tree) {
                if (HTREEITEM last = TreeNext(control, nullptr, TVGN_LASTVISIBLE))
                    ::SendMessage(control, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(last));
            } else if (TypeOf(control) == ControlType::List && ListRows(control) > 0) {
                ::SendMessage(control, LVM_ENSUREVISIBLE, ListRows(control) - 1, FALSE);
            }
            return;
    }
}

Press Locator::Point(const Spot& spot) const {
    HWND control = Shown(spot.control);
    RECT client{};
    ::GetClientRect(control, &client);
    POINT point{};
    std::string what;
    switch (spot.where) {
        case Where::Control:
            return {control, Middle(client)};
        case Where::At:
            return {control, {spot.x, spot.y}};
        case Where::End:
            return {control, Below(control)};
        case Where::Empty:
            return {control, Empty(control)};
        case Where::Item: {
            HWND tree = Require(control, ControlType::Tree, spot.control);
            const std::optional<RECT> label = TreeItemRect(tree, FindItem(tree, spot.path), true);
            RECT shown{};
            point =
                label && ::IntersectRect(&shown, &*label, &client) ? Middle(shown) : POINT{-1, -1};
            what = "tree item \"" + spot.path + "\"";
            break;
        }
        case Where::Rows:
        case Where::Cell:
            point = ListCell(Require(control, ControlType::List, spot.control), spot.rows.front(),
                             spot.where == Where::Cell ? spot.column : 0);
            what = "row " + std::to_string(spot.rows.front());
            break;
        case Where::Row:
        case Where::RowBottom: {
            const RECT row =
                ListRow(Require(control, ControlType::List, spot.control), spot.rows.front());
            // A row wider than the list is reached where the list shows it.
            point = {std::clamp(Middle(row).x, client.left, client.right - 1),
                     spot.where == Where::Row ? Middle(row).y : row.bottom - 2};
            what = "row " + std::to_string(spot.rows.front());
            break;
        }
    }
    if (!::PtInRect(&client, point))
        Fail(what + " of control " + std::to_string(spot.control) + " is out of view");
    return {control, point};
}

HTREEITEM Locator::FindItem(HWND tree, std::string_view path) const {
    HTREEITEM item = FindAmong(tree, TreeNext(tree, nullptr, TVGN_ROOT), path);
    if (!item) Fail("no tree item \"" + std::string(path) + "\"");
    return item;
}

// A label may itself contain " > ", so the path is matched label by label
// from the front rather than split; the first item in tree order whose labels
// spell the whole path wins.
HTREEITEM Locator::FindAmong(HWND tree, HTREEITEM first, std::string_view path) const {
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

// Clicks the item's expand button, found by hit-testing the item's row left
// of its label. Without a button (a root item of a tree without lines at
// the root) the item is expanded by message, which notifies the same way.
void Locator::Expand(HWND tree, HTREEITEM item) const {
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

RECT Locator::ListRow(HWND list, int row) const {
    const int rows = ListRows(list);
    if (row < 0 || row >= rows)
        Fail("row " + std::to_string(row) + " is out of range: the list has " +
             std::to_string(rows) + " rows");
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    ::SendMessage(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

// Cells are laid out from the row's left edge by the column widths, in
// column order.
POINT Locator::ListCell(HWND list, int row, int column) const {
    const int columns = ListColumns(list);
    if (column < 0 || column >= columns)
        Fail("column " + std::to_string(column) + " is out of range: the list has " +
             std::to_string(columns) + " columns");
    const RECT rect = ListRow(list, row);
    LONG left = rect.left;
    for (int c = 0; c < column; ++c)
        left += static_cast<LONG>(::SendMessage(list, LVM_GETCOLUMNWIDTH, c, 0));
    const auto width = static_cast<LONG>(::SendMessage(list, LVM_GETCOLUMNWIDTH, column, 0));
    return {left + width / 2, (rect.top + rect.bottom) / 2};
}

// Just below the last row or item, in the first column; at the top of an
// empty control's client area.
POINT Locator::Below(HWND control) const {
    RECT client{};
    ::GetClientRect(control, &client);
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

POINT Locator::Empty(HWND control) const {
    RECT client{};
    ::GetClientRect(control, &client);
    const std::array<POINT, 3> candidates = {
        Below(control),
        POINT{client.right - 2, client.bottom - 2},
        POINT{client.right - 2, client.top + 2},
    };
    for (const POINT& point : candidates)
        if (!OnItem(control, point)) return point;
    Fail("control " + std::to_string(::GetDlgCtrlID(control)) + " has no empty point");
}

}  // namespace script
