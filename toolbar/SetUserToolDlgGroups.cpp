// The group operations: adding, renaming and deleting groups, and moving a
// screen to another group through the group move dialog. Every change goes
// to the records first; the group tree and the list follow them.
#include <climits>

#include "GroupMoveDlg.h"
#include "GroupName.h"
#include "SetUserToolDlg.h"

namespace {

// The group tree takes a new group while it holds at most this many items,
// its root included: the root and 20 groups is the fullest tree.
constexpr UINT kMaxGroupTreeItems = 20;
constexpr int kGroupNameBytes = 40;

CString RenameRefusal(const CString& strName, LPCSTR pszReason) {
    CString strText;
    strText.Format("Unable to rename [%s].\n%s\nPlease specify other name.", strName.GetString(),
                   pszReason);
    return strText;
}

}  // namespace

bool CSetUserToolDlg::MakeUniqueGroupName(HTREEITEM hParent, CString& strName) const {
    const CMenuInfo* pParent = GroupRecord(hParent);
    CString strCandidate = "NewGroup";
    for (int i = 1; pParent && i < INT_MAX; ++i) {
        if (!FindGroup(*pParent, strCandidate)) {
            strName = strCandidate;
            return true;
        }
        strCandidate.Format("NewGroup(%d)", i);
    }
    strName.Empty();
    return false;
}

// The new group is selected, which shows its empty list, and its label is
// opened for the user's own name at once.
void CSetUserToolDlg::AddGroup() {
    const HTREEITEM hRoot = m_treeGroup.GetRootItem();
    CString strName;
    if (m_treeGroup.GetCount() > kMaxGroupTreeItems || !MakeUniqueGroupName(hRoot, strName)) {
        Alert("Can't create any more groups.");
        return;
    }
    auto* pGroup = new CMenuInfo;
    pGroup->m_strName = strName;
    const HTREEITEM hGroup = InsertGroupItem(pGroup, hRoot);
    m_groupRoot.m_listChild.AddTail(pGroup);
    if (m_groupRoot.m_listChild.GetCount() == 1) RefreshGroupItem(hRoot);
    m_treeGroup.SelectItem(hGroup);
    m_treeGroup.EditLabel(hGroup);
    m_bModified = TRUE;
}

void CSetUserToolDlg::RenameGroup() {
    const HTREEITEM hItem = m_treeGroup.GetSelectedItem();
    if (!hItem) return;
    m_treeGroup.EditLabel(hItem);
    m_bModified = TRUE;
}

void CSetUserToolDlg::OnBeginGroupEdit(NMHDR*, LRESULT* pResult) {
    if (CEdit* pEdit = m_treeGroup.GetEditControl()) pEdit->LimitText(kGroupNameBytes);
    m_bModified = TRUE;
    *pResult = 0;
}

// The tree never takes the text itself (result 0): an accepted name goes to
// the record and from there to the label, and every other ending puts the
// record's name back on the label, which the tree control may already have
// changed to the text typed. A refused name keeps the typed text on the
// label for the editor that opens again on it. An emptied or cancelled label
// keeps the old name, and the root is never renamed.
void CSetUserToolDlg::OnEndGroupEdit(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const HTREEITEM hItem = m_treeGroup.GetSelectedItem();
    CMenuInfo* pGroup = GroupRecord(hItem);
    if (!pGroup) return;
    const LPCSTR pszText = reinterpret_cast<NMTVDISPINFO*>(pNMHDR)->item.pszText;
    if (pGroup->m_nKind != MENU_KIND_ROOT && pszText && *pszText) {
        const CString strName = CutGroupNameBlanks(pszText);
        CString strFault = GroupNameFault(strName);
        if (strFault.IsEmpty() && FindGroup(m_groupRoot, strName, pGroup)) {
            strFault = "A screen with the specified name is already present.";
        }
        if (!strFault.IsEmpty()) {
            Alert(RenameRefusal(strName, strFault));
            // The editor that sent this is still closing; the new one opens after it.
            m_treeGroup.PostMessage(TVM_EDITLABEL, 0, reinterpret_cast<LPARAM>(hItem));
            return;
        }
        pGroup->m_strName = strName;
        m_bModified = TRUE;
    }
    m_treeGroup.SetItemText(hItem, pGroup->m_strName);
}

// A group goes without a question, whatever it holds; all groups go after
// one. Deleting an item frees its record (OnDeleteGroupItem).
void CSetUserToolDlg::DeleteGroup() {
    const HTREEITEM hItem = m_treeGroup.GetSelectedItem();
    const CMenuInfo* pInfo = GroupRecord(hItem);
    if (!pInfo) return;
    if (pInfo->m_nKind != MENU_KIND_ROOT) {
        m_treeGroup.DeleteItem(hItem);
        m_bModified = TRUE;
        return;
    }
    if (!Ask("Do you want to delete All Group?")) return;
    while (const HTREEITEM hChild = m_treeGroup.GetChildItem(hItem)) m_treeGroup.DeleteItem(hChild);
    RefreshGroupItem(hItem);
    m_bModified = TRUE;
}

// Moves the first selected screen to the end of the group the user picks,
// without the target's limit or duplicate test.
void CSetUserToolDlg::MoveScreenToGroup() {
    const HTREEITEM hGroup = m_treeGroup.GetSelectedItem();
    const int nRow = GetSelectedListIndex();
    if (nRow < 0) {
        Alert("Select the screen menu item to move");
        return;
    }
    CGroupMoveDlg dlg;
    dlg.m_rootCopy = m_groupRoot;
    if (dlg.DoModal() != IDOK || dlg.m_strGroupName.IsEmpty()) return;
    HTREEITEM hTarget = m_treeGroup.GetChildItem(m_treeGroup.GetRootItem());
    while (hTarget && !IsSameGroupName(m_treeGroup.GetItemText(hTarget), dlg.m_strGroupName)) {
        hTarget = m_treeGroup.GetNextSiblingItem(hTarget);
    }
    CMenuInfo* pSource = GroupRecord(hGroup);
    if (!hTarget || hTarget == hGroup || !pSource) return;
    GroupRecord(hTarget)->m_listChild.AddTail(pSource->DetachChild(nRow));
    m_listTool.DeleteItem(nRow);
    m_bModified = TRUE;
}
