// The screens of a toolbar group: the list that shows them, registering,
// removing and reordering them, and the drops that end in the dialog's
// private messages. Every change goes to the group's record first; the list
// is rebuilt from the record afterwards.
#include <algorithm>

#include "SetUserToolDlg.h"

namespace {

CString DuplicateMessage(const CString& strName) {
    CString strText;
    strText.Format("[%s] The specified screen already exists.", strName.GetString());
    return strText;
}

}  // namespace

CString CSetUserToolDlg::LimitMessage() {
    CString strText;
    strText.Format("In one toolbar, more than %d items cannot be put.", kMaxScreens);
    return strText;
}

void CSetUserToolDlg::ShowGroupScreens(HTREEITEM hItem) {
    m_hCurGroup = hItem;
    m_listTool.DeleteAllItems();
    const CMenuInfo* pGroup = GroupRecord(hItem);
    if (!pGroup || pGroup->m_nKind == MENU_KIND_ROOT) return;
    pGroup->FillListCtrl(m_listTool);
    SelectRow(0);
}

int CSetUserToolDlg::GetSelectedListIndex() const {
    return m_listTool.GetNextItem(-1, LVNI_SELECTED);
}

std::vector<int> CSetUserToolDlg::SelectedRows() const {
    std::vector<int> rows;
    for (int nRow = GetSelectedListIndex(); nRow >= 0;
         nRow = m_listTool.GetNextItem(nRow, LVNI_SELECTED)) {
        rows.push_back(nRow);
    }
    return rows;
}

void CSetUserToolDlg::SelectRow(int nRow) {
    if (nRow < 0) return;
    m_listTool.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_listTool.EnsureVisible(nRow, FALSE);
}

void CSetUserToolDlg::RefreshList(const CMenuInfo& group, int nRow) {
    m_listTool.DeleteAllItems();
    group.FillListCtrl(m_listTool);
    SelectRow(nRow);
}

bool CSetUserToolDlg::AddScreen(CMenuInfo* pGroup, const CMenuNode* pNode, int nAfter) {
    if (pGroup->m_listChild.GetCount() >= kMaxScreens) {
        Alert(LimitMessage());
        return false;
    }
    if (!pGroup->AddChildFromNode(pNode, nAfter)) {
        Alert(DuplicateMessage(pNode->m_strName));
        return false;
    }
    m_bModified = TRUE;
    return true;
}

void CSetUserToolDlg::RegisterAfterSelection(const CMenuNode* pNode) {
    CMenuInfo* pGroup = GroupRecord(m_treeGroup.GetSelectedItem());
    if (!pGroup || pGroup->m_nKind != MENU_KIND_GROUP) {
        Alert("Specify group to insert.");
        return;
    }
    const int nAfter = GetSelectedListIndex();
    if (AddScreen(pGroup, pNode, nAfter)) RefreshList(*pGroup, nAfter + 1);
}

// Only screens leave the menu: folders, and the favorites folders that
// carry no node, are refused.
void CSetUserToolDlg::RegisterScreen() {
    const HTREEITEM hItem = m_treeMenu.GetSelectedItem();
    if (!hItem) {
        Alert("Please select a menu item to add from the Halvane VORK menu..");
        return;
    }
    const CMenuNode* pNode = MenuNode(hItem);
    if (!pNode || pNode->m_nKind != MENU_NODE_SCREEN) {
        Warn("You can add only screen in the VORK menu.", "Notice");
        return;
    }
    RegisterAfterSelection(pNode);
}

// The drag selected the dropped menu item; where on the list it fell does
// not matter, the screen goes after the first selected row.
LRESULT CSetUserToolDlg::OnDroppedOnList(WPARAM wParam, LPARAM) {
    if (static_cast<int>(wParam) < 0) return 0;
    const CMenuNode* pNode = MenuNode(m_treeMenu.GetSelectedItem());
    if (!pNode || pNode->m_nKind != MENU_NODE_SCREEN) {
        Warn("You can add only screen in the VORK menu.", "Notice");
        return 0;
    }
    RegisterAfterSelection(pNode);
    return 0;
}

// The target is the group tree's drop highlight, which never lies on the
// root, so it is a group.
LRESULT CSetUserToolDlg::OnMenuItemDropped(WPARAM wParam, LPARAM lParam) {
    const auto hDragged = reinterpret_cast<HTREEITEM>(wParam);
    const auto hTarget = reinterpret_cast<HTREEITEM>(lParam);
    if (!hDragged || !hTarget) return 0;
    const CMenuNode* pNode = MenuNode(hDragged);
    CMenuInfo* pGroup = GroupRecord(hTarget);
    if (!pGroup) return 0;
    if (!pNode || pNode->m_nKind != MENU_NODE_SCREEN) {
        Warn("You can add only screen in the VORK menu.", "Notice");
        return 0;
    }
    if (!AddScreen(pGroup, pNode, -1) || hTarget != m_hCurGroup) return 0;
    m_listTool.DeleteAllItems();
    pGroup->FillListCtrl(m_listTool);
    return 0;
}

