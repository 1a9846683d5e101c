#include <afxcmn.h>

#include "toolbar/MenuInfo.h"

void CMenuInfo::FillListCtrl(CListCtrl& list) const {
    for (POSITION pos = m_listChild.GetHeadPosition(); pos != nullptr;) {
        const CMenuInfo* pChild = m_listChild.GetNext(pos);
        const int nRow = list.InsertItem(list.GetItemCount(), pChild->m_strScreenNo);
        list.SetItemText(nRow, 1, pChild->m_strName);
        list.SetItemText(nRow, 2, pChild->m_strShortName);
    }
}
