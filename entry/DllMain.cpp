// Module start-up: the framework's loader hook calls DllMain when the library
// is loaded and unloaded.

#include <afxdllx.h>

#include "ModuleInstance.h"

namespace {

HINSTANCE g_hModuleInstance = nullptr;
AFX_EXTENSION_MODULE g_extensionModule = {};

}  // namespace

HINSTANCE ModuleInstance() {
    return g_hModuleInstance;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
    g_hModuleInstance = hInstance;
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_extensionModule, hInstance)) return FALSE;
        // Enters the module into the framework's chain of resource sources for
        // the rest of the process; the chain owns the entry.
        new CDynLinkLibrary(g_extensionModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_extensionModule);
    }
    return TRUE;
}
