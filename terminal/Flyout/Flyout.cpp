// The terminal's pop-up library, as far as the module uses it: it receives
// settings files that the module saved, under a file kind code.

#include <afx.h>
#include <afxcoll.h>

#include "FileDownObserver.h"

namespace {

FileDownObserver g_pfnObserver = nullptr;
void* g_pObserverContext = nullptr;

}  // namespace

extern "C" __attribute__((visibility("default"))) void SetFileDownObserver(
    FileDownObserver pfnObserver, void* pContext) {
    g_pfnObserver = pfnObserver;
    g_pObserverContext = pContext;
}

// Hands the files of paths over under the codes of the same position. The
// result counts the files handed over.
extern "C" __attribute__((visibility("default"))) int ShowFileDownDlg(int nMode,
                                                                      CStringArray* pCodes,
                                                                      CStringArray* pPaths,
                                                                      int /*nReserved*/) {
    if (!pCodes || !pPaths) return 0;
    const INT_PTR nFiles =
        pCodes->GetSize() < pPaths->GetSize() ? pCodes->GetSize() : pPaths->GetSize();
    for (INT_PTR i = 0; i < nFiles; ++i) {
        if (g_pfnObserver)
            g_pfnObserver(g_pObserverContext, nMode, pCodes->GetAt(i), pPaths->GetAt(i));
    }
    return static_cast<int>(nFiles);
}
