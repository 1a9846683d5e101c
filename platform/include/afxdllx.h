// The loader hook of an extension module (a shared library built on the
// framework). Include this header in exactly one source file of the library,
// the one that defines the library's DllMain:
//
//     #include <afxdllx.h>
//     extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID);
//
// When the library is loaded (dlopen, or at program start for a linked
// library) DllMain is called with DLL_PROCESS_ATTACH and the library's own
// instance handle; when it is unloaded, with DLL_PROCESS_DETACH.
#pragma once

#include "afxresource.h"
#include "afxwin.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);

namespace {
const ::afx::DllEntryHook afxDllEntryHook(&DllMain);
}  // namespace
