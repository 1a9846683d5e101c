// "Register link menu": up to ten screens of the terminal's menu that the
// terminal offers as linked screens, saved to the user's link menu file.
#pragma once

#include <MenuNode.h>
#include <MyButton.h>
#include <NewDialog.h>

class CConnectMenuDlg : public CNewDialog {
public:
    CConnectMenuDlg(CMenuNode* pMenuRoot, CString strScreenNo, CWnd* pParent = nullptr);
    ~CConnectMenuDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    // Writes the link menu file and hands it over for users of service 1.
    void SaveConnectMenu();

    BOOL m_bStatusError = FALSE;
    CString m_strInitScreenNo;
    CMenuNode* m_pMenuRoot;
    int m_nHitCount = 0;
    int m_nHitIndex = 0;
    CMyButton m_btnOK, m_btnCancel, m_btnDeleteAll, m_btnDelete, m_btnAdd;
    CStatic m_stcStatus;
    CEdit m_editSearch;
    CMyButton m_btnSearch, m_btnPrev, m_btnNext;
};
