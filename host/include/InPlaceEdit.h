// The terminal's in-place editor of a list cell. It ends on Enter (keep the
// text), Escape (cancel) or when it loses the focus, reports the end to its
// list as LVN_ENDLABELEDIT (through the list's parent, which reflects it
// back to the list) and destroys itself. Create it with new; it deletes
// itself when its window is gone.
#pragma once

#include <afxwin.h>

class CInPlaceEdit : public CEdit {
public:
    CInPlaceEdit(int nRow, int nColumn, CString strInitText);
    ~CInPlaceEdit() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKillFocus(CWnd* pNewWnd);

    DECLARE_MESSAGE_MAP()

private:
    // Reports the end of the edit once and destroys the window.
    void EndEdit(bool bCancelled);

    int m_nRow;
    int m_nColumn;
    CString m_strInitText;
    bool m_bEnded = false;
};
