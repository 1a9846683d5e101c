#include <RegDllMng.h>

#include "Tabulo.h"

namespace {

// The terminal's call modes.
enum { kToolbarSettings = 2, kLinkMenu = 4 };

}  // namespace

int CallTabulo(int nMode) {
    // The inputs are read in index order, each exactly once: the terminal's
    // registry may hand them out in the order they are asked for.
    if (nMode == kToolbarSettings) {
        auto* pMenuRoot = static_cast<CMenuNode*>(CRegDllMng::GetInput_p(1));
        CString strUserDir, strUserID, strScreenNo;
        CRegDllMng::GetInput_s(2, strUserDir);
        CRegDllMng::GetInput_s(3, strUserID);
        CRegDllMng::GetInput_s(4, strScreenNo);
        auto* pScreenIndex = static_cast<CMapStringToPtr*>(CRegDllMng::GetInput_p(5));
        return UserToolbarDlgStart(pMenuRoot, strUserDir, strUserID, strScreenNo, pScreenIndex);
    }
    if (nMode == kLinkMenu) {
        auto* pMenuRoot = static_cast<CMenuNode*>(CRegDllMng::GetInput_p(1));
        CString strScreenNo;
        CRegDllMng::GetInput_s(2, strScreenNo);
        auto* pParent = static_cast<CWnd*>(CRegDllMng::GetInput_p(3));
        ConnectMenuDlgStart(pMenuRoot, strScreenNo, pParent);
    }
    return 0;
}
