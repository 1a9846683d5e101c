// The image-list functions and CImageList, over ImageSet.
#include <afxcmn.h>

#include "Gdi.h"
#include "ImageSet.h"

#include <unordered_map>

using afx::detail::ImageSet;

namespace {

// The objects that own lists, so that FromHandle gives back the owner.
std::unordered_map<HIMAGELIST, CImageList*>& Owners() {
    static std::unordered_map<HIMAGELIST, CImageList*> owners;
    return owners;
}

const QImage* BitmapImage(HBITMAP bitmap) {
    const afx::detail::GdiObject* object = afx::detail::FindGdiObject(bitmap);
    return object && object->kind == afx::detail::GdiKind::Bitmap ? &object->image : nullptr;
}

}  // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int) {
    return ImageSet::Create(cx, cy, flags);
}

BOOL ImageList_Destroy(HIMAGELIST himl) {
    return ImageSet::Destroy(himl);
}

int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask) {
    ImageSet* list = ImageSet::FromHandle(himl);
    const QImage* image = BitmapImage(hbmImage);
    if (!list || !image) return -1;
    const QRgb mask = qRgb(GetRValue(crMask), GetGValue(crMask), GetBValue(crMask));
    return list->Add(*image, crMask == CLR_NONE ? nullptr : &mask);
}

int ImageList_GetImageCount(HIMAGELIST himl) {
    const ImageSet* list = ImageSet::FromHandle(himl);
    return list ? list->Count() : 0;
}

BOOL ImageList_DragShowNolock(BOOL) {
    return TRUE;
}

IMPLEMENT_DYNAMIC(CImageList, CObject)

CImageList::~CImageList() {
    DeleteImageList();
}

CImageList* CImageList::FromHandle(HIMAGELIST hImageList) {
    auto it = Owners().find(hImageList);
    return it == Owners().end() ? nullptr : it->second;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
    if (!hImageList || m_hImageList) return FALSE;
    m_hImageList = hImageList;
    Owners()[hImageList] = this;
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST list = m_hImageList;
    if (list) Owners().erase(list);
    m_hImageList = nullptr;
    return list;
}

BOOL CImageList::DeleteImageList() {
    HIMAGELIST list = Detach();
    return list ? ImageList_Destroy(list) : FALSE;
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    return pbmImage ? ImageList_AddMasked(m_hImageList, *pbmImage, crMask) : -1;
}

int CImageList::GetImageCount() const {
    return ImageList_GetImageCount(m_hImageList);
}
