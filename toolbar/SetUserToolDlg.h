// "Toolbar Settings": the user's toolbars (groups of screen shortcuts),
// edited against the terminal's menu and saved to the user's toolbar file.
#pragma once

#include <MenuNode.h>
#include <MyButton.h>
#include <VoDialog.h>

class CSetUserToolDlg : public CVoDialog {
public:
    // The user's file is "<user dir>\ToolBar_<user id>.ini" with the
    // identifier's trailing white space removed; the defaults are in
    // "<user dir>\Toolbar.ini".
    CSetUserToolDlg(CMenuNode* pMenuRoot, CString strUserDir, CString strUserID,
                    CString strScreenNo, CMapStringToPtr* pScreenIndex, CWnd* pParent = nullptr);
    ~CSetUserToolDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void SaveToolbarFile();

    DECLARE_MESSAGE_MAP()

    CEdit m_editSearch;
    CMyButton m_btnPrev, m_btnNext, m_btnSearch, m_btnCancel, m_btnSave, m_btnAddGroup,
        m_btnRenameGroup, m_btnDeleteGroup, m_btnDeleteToolbar, m_btnMoveToolbar, m_btnRegist,
        m_btnDelete, m_btnDeleteAll, m_btnTop, m_btnUp, m_btnDown, m_btnBottom, m_btnModifyGroup;
    CMenuNode m_menuRoot;
    CString m_strInitScreenNo;
    CString m_strUserFile;
    CString m_strDefaultFile;
    BOOL m_bModified = FALSE;
    CMapStringToPtr* m_pScreenIndex;
};
