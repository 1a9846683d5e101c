#include "Gdi.h"
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

CDC* CDC::FromHandle(HDC hDC) {
    afx::detail::DeviceContext* dc = afx::detail::DeviceContext::FromHandle(hDC);
    if (dc == nullptr) return nullptr;
    if (!dc->temporary) {
        dc->temporary = std::make_unique<CDC>();
        dc->temporary->m_hDC = hDC;
    }
    return dc->temporary.get();
}

BOOL CDC::Attach(HDC hDC) {
    if (hDC == nullptr || m_hDC != nullptr) return FALSE;
    m_hDC = hDC;
    return TRUE;
}

HDC CDC::Detach() {
    return std::exchange(m_hDC, nullptr);
}

CFont* CDC::SelectObject(CFont* pFont) {
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, pFont->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, pBrush->m_hObject)));
}

CPen* CDC::SelectObject(CPen* pPen) {
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pPen->m_hObject)));
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    return afx::detail::TemporaryGdiObject(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
    // As in the framework, the colour stays the context's background colour.
    ::SetBkColor(m_hDC, clr);
    afx::detail::DeviceContext* dc = afx::detail::DeviceContext::FromHandle(m_hDC);
    if (dc == nullptr || dc->painter == nullptr || lpRect == nullptr) return;
    dc->painter->fillRect(QRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                                lpRect->bottom - lpRect->top),
                          afx::detail::ToQColor(clr));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, clr);
}

CPoint CDC::MoveTo(int x, int y) {
    POINT previous{0, 0};
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
    SIZE size{0, 0};
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return size;
}
