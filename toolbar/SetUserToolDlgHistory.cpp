// Undo and redo: the history watches the messages that carry a person's
// actions, and a step comes back as new records for the group tree, whose
// items are made anew, and the list of the group that was selected.
#include "SetUserToolDlg.h"

LRESULT CSetUserToolDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) m_history.Close();
    const auto action = m_history.Track(IsActionMessage(message));
    return CVoDialog::WindowProc(message, wParam, lParam);
}

CToolbarHistory::Hooks CSetUserToolDlg::HistoryHooks() {
    return {
        [this](const ToolbarContent& shown) { return CaptureGroups(m_groupRoot, shown); },
        [this] { return CurrentView(); },
        [this](const ToolbarContent& groups, const ToolbarView& view) { ShowState(groups, view); }};
}

ToolbarView CSetUserToolDlg::CurrentView() const {
    const HTREEITEM hRoot = m_treeGroup.GetRootItem();
    const HTREEITEM hSelected = m_treeGroup.GetSelectedItem();
    ToolbarView view;
    view.nGroup = hSelected ? -1 : -2;
    int n = 0;
    for (HTREEITEM hGroup = m_treeGroup.GetChildItem(hRoot); hGroup && hSelected;
         hGroup = m_treeGroup.GetNextSiblingItem(hGroup), ++n) {
        if (hGroup == hSelected) view.nGroup = n;
    }
    view.bRootOpen = (m_treeGroup.GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    view.list = CListPlace::Of(m_listTool);
    return view;
}

// Deleting a group's item frees its record. The modified flag tells whether
// what is shown differs from what the dialog opened with.
void CSetUserToolDlg::ShowState(const ToolbarContent& groups, const ToolbarView& view) {
    const HTREEITEM hRoot = m_treeGroup.GetRootItem();
    m_treeGroup.SelectItem(hRoot);
    while (const HTREEITEM hGroup = m_treeGroup.GetChildItem(hRoot)) m_treeGroup.DeleteItem(hGroup);
    m_groupRoot.DeleteAllChildren();
    HTREEITEM hSelected = view.nGroup == -1 ? hRoot : nullptr;
    int n = 0;
    for (const auto& group : groups) {
        CMenuInfo* pGroup = group->MakeRecord();
        m_groupRoot.m_listChild.AddTail(pGroup);
        const HTREEITEM hGroup = InsertGroupItem(pGroup, hRoot);
        if (n++ == view.nGroup) hSelected = hGroup;
    }
    RefreshGroupItem(hRoot);
    m_treeGroup.Expand(hRoot, view.bRootOpen ? TVE_EXPAND : TVE_COLLAPSE);
    m_treeGroup.SelectItem(hSelected);
    ShowGroupScreens(hSelected);
    view.list.ShowIn(m_listTool);
    m_bModified = !m_history.AtStart();
}
