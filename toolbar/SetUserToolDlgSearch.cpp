// The menu search ("Search", "<", ">") and the default toolbar picker
// ("Modify Group"). Until they are written the buttons do nothing.
#include "SetUserToolDlg.h"

void CSetUserToolDlg::Search() {}

void CSetUserToolDlg::PrevHit() {}

void CSetUserToolDlg::NextHit() {}

void CSetUserToolDlg::ModifyGroup() {}