void CSetUserToolDlg::DeleteScreens() {
    CMenuInfo* pGroup = GroupRecord(m_treeGroup.GetSelectedItem());
    if (!pGroup || pGroup->m_nKind == MENU_KIND_ROOT) return;
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) {
        Warn("Select screen to delete from the my Menu", "my Menu Editor");
        return;
    }
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        m_listTool.DeleteItem(*it);
        pGroup->DeleteChild(*it);
    }
    SelectRow(std::min(rows.front(), m_listTool.GetItemCount() - 1));
    m_bModified = TRUE;
}

LRESULT CSetUserToolDlg::OnListDroppedOnMenu(WPARAM, LPARAM) {
    DeleteScreens();
    return 0;
}

void CSetUserToolDlg::DeleteAllScreens() {
    CMenuInfo* pGroup = GroupRecord(m_hCurGroup);
    if (!pGroup || pGroup->m_nKind == MENU_KIND_ROOT) return;
    if (m_listTool.GetItemCount() == 0) {
        Alert("There is no issue selected.");
        return;
    }
    pGroup->DeleteAllChildren();
    m_listTool.DeleteAllItems();
    m_bModified = TRUE;
}

void CSetUserToolDlg::MoveScreenToTop() {
    MoveScreen(Move::Top);
}
void CSetUserToolDlg::MoveScreenUp() {
    MoveScreen(Move::Up);
}
void CSetUserToolDlg::MoveScreenDown() {
    MoveScreen(Move::Down);
}
void CSetUserToolDlg::MoveScreenToBottom() {
    MoveScreen(Move::Bottom);
}

// The arrow buttons move the first selected row only.
void CSetUserToolDlg::MoveScreen(Move how) {
    CMenuInfo* pGroup = GroupRecord(m_hCurGroup);
    const int nRow = GetSelectedListIndex();
    if (!pGroup || nRow < 0) {
        Alert("Please select issue.");
        return;
    }
    const int nLast = m_listTool.GetItemCount() - 1;
    const bool bUpwards = how == Move::Top || how == Move::Up;
    if (nRow == (bUpwards ? 0 : nLast)) {
        Alert(bUpwards ? "You are at the beginning of data." : "You are at the end of data.");
        return;
    }
    int nNewRow = 0;
    switch (how) {
        case Move::Top:
            pGroup->MoveChildToTop(nRow);
            nNewRow = 0;
            break;
        case Move::Up:
            pGroup->MoveChildUp(nRow);
            nNewRow = nRow - 1;
            break;
        case Move::Down:
            pGroup->MoveChildDown(nRow);
            nNewRow = nRow + 1;
            break;
        case Move::Bottom:
            pGroup->MoveChildToBottom(nRow);
            nNewRow = nLast;
            break;
    }
    RefreshList(*pGroup, nNewRow);
    m_bModified = TRUE;
}

// The dragged rows go behind the row at the insertion index (the last row
// for a drop past the end); a run of several arrives reversed.
LRESULT CSetUserToolDlg::OnListItemsMoved(WPARAM wParam, LPARAM lParam) {
    const auto nFrom = static_cast<int>(wParam);
    const auto nTo = static_cast<int>(lParam);
    if (nFrom < 0 || nTo < 0) return 0;
    CMenuInfo* pGroup = GroupRecord(m_treeGroup.GetSelectedItem());
    if (!pGroup || pGroup->m_nKind != MENU_KIND_GROUP) {
        Alert("Specify group to insert.");
        return 0;
    }
    const int nAnchor = std::min(nTo, m_listTool.GetItemCount() - 1);
    if (!pGroup->MoveChildren(nFrom, nAnchor, static_cast<int>(m_listTool.GetSelectedCount()))) {
        return 0;
    }
    RefreshList(*pGroup, nFrom < nAnchor ? nAnchor : nAnchor + 1);
    m_bModified = TRUE;
    return 0;
}

// The selected rows move to the end of the target, the lowest row last. A
// refusal stops the walk; what moved before it stays moved.
LRESULT CSetUserToolDlg::OnListDroppedOnGroups(WPARAM, LPARAM lParam) {
    const auto hTarget = reinterpret_cast<HTREEITEM>(lParam);
    if (!hTarget) return 0;
    CMenuInfo* pSource = GroupRecord(m_hCurGroup);
    CMenuInfo* pTarget = GroupRecord(hTarget);
    if (!pSource || !pTarget || pTarget->m_nKind == MENU_KIND_ROOT) return 0;
    const std::vector<int> rows = SelectedRows();
    if (rows.empty()) {
        Alert("Select the screen menu item to move");
        return 0;
    }
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (pTarget->m_listChild.GetCount() >= kMaxScreens) {
            Alert(LimitMessage());
            break;
        }
        CMenuInfo* pScreen = pSource->DetachChild(*it);
        if (pTarget->AddChild(pScreen, -1)) continue;
        // Back to its old place; inserting by position cannot be refused.
        if (const POSITION pos = pSource->m_listChild.FindIndex(*it)) {
            pSource->m_listChild.InsertBefore(pos, pScreen);
        } else {
            pSource->m_listChild.AddTail(pScreen);
        }
        Alert(DuplicateMessage(pScreen->m_strName));
        break;
    }
    RefreshList(*pSource, std::max(rows.front() - 1, 0));
    m_bModified = TRUE;
    return 0;
}
