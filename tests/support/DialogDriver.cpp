#include "DialogDriver.h"

#include <Acts.h>
#include <ControlQueries.h>
#include <Hooks.h>
#include <Locator.h>
#include <afxcodepage.h>
#include <gtest/gtest.h>

#include <exception>
#include <type_traits>

namespace driver {
namespace {

// A failure of the automation library fails the test with its message and
// goes no further: the driver runs inside a dialog's modal loop, and no
// exception may cross the event loop.
template <typename Act, typename Result = std::invoke_result_t<Act>>
Result Reported(const Act& act) {
    try {
        return act();
    } catch (const std::exception& error) {
        ADD_FAILURE() << error.what();
        if constexpr (!std::is_void_v<Result>) return Result{};
    }
}

// Where a person clicks an item, once they have brought it into view.
POINT Reached(CTreeCtrl& tree, HTREEITEM hItem) {
    automation::RevealItem(tree.GetSafeHwnd(), hItem);
    return automation::ItemPoint(tree.GetSafeHwnd(), hItem);
}

automation::Spot Cell(const CListCtrl& list, int nRow, int nColumn) {
    automation::Spot spot;
    spot.control = list.GetDlgCtrlID();
    spot.where = automation::Spot::Where::Cell;
    spot.rows = {nRow};
    spot.column = nColumn;
    return spot;
}

}  // namespace

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& body, bool bEndWithCancel) {
    return Reported([&] { return automation::RunModal(dialog, body, bEndWithCancel); });
}

void ClickControl(CWnd& dialog, int nID) {
    automation::Spot spot;
    spot.control = nID;
    Reported([&] { automation::Click(dialog.GetSafeHwnd(), spot); });
}

void TypeInto(CWnd& dialog, int nID, LPCSTR pszText) {
    Reported([&] {
        HWND hEdit = automation::Enabled(dialog.GetSafeHwnd(), nID);
        ::SetFocus(hEdit);
        automation::TypeOver(hEdit, pszText);
        // Typing nothing over the selection leaves it; a person clears it.
        if (*pszText == '\0') afx::PressKey(VK_BACK);
    });
}

void PressKeyIn(CWnd& dialog, int nID, UINT vk) {
    Reported([&] {
        ::SetFocus(automation::Enabled(dialog.GetSafeHwnd(), nID));
        afx::PressKey(vk);
    });
}

HTREEITEM Item(const CTreeCtrl& tree, const std::vector<std::string>& path) {
    std::string strPath;
    for (size_t i = 0; i < path.size(); ++i)
        strPath += (i > 0 ? " > " : "") + afx::Cp949ToUtf8(path[i]);
    return Reported([&] { return automation::FindItem(tree.GetSafeHwnd(), strPath); });
}

std::vector<std::string> PathOf(const CTreeCtrl& tree, HTREEITEM hItem) {
    std::vector<std::string> path = automation::TreeLabels(tree.GetSafeHwnd(), hItem);
    for (std::string& label : path) label = afx::Utf8ToCp949(label);
    return path;
}

CPoint ItemPoint(CTreeCtrl& tree, HTREEITEM hItem) {
    return Reported([&] { return CPoint(Reached(tree, hItem)); });
}

void ClickItem(CTreeCtrl& tree, HTREEITEM hItem) {
    Reported([&] { afx::Click(tree.GetSafeHwnd(), Reached(tree, hItem)); });
}

void DoubleClickItem(CTreeCtrl& tree, HTREEITEM hItem) {
    Reported([&] { afx::DoubleClick(tree.GetSafeHwnd(), Reached(tree, hItem)); });
}

CPoint RowPoint(const CListCtrl& list, int nRow, bool bBottom) {
    return Reported(
        [&] { return CPoint(automation::RowPoint(list.GetSafeHwnd(), nRow, bBottom)); });
}

CPoint EndPoint(const CWnd& control) {
    return Reported([&] { return CPoint(automation::EndPoint(control.GetSafeHwnd())); });
}

void ClickCell(CListCtrl& list, int nRow, int nColumn, UINT keys) {
    Reported([&] { automation::Click(::GetParent(list), Cell(list, nRow, nColumn), keys); });
}

void DoubleClickRow(CListCtrl& list, int nRow) {
    Reported([&] { automation::DoubleClick(::GetParent(list), Cell(list, nRow, 0)); });
}

bool Drag(const Place& from, const std::vector<Place>& via, const Place& to, bool bCancel) {
    const auto press = [](const Place& place) {
        return automation::Press{place.pWnd->GetSafeHwnd(), place.point};
    };
    std::vector<automation::Press> passed;
    for (const Place& place : via) passed.push_back(press(place));
    return automation::Drag(press(from), passed, press(to), bCancel);
}

std::vector<std::string> TreeLines(const CTreeCtrl& tree) {
    std::vector<std::string> lines;
    automation::ForEachTreeItem(tree.GetSafeHwnd(), [&](HTREEITEM hItem, int nDepth) {
        std::string line(static_cast<size_t>(nDepth) * 2, ' ');
        line += tree.GetItemText(hItem).GetString();
        line += " img=" + std::to_string(tree.GetItemState(hItem, TVIS_STATEIMAGEMASK) >> 12);
        if (tree.ItemHasChildren(hItem)) line += " +";
        if (tree.GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED) line += " open";
        if (tree.GetSelectedItem() == hItem) line += " sel";
        lines.push_back(line);
    });
    return lines;
}

void ExpectUndoneAndRedone(const std::function<std::string()>& shown,
                           const std::function<void()>& act,
                           const std::function<void(bool bUndone)>& check) {
    const std::string strBefore = shown();
    act();
    const std::string strAfter = shown();
    ASSERT_NE(strAfter, strBefore);
    check(false);
    for (const int nTimes : {1, 2}) {
        SCOPED_TRACE(nTimes);
        afx::PressKey('Z', MK_CONTROL);
        EXPECT_EQ(shown(), strBefore);
        check(true);
    }
    afx::PressKey('Y', MK_CONTROL);
    EXPECT_EQ(shown(), strAfter);
    check(false);
}

}  // namespace driver
