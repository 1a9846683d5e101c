#include "GroupEditDlg.h"

#include <MyButton.h>
#include <afxcodepage.h>

#include <algorithm>

#include "res/resource.h"

namespace {

constexpr int kRowHeight = 20;
constexpr int kWidth = 105;
// The address bar is a default toolbar of the terminal's own that no group
// takes screens from.
constexpr char kAddressBarUtf8[] = "주소바";

}  // namespace

BEGIN_MESSAGE_MAP(CGroupEditDlg, CVoDialog)
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDC_GROUP_EDIT_CONFIRM, &CGroupEditDlg::OnConfirm)
END_MESSAGE_MAP()

CGroupEditDlg::CGroupEditDlg() : CVoDialog(IDD_GROUP_EDIT) {}

// Also for a pop-up ended from outside, by EndDialog.
CGroupEditDlg::~CGroupEditDlg() {
    FreeControls();
}

void CGroupEditDlg::SetInfo(const CRect& rcAnchor, BOOL (&aSlots)[kSlots],
                            const CString& strDefaultFile) {
    m_rcAnchor = rcAnchor;
    m_pSlots = aSlots;
    m_strDefaultFile = strDefaultFile;
}

// One check box per named default toolbar among the first ten, the address
// bar left out, in a column without gaps; "Confirm" under them.
BOOL CGroupEditDlg::OnInitDialog() {
    CVoDialog::OnInitDialog();
    m_brushBack.CreateSolidBrush(RGB(245, 245, 245));
    const CString strAddressBar = afx::Utf8ToCp949(kAddressBarUtf8).c_str();
    const int nEntries =
        static_cast<int>(::GetPrivateProfileIntA("List", "ItemCnt", 0, m_strDefaultFile));
    for (int e = 1; e <= std::min(nEntries, kSlots); ++e) {
        CString strKey;
        strKey.Format("%02d", e);
        char szName[256] = {};
        ::GetPrivateProfileStringA("LIST", strKey, "", szName, sizeof szName, m_strDefaultFile);
        if (szName[0] == '\0' || strAddressBar == szName) continue;
        auto* pCheck = new CButton;
        pCheck->Create(szName, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX,
                       CRect(10, kRowHeight * m_nCheckCount, 100, kRowHeight * (m_nCheckCount + 1)),
                       this, IDC_GROUP_EDIT_FIRST_CHECK - 1 + e);
        AddControl(pCheck);
        ++m_nCheckCount;
    }
    auto* pConfirm = new CMyButton;
    const int nTop = kRowHeight * m_nCheckCount;
    pConfirm->Create("Confirm", WS_CHILD | WS_VISIBLE, CRect(5, nTop, 100, nTop + kRowHeight), this,
                     IDC_GROUP_EDIT_CONFIRM);
    AddControl(pConfirm);
    MoveWindow(m_rcAnchor.left, m_rcAnchor.bottom, kWidth, nTop + 25, TRUE);
    return TRUE;
}

void CGroupEditDlg::AddControl(CWnd* pControl) {
    pControl->ShowWindow(SW_SHOW);
    pControl->SendMessage(WM_SETFONT, static_cast<WPARAM>(SendMessage(WM_GETFONT)), TRUE);
    m_controls.AddTail(pControl);
}

void CGroupEditDlg::FreeControls() {
    while (!m_controls.IsEmpty()) delete m_controls.RemoveHead();
}

HBRUSH CGroupEditDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    const HBRUSH hBrush = CVoDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor != CTLCOLOR_STATIC) return hBrush;
    pDC->SetBkMode(TRANSPARENT);
    return m_brushBack;
}

void CGroupEditDlg::OnConfirm() {
    for (int t = 0; t < kSlots; ++t) {
        const CWnd* pCheck = GetDlgItem(IDC_GROUP_EDIT_FIRST_CHECK + t);
        m_pSlots[t] = pCheck ? static_cast<BOOL>(pCheck->SendMessage(BM_GETCHECK)) : FALSE;
    }
    FreeControls();
    EndDialog(IDOK);
}

void CGroupEditDlg::OnOK() {
    OnConfirm();
}

void CGroupEditDlg::OnCancel() {
    FreeControls();
    CVoDialog::OnCancel();
}
