// The menu search ("Search", "<", ">"). Until it is written the buttons do
// nothing.
#include "SetUserToolDlg.h"

void CSetUserToolDlg::Search() {}

void CSetUserToolDlg::PrevHit() {}

void CSetUserToolDlg::NextHit() {}
