// The framework's base: diagnostics macros, run-time class information,
// CObject, exceptions, POSITION and CString. Collections are in afxcoll.h and
// afxtempl.h.
#pragma once

#include "windows.h"
#include "afxstr.h"

// Checks, as in the framework: in a debug build (_DEBUG) a failed ASSERT or
// VERIFY reports its file and line and aborts, so a test run stops at the
// first broken promise; otherwise ASSERT's argument is type-checked but never
// evaluated, and VERIFY's is evaluated and its value dropped. Traces compile
// to nothing in every build.
[[noreturn]] void AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(p) ASSERT((p) != nullptr)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#else
#define ASSERT(f) ((void)sizeof(!(f)))
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(p) ((void)sizeof(p))
#define ASSERT_KINDOF(class_name, object) ((void)sizeof(object))
#endif
inline void AfxTraceNothing(LPCSTR, ...) {}
#define TRACE(...) ((void)sizeof((AfxTraceNothing(__VA_ARGS__), 0)))
#define TRACE0(sz) TRACE(sz)
#define DEBUG_NEW new

// An iteration position in a list or map: an opaque handle, NULL past the end.
struct __POSITION {};
typedef __POSITION* POSITION;

class CObject;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    const CRuntimeClass* m_pBaseClass;

    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)               \
public:                                           \
    static const CRuntimeClass class##class_name; \
    CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                            \
    const CRuntimeClass class_name::class##class_name = {#class_name,                             \
                                                         static_cast<int>(sizeof(class_name)),    \
                                                         0xFFFF, RUNTIME_CLASS(base_class_name)}; \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                          \
        return RUNTIME_CLASS(class_name);                                                         \
    }

class CObject {
public:
    static const CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

protected:
    CObject() = default;
};

// Exceptions are thrown as pointers and caught as `CException*`; the catcher
// calls Delete(). The framework's simple exceptions are static objects for
// which Delete() does nothing, so a thrown exception never leaks.
class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    void Delete();

protected:
    BOOL m_bAutoDelete;
};

class CInvalidArgException : public CException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    explicit CInvalidArgException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
};

[[noreturn]] void AfxThrowInvalidArgException();

// Checks an argument the way the framework's ENSURE does: a false condition
// throws the invalid-argument exception instead of corrupting anything.
#define ENSURE_ARG(cond)                            \
    do {                                            \
        if (!(cond)) AfxThrowInvalidArgException(); \
    } while (0)
