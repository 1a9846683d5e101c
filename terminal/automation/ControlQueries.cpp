#include "ControlQueries.h"

#include <afxcodepage.h>
#include <commctrl.h>

#include <strings.h>

#include <cstring>
#include <vector>

namespace automation {
namespace {

// Long enough for any label or cell of the module's controls; a longer text
// comes back cut, as it would to any caller of these messages.
constexpr int kTextBuffer = 1024;

}  // namespace

std::string ClassOf(HWND control) {
    char name[64] = {};
    ::GetClassName(control, name, sizeof name);
    return name;
}

ControlType TypeOf(HWND control) {
    const std::string name = ClassOf(control);
    if (::strcasecmp(name.c_str(), WC_TREEVIEW) == 0) return ControlType::Tree;
    if (::strcasecmp(name.c_str(), WC_LISTVIEW) == 0) return ControlType::List;
    return ControlType::Other;
}

std::string TextOf(HWND window) {
    const auto length = ::SendMessage(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    ::SendMessage(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return afx::Cp949ToUtf8(text.data());
}

std::string TreeLabel(HWND tree, HTREEITEM item) {
    char text[kTextBuffer] = {};
    TVITEM tvi{};
    tvi.mask = TVIF_TEXT;
    tvi.hItem = item;
    tvi.pszText = text;
    tvi.cchTextMax = kTextBuffer;
    ::SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&tvi));
    return afx::Cp949ToUtf8(text);
}

HTREEITEM TreeNext(HWND tree, HTREEITEM item, UINT code) {
    return reinterpret_cast<HTREEITEM>(
        ::SendMessage(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

UINT TreeState(HWND tree, HTREEITEM item) {
    return static_cast<UINT>(
        ::SendMessage(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), 0xFFFFFFFF));
}

bool TreeChildrenFlag(HWND tree, HTREEITEM item) {
    TVITEM tvi{};
    tvi.mask = TVIF_CHILDREN;
    tvi.hItem = item;
    ::SendMessage(tree, TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&tvi));
    return tvi.cChildren != 0;
}

std::optional<RECT> TreeItemRect(HWND tree, HTREEITEM item, bool labelOnly) {
    // The message takes the item in the rectangle's first bytes.
    RECT rect{};
    std::memcpy(&rect, &item, sizeof item);
    if (!::SendMessage(tree, TVM_GETITEMRECT, labelOnly, reinterpret_cast<LPARAM>(&rect)))
        return std::nullopt;
    return rect;
}

std::vector<std::string> TreeLabels(HWND tree, HTREEITEM item) {
    std::vector<std::string> labels;
    for (; item; item = TreeNext(tree, item, TVGN_PARENT))
        labels.insert(labels.begin(), TreeLabel(tree, item));
    return labels;
}

std::string TreePath(HWND tree, HTREEITEM item) {
    const std::vector<std::string> labels = TreeLabels(tree, item);
    std::string path;
    for (std::size_t i = 0; i < labels.size(); ++i) path += (i > 0 ? " > " : "") + labels[i];
    return path;
}

// Without recursion: a menu may nest deeper than the stack.
void ForEachTreeItem(HWND tree, const std::function<void(HTREEITEM item, int depth)>& visit) {
    int depth = 0;
    for (HTREEITEM item = TreeNext(tree, nullptr, TVGN_ROOT); item;) {
        visit(item, depth);
        if (HTREEITEM child = TreeNext(tree, item, TVGN_CHILD)) {
            item = child;
            ++depth;
            continue;
        }
        while (item && !TreeNext(tree, item, TVGN_NEXT)) {
            item = TreeNext(tree, item, TVGN_PARENT);
            --depth;
        }
        if (item) item = TreeNext(tree, item, TVGN_NEXT);
    }
}

int ListRows(HWND list) {
    return static_cast<int>(::SendMessage(list, LVM_GETITEMCOUNT, 0, 0));
}

int ListColumns(HWND list) {
    const auto header = reinterpret_cast<HWND>(::SendMessage(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(::SendMessage(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string ListText(HWND list, int row, int column) {
    char text[kTextBuffer] = {};
    LVITEM lvi{};
    lvi.iSubItem = column;
    lvi.pszText = text;
    lvi.cchTextMax = kTextBuffer;
    ::SendMessage(list, LVM_GETITEMTEXT, row, reinterpret_cast<LPARAM>(&lvi));
    return afx::Cp949ToUtf8(text);
}

}  // namespace automation
