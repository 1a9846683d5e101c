#include <afxwin.h>

#include <utility>

#include "ModuleInstance.h"
#include "Tabulo.h"
#include "linkmenu/ConnectMenuDlg.h"
#include "toolbar/SetUserToolDlg.h"

namespace {

// Runs a dialog modally with the module's resources in force for exactly the
// span of the modal loop; the dialog is destroyed after the resource handle
// is restored.
template <class Dialog, class... Args>
INT_PTR RunWithModuleResources(Args&&... args) {
    const HINSTANCE hPrevious = AfxGetResourceHandle();
    AfxSetResourceHandle(ModuleInstance());
    Dialog dialog(std::forward<Args>(args)...);
    const INT_PTR nResult = dialog.DoModal();
    AfxSetResourceHandle(hPrevious);
    return nResult;
}

}  // namespace

int UserToolbarDlgStart(CMenuNode* pMenuRoot, LPCSTR pszUserDir, LPCSTR pszUserID,
                        LPCSTR pszScreenNo, CMapStringToPtr* pScreenIndex) {
    if (!ModuleInstance()) return -1;
    return static_cast<int>(RunWithModuleResources<CSetUserToolDlg>(
        pMenuRoot, pszUserDir, pszUserID, pszScreenNo, pScreenIndex, nullptr));
}

void ConnectMenuDlgStart(CMenuNode* pMenuRoot, LPCSTR pszScreenNo, CWnd* pParent) {
    if (!ModuleInstance()) return;
    RunWithModuleResources<CConnectMenuDlg>(pMenuRoot, CString(pszScreenNo), pParent);
}
