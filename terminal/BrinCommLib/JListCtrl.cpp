#include <JListCtrl.h>

namespace {

// Space between a column's edge and its text.
constexpr int kTextMargin = 4;

UINT AlignmentOf(int nFormat) {
    switch (nFormat & LVCFMT_JUSTIFYMASK) {
        case LVCFMT_RIGHT:
            return DT_RIGHT;
        case LVCFMT_CENTER:
            return DT_CENTER;
        default:
            return DT_LEFT;
    }
}

}  // namespace

IMPLEMENT_DYNAMIC(CJListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CJListCtrl, CListCtrl)
ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

CJListCtrl::CJListCtrl() = default;

CJListCtrl::~CJListCtrl() = default;

void CJListCtrl::PreSubclassWindow() {
    CListCtrl::PreSubclassWindow();
    ModifyStyle(0, LVS_OWNERDRAWFIXED);
}

void CJListCtrl::fnSetRowHeight(int nHeight) {
    m_nRowHeight = nHeight > 0 ? nHeight : 0;
}

void CJListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (m_nRowHeight > 0) lpMeasureItemStruct->itemHeight = static_cast<UINT>(m_nRowHeight);
}

void CJListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const int nRow = static_cast<int>(lpDrawItemStruct->itemID);
    const CRect rcRow(lpDrawItemStruct->rcItem);
    const bool bHighlighted = GetItemState(nRow, LVIS_SELECTED | LVIS_DROPHILITED) != 0;

    pDC->FillSolidRect(rcRow, ::GetSysColor(bHighlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(::GetSysColor(bHighlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));

    LVCOLUMN column{};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    int nLeft = rcRow.left;
    for (int nColumn = 0; GetColumn(nColumn, &column); ++nColumn) {
        CRect rcCell(nLeft, rcRow.top, nLeft + column.cx, rcRow.bottom);
        nLeft += column.cx;
        rcCell.DeflateRect(kTextMargin, 0);
        pDC->DrawText(
            GetItemText(nRow, nColumn), rcCell,
            AlignmentOf(column.fmt) | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (lpDrawItemStruct->itemState & ODS_FOCUS) pDC->DrawFocusRect(rcRow);
}
