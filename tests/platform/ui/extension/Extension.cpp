// An extension module as the module is one: its DllMain joins the resource
// chain at load and leaves it at unload, and it carries a dialog template.
#include "afxdllx.h"
#include "afxresource.h"

namespace {

AFX_EXTENSION_MODULE g_extension = {FALSE, nullptr, nullptr};
HINSTANCE g_instance = nullptr;

const afx::DialogControl kControls[] = {
    {IDOK, "Button", "OK", WS_VISIBLE | BS_DEFPUSHBUTTON, 5, 5, 40, 14}};
AFX_DIALOG_RESOURCE(kExtensionDialog, 5101, "Extension dialog", WS_POPUP | WS_CAPTION, "Tahoma", 9,
                    0, 0, 60, 30, kControls);

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    g_instance = hInstance;
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_extension, hInstance)) return FALSE;
        new CDynLinkLibrary(g_extension);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_extension);
    }
    return TRUE;
}

extern "C" HINSTANCE ExtensionInstance() {
    return g_instance;
}
