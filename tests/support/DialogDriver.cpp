#include "DialogDriver.h"

#include <gtest/gtest.h>

#include <functional>

namespace driver {

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& body, bool bEndWithCancel) {
    bool bShown = false;
    const afx::ModalHook previous = afx::SetModalHook([&](const afx::ModalInfo& info) {
        if (bShown || info.hwnd != dialog.GetSafeHwnd()) return;
        bShown = true;
        body();
        if (bEndWithCancel) afx::EndModal(IDCANCEL);
    });
    const INT_PTR nResult = dialog.DoModal();
    afx::SetModalHook(previous);
    EXPECT_TRUE(bShown);
    return nResult;
}

void ClickControl(CWnd& dialog, int nID) {
    CWnd* pControl = dialog.GetDlgItem(nID);
    ASSERT_NE(pControl, nullptr) << nID;
    ASSERT_TRUE(pControl->IsWindowEnabled()) << nID;
    CRect rc;
    pControl->GetClientRect(&rc);
    afx::Click(pControl->GetSafeHwnd(), rc.CenterPoint());
}

void TypeInto(CWnd& dialog, int nID, LPCSTR pszText) {
    CWnd* pEdit = dialog.GetDlgItem(nID);
    ASSERT_NE(pEdit, nullptr) << nID;
    pEdit->SetWindowText("");
    pEdit->SetFocus();
    afx::TypeText(pszText);
}

void PressKeyIn(CWnd& dialog, int nID, UINT vk) {
    CWnd* pControl = dialog.GetDlgItem(nID);
    ASSERT_NE(pControl, nullptr) << nID;
    pControl->SetFocus();
    afx::PressKey(vk);
}

HTREEITEM Item(const CTreeCtrl& tree, const std::vector<std::string>& path) {
    HTREEITEM hItem = nullptr;
    HTREEITEM hLevel = tree.GetRootItem();
    for (const std::string& label : path) {
        while (hLevel && std::string(tree.GetItemText(hLevel).GetString()) != label) {
            hLevel = tree.GetNextSiblingItem(hLevel);
        }
        if (!hLevel) {
            ADD_FAILURE() << "no tree item " << label;
            return nullptr;
        }
        hItem = hLevel;
        hLevel = tree.GetChildItem(hItem);
    }
    return hItem;
}

std::vector<std::string> PathOf(const CTreeCtrl& tree, HTREEITEM hItem) {
    std::vector<std::string> path;
    for (; hItem; hItem = tree.GetParentItem(hItem)) {
        path.insert(path.begin(), tree.GetItemText(hItem).GetString());
    }
    return path;
}

CPoint ItemPoint(CTreeCtrl& tree, HTREEITEM hItem) {
    tree.EnsureVisible(hItem);
    CRect rc;
    tree.GetItemRect(hItem, &rc, TRUE);
    return rc.CenterPoint();
}

void ClickItem(CTreeCtrl& tree, HTREEITEM hItem) {
    afx::Click(tree.GetSafeHwnd(), ItemPoint(tree, hItem));
}

void DoubleClickItem(CTreeCtrl& tree, HTREEITEM hItem) {
    afx::DoubleClick(tree.GetSafeHwnd(), ItemPoint(tree, hItem));
}

CPoint RowPoint(const CListCtrl& list, int nRow) {
    CRect rc;
    list.GetItemRect(nRow, &rc, LVIR_BOUNDS);
    // Column 0 is hidden: aim at the "No" column beside it.
    return {rc.left + 10, rc.CenterPoint().y};
}

CPoint EndPoint(const CListCtrl& list) {
    CRect rcClient;
    list.GetClientRect(&rcClient);
    const int nRows = list.GetItemCount();
    if (nRows == 0) return {rcClient.left + 10, rcClient.top + 40};
    CRect rc;
    list.GetItemRect(nRows - 1, &rc, LVIR_BOUNDS);
    return {rc.left + 10, rc.bottom + rc.Height()};
}

void ClickRow(CListCtrl& list, int nRow) {
    list.EnsureVisible(nRow, FALSE);
    afx::Click(list.GetSafeHwnd(), RowPoint(list, nRow));
}

void DoubleClickRow(CListCtrl& list, int nRow) {
    list.EnsureVisible(nRow, FALSE);
    afx::DoubleClick(list.GetSafeHwnd(), RowPoint(list, nRow));
}

bool Drag(CWnd& source, CPoint from, CWnd& target, CPoint to) {
    CPoint screen = to;
    target.ClientToScreen(&screen);
    return afx::DragFrom(source.GetSafeHwnd(), from,
                         {afx::DragStep::MoveTo({screen.x + 1, screen.y}),
                          afx::DragStep::MoveTo(screen), afx::DragStep::Release()});
}

std::vector<std::string> TreeLines(const CTreeCtrl& tree) {
    std::vector<std::string> lines;
    std::function<void(HTREEITEM, int)> walk = [&](HTREEITEM hItem, int nDepth) {
        for (; hItem; hItem = tree.GetNextSiblingItem(hItem)) {
            std::string line(static_cast<size_t>(nDepth) * 2, ' ');
            line += tree.GetItemText(hItem).GetString();
            line += " img=" + std::to_string(tree.GetItemState(hItem, TVIS_STATEIMAGEMASK) >> 12);
            if (tree.ItemHasChildren(hItem)) line += " +";
            if (tree.GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED) line += " open";
            if (tree.GetSelectedItem() == hItem) line += " sel";
            lines.push_back(line);
            walk(tree.GetChildItem(hItem), nDepth + 1);
        }
    };
    walk(tree.GetRootItem(), 0);
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
