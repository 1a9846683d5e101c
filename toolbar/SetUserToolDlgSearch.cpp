// The menu search ("Search", "<", ">").
#include "SetUserToolDlg.h"

void CSetUserToolDlg::Search() {
    m_search.Search();
}

void CSetUserToolDlg::PrevHit() {
    m_search.PrevHit();
}

void CSetUserToolDlg::NextHit() {
    m_search.NextHit();
}
