#include <VoDialog.h>

namespace {

// The face colour of the terminal's dialogs.
constexpr COLORREF kFaceColor = RGB(240, 242, 247);

}  // namespace

IMPLEMENT_DYNAMIC(CVoDialog, CDialog)

BEGIN_MESSAGE_MAP(CVoDialog, CDialog)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CVoDialog::CVoDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

CVoDialog::~CVoDialog() = default;

HBRUSH CVoDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (nCtlColor != CTLCOLOR_DLG && nCtlColor != CTLCOLOR_STATIC)
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (!m_brushFace.GetSafeHandle()) m_brushFace.CreateSolidBrush(kFaceColor);
    pDC->SetBkColor(kFaceColor);
    return m_brushFace;
}
