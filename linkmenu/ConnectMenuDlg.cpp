#include "ConnectMenuDlg.h"

#include <EnvMgr.h>
#include <FlyoutLib.h>
#include <RoVuvi21.h>

#include "res/resource.h"

CConnectMenuDlg::CConnectMenuDlg(CMenuNode* pMenuRoot, CString strScreenNo, CWnd* pParent)
    : CNewDialog(IDD_LINK_MENU, pParent), m_strInitScreenNo(strScreenNo), m_pMenuRoot(pMenuRoot) {
    m_bCenterOnOwner = 0;
}

CConnectMenuDlg::~CConnectMenuDlg() = default;

void CConnectMenuDlg::DoDataExchange(CDataExchange* pDX) {
    CNewDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDC_LINK_DELETE_ALL, m_btnDeleteAll);
    DDX_Control(pDX, IDC_LINK_DELETE, m_btnDelete);
    DDX_Control(pDX, IDC_LINK_ADD, m_btnAdd);
    DDX_Control(pDX, IDC_LINK_STATUS, m_stcStatus);
    DDX_Control(pDX, IDC_LINK_SEARCH_TEXT, m_editSearch);
    DDX_Control(pDX, IDC_LINK_SEARCH, m_btnSearch);
    DDX_Control(pDX, IDC_LINK_PREV_HIT, m_btnPrev);
    DDX_Control(pDX, IDC_LINK_NEXT_HIT, m_btnNext);
}

void CConnectMenuDlg::OnOK() {
    SaveConnectMenu();
    CNewDialog::OnOK();
}

void CConnectMenuDlg::SaveConnectMenu() {
    const CString strFile =
        CEnvMgr::GetBaseUserDir(CRoVuvi21::GetBaseUserID()) + "\\UserConnectMenu.ini";
    HandOverSavedFile("0007", strFile);
}
