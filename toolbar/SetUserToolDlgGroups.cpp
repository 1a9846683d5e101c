// The group operations: adding, renaming and deleting groups, and moving a
// screen to another group through the group move dialog. Until they are
// written the buttons do nothing and a label edit is refused.
#include "SetUserToolDlg.h"

void CSetUserToolDlg::AddGroup() {}

void CSetUserToolDlg::RenameGroup() {}

void CSetUserToolDlg::DeleteGroup() {}

void CSetUserToolDlg::MoveScreenToGroup() {}

void CSetUserToolDlg::OnBeginGroupEdit(NMHDR*, LRESULT* pResult) {
    *pResult = TRUE;
}

void CSetUserToolDlg::OnEndGroupEdit(NMHDR*, LRESULT* pResult) {
    *pResult = FALSE;
}
