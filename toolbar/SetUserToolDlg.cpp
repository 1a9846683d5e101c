#include "SetUserToolDlg.h"

#include <FlyoutLib.h>

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSetUserToolDlg, CVoDialog)
    ON_BN_CLICKED(IDC_SAVE, &CSetUserToolDlg::SaveToolbarFile)
END_MESSAGE_MAP()

CSetUserToolDlg::CSetUserToolDlg(CMenuNode* pMenuRoot, CString strUserDir, CString strUserID,
                                 CString strScreenNo, CMapStringToPtr* pScreenIndex,
                                 CWnd* pParent)
    : CVoDialog(IDD_TOOLBAR_SETTINGS, pParent),
      m_strInitScreenNo(strScreenNo),
      m_pScreenIndex(pScreenIndex) {
    if (pMenuRoot) m_menuRoot = *pMenuRoot;
    strUserID.TrimRight();
    m_strDefaultFile.Format("%s\\Toolbar.ini", strUserDir.GetString());
    m_strUserFile.Format("%s\\ToolBar_%s.ini", strUserDir.GetString(), strUserID.GetString());
}

CSetUserToolDlg::~CSetUserToolDlg() = default;

void CSetUserToolDlg::DoDataExchange(CDataExchange* pDX) {
    CVoDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MODIFY_GROUP, m_btnModifyGroup);
    DDX_Control(pDX, IDC_SEARCH_TEXT, m_editSearch);
    DDX_Control(pDX, IDC_PREV_HIT, m_btnPrev);
    DDX_Control(pDX, IDC_NEXT_HIT, m_btnNext);
    DDX_Control(pDX, IDC_SEARCH, m_btnSearch);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_SAVE, m_btnSave);
    DDX_Control(pDX, IDC_ADD_GROUP, m_btnAddGroup);
    DDX_Control(pDX, IDC_RENAME_GROUP, m_btnRenameGroup);
    DDX_Control(pDX, IDC_DELETE_GROUP, m_btnDeleteGroup);
    DDX_Control(pDX, IDC_DELETE_TOOLBAR, m_btnDeleteToolbar);
    DDX_Control(pDX, IDC_MOVE_TOOLBAR, m_btnMoveToolbar);
    DDX_Control(pDX, IDC_REGIST, m_btnRegist);
    DDX_Control(pDX, IDC_DELETE_SCREEN, m_btnDelete);
    DDX_Control(pDX, IDC_DELETE_ALL_SCREENS, m_btnDeleteAll);
    DDX_Control(pDX, IDC_SCREEN_TOP, m_btnTop);
    DDX_Control(pDX, IDC_SCREEN_UP, m_btnUp);
    DDX_Control(pDX, IDC_SCREEN_DOWN, m_btnDown);
    DDX_Control(pDX, IDC_SCREEN_BOTTOM, m_btnBottom);
}

void CSetUserToolDlg::SaveToolbarFile() {
    HandOverSavedFile("0005", m_strUserFile);
    EndDialog(IDOK);
}
