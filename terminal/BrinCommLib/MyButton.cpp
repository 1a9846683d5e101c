#include <MyButton.h>

namespace {

constexpr COLORREF kFace = RGB(232, 236, 245);
constexpr COLORREF kFacePressed = RGB(204, 214, 236);
constexpr COLORREF kBorder = RGB(122, 138, 170);
constexpr COLORREF kBorderDefault = RGB(40, 70, 140);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kTextDisabled = RGB(150, 150, 150);

}  // namespace

IMPLEMENT_DYNAMIC(CMyButton, CButton)

CMyButton::CMyButton() = default;

CMyButton::~CMyButton() = default;

void CMyButton::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    // The button keeps its push-button role for the dialog (default button,
    // BN_CLICKED) but draws itself.
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

void CMyButton::SetToolTipText(const CString& strText) {
    if (strText.IsEmpty()) {
        m_pToolTip.reset();
        return;
    }
    if (!m_pToolTip) {
        m_pToolTip = std::make_unique<CToolTipCtrl>();
        m_pToolTip->Create(this);
        m_pToolTip->AddTool(this, strText);
        m_pToolTip->Activate(TRUE);
    } else {
        m_pToolTip->UpdateTipText(strText, this);
    }
}

void CMyButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    const UINT nState = lpDrawItemStruct->itemState;
    const bool bPressed = (nState & ODS_SELECTED) != 0;

    pDC->FillSolidRect(rect, bPressed ? kFacePressed : kFace);
    CBrush border((nState & (ODS_DEFAULT | ODS_FOCUS)) ? kBorderDefault : kBorder);
    pDC->FrameRect(rect, &border);

    CString strText;
    GetWindowText(strText);
    CRect textRect = rect;
    if (bPressed) textRect.OffsetRect(1, 1);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor((nState & ODS_DISABLED) ? kTextDisabled : kText);
    if (GetStyle() & BS_MULTILINE) {
        // Wrapped lines cannot be centred vertically by DrawText itself.
        CRect measured = textRect;
        const int nHeight =
            pDC->DrawText(strText, measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
        textRect.top += (textRect.Height() - nHeight) / 2;
        pDC->DrawText(strText, textRect, DT_CENTER | DT_WORDBREAK);
    } else {
        pDC->DrawText(strText, textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (nState & ODS_FOCUS) {
        CRect focus = rect;
        focus.DeflateRect(3, 3);
        pDC->DrawFocusRect(focus);
    }
}
