#include <afxcoll.h>

#include <cstdio>
#include <cstdlib>

void AfxAssertFailedLine(LPCSTR lpszFileName, int nLine) {
    std::fprintf(stderr, "%s(%d): assertion failed\n", lpszFileName, nLine);
    std::fflush(stderr);
    std::abort();
}

// CObject is the root: its run-time class has no base.
const CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF,
                                             nullptr};

CRuntimeClass* CObject::GetRuntimeClass() const {
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* pClass = this; pClass; pClass = pClass->m_pBaseClass)
        if (pClass == pBaseClass) return TRUE;
    return FALSE;
}

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CObList, CObject)
IMPLEMENT_DYNAMIC(CStringArray, CObject)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)

void CException::Delete() {
    if (m_bAutoDelete) delete this;
}

void AfxThrowInvalidArgException() {
    static CInvalidArgException exception(FALSE);
    throw &exception;
}
