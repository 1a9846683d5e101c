#include <NewDialog.h>

IMPLEMENT_DYNAMIC(CNewDialog, CVoDialog)

CNewDialog::CNewDialog(UINT nIDTemplate, CWnd* pParent) : CVoDialog(nIDTemplate, pParent) {}

CNewDialog::~CNewDialog() = default;

BOOL CNewDialog::OnInitDialog() {
    CVoDialog::OnInitDialog();
    if (m_bCenterOnOwner) CenterWindow();
    return TRUE;
}
