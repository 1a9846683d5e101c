#include "Dumper.h"

#include <afxautomation.h>
#include <afxwin.h>
#include <commctrl.h>

#include <strings.h>

#include <cctype>
#include <optional>
#include <stdexcept>
#include <string>

#include "ControlQueries.h"

namespace script {

using namespace automation;

namespace {

bool IsCheckStyle(LONG style) {
    const LONG type = style & BS_TYPEMASK;
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
}

// The text colour the dialog's colour handler sets for a static; none when
// it leaves the text colour alone.
std::optional<std::uint32_t> StaticTextColor(HWND control) {
    COLORREF color = 0;
    if (!afx::ControlTextColor(control, CTLCOLOR_STATIC, &color)) return std::nullopt;
    return color;
}

}  // namespace

void Dumper::Dialog(HWND dialog, int templateId) {
    m_output.Dialog(templateId, TextOf(dialog));
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        Control(child);
}

void Dumper::Control(HWND control) {
    switch (TypeOf(control)) {
        case ControlType::Tree:
            Tree(control);
            break;
        case ControlType::List:
            List(control);
            break;
        case ControlType::Other:
            Other(control);
            break;
    }
}

void Dumper::Tree(HWND tree) {
    m_output.Tree(::GetDlgCtrlID(tree));
    const HTREEITEM caret = TreeNext(tree, nullptr, TVGN_CARET);
    const HTREEITEM hot = TreeNext(tree, nullptr, TVGN_DROPHILITE);
    ForEachTreeItem(tree, [&](HTREEITEM item, int depth) {
        const UINT state = TreeState(tree, item);
        m_output.TreeItem({depth, TreeLabel(tree, item), TreeChildrenFlag(tree, item),
                           (state & TVIS_EXPANDED) != 0, item == caret, item == hot,
                           static_cast<int>((state & TVIS_STATEIMAGEMASK) >> 12)});
    });
}

void Dumper::Top(HWND control) {
    const int id = ::GetDlgCtrlID(control);
    switch (TypeOf(control)) {
        case ControlType::Tree: {
            HTREEITEM item = TreeNext(control, nullptr, TVGN_FIRSTVISIBLE);
            m_output.TopItem(id, item ? std::optional(TreePath(control, item)) : std::nullopt);
            return;
        }
        case ControlType::List:
            m_output.TopRow(id, static_cast<int>(::SendMessage(control, LVM_GETTOPINDEX, 0, 0)));
            return;
        case ControlType::Other:
            throw std::runtime_error("control " + std::to_string(id) +
                                     " is neither a tree nor a list");
    }
}

void Dumper::List(HWND list) {
    const int rows = ListRows(list);
    const int columns = ListColumns(list);
    m_output.List(::GetDlgCtrlID(list), rows,
                  static_cast<int>(::SendMessage(list, LVM_GETSELECTIONMARK, 0, 0)),
                  static_cast<int>(::SendMessage(list, LVM_GETTOPINDEX, 0, 0)));
    for (int row = 0; row < rows; ++row) {
        ListRowView view;
        view.row = row;
        for (int column = 0; column < columns; ++column)
            view.columns.push_back(ListText(list, row, column));
        const auto state = static_cast<UINT>(::SendMessage(
            list, LVM_GETITEMSTATE, row, LVIS_SELECTED | LVIS_FOCUSED | LVIS_DROPHILITED));
        view.selected = (state & LVIS_SELECTED) != 0;
        view.focused = (state & LVIS_FOCUSED) != 0;
        view.hot = (state & LVIS_DROPHILITED) != 0;
        m_output.ListRow(view);
    }
}

void Dumper::Other(HWND control) {
    ControlView view;
    view.id = ::GetDlgCtrlID(control);
    view.text = TextOf(control);
    view.disabled = !::IsWindowEnabled(control);
    const std::string name = ClassOf(control);
    if (::strcasecmp(name.c_str(), "Button") == 0) {
        const bool check = IsCheckStyle(GetWindowLong(control, GWL_STYLE));
        view.kind = check ? "check" : "button";
        if (check) view.checked = ::SendMessage(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    } else if (::strcasecmp(name.c_str(), "Static") == 0) {
        view.kind = "static";
        view.textColor = StaticTextColor(control);
    } else {
        // "Edit", and any other class by its own name.
        for (const char c : name)
            view.kind += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    m_output.Control(view);
}

}  // namespace script
