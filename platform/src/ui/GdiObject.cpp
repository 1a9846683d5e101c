// The framework's GDI object wrappers.
#include <QImage>

#include <cstring>

#include "DialogManager.h"
#include "Gdi.h"
#include "Resources.h"
#include "afxwin.h"

namespace afx::detail {

CGdiObject* TemporaryGdiObject(HGDIOBJ handle) {
    GdiObject* object = FindGdiObject(handle);
    if (object == nullptr) return nullptr;
    if (!object->temporary) {
        switch (object->kind) {
            case GdiKind::Brush:
                object->temporary = std::make_unique<CBrush>();
                break;
            case GdiKind::Pen:
                object->temporary = std::make_unique<CPen>();
                break;
            case GdiKind::Font:
                object->temporary = std::make_unique<CFont>();
                break;
            case GdiKind::Bitmap:
                object->temporary = std::make_unique<CBitmap>();
                break;
        }
        object->temporary->m_hObject = handle;
    }
    return object->temporary.get();
}

}  // namespace afx::detail

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CGdiObject::~CGdiObject() {
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (hObject == nullptr || m_hObject != nullptr) return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    return std::exchange(m_hObject, nullptr);
}

BOOL CGdiObject::DeleteObject() {
    const HGDIOBJ handle = Detach();
    return handle != nullptr ? ::DeleteObject(handle) : FALSE;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

CBrush::CBrush(COLORREF crColor) {
    CreateSolidBrush(crColor);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    return Attach(::CreateSolidBrush(crColor));
}

CBrush* CBrush::FromHandle(HBRUSH hBrush) {
    return static_cast<CBrush*>(afx::detail::TemporaryGdiObject(hBrush));
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
    CreatePen(nPenStyle, nWidth, crColor);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

CPen* CPen::FromHandle(HPEN hPen) {
    return static_cast<CPen*>(afx::detail::TemporaryGdiObject(hPen));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    return Attach(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC*) {
    LOGFONT logFont{};
    logFont.lfHeight = -afx::detail::MulDivRound(nPointSize, 96, 720);
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = DEFAULT_CHARSET;
    if (lpszFaceName != nullptr) std::strncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&logFont);
}

CFont* CFont::FromHandle(HFONT hFont) {
    return static_cast<CFont*>(afx::detail::TemporaryGdiObject(hFont));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    const HINSTANCE instance = AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_BITMAP);
    const std::vector<unsigned char>* bytes = afx::detail::FindBitmap(instance, nIDResource);
    QImage image;
    if (bytes == nullptr || !image.loadFromData(bytes->data(), static_cast<int>(bytes->size())))
        return FALSE;
    return Attach(afx::detail::CreateBitmap(std::move(image)));
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
    return static_cast<CBitmap*>(afx::detail::TemporaryGdiObject(hBitmap));
}
