// The module state: instance and resource handles, the chain of extension
// modules, the application title.
#include <sys/auxv.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Resources.h"
#include "afxresource.h"
#include "afxwin.h"

namespace afx::detail {
namespace {

struct ModuleState {
    HINSTANCE instance;
    HINSTANCE resource;
    std::vector<CDynLinkLibrary*> libraries;  // most recently joined first
    std::string appName;
};

ModuleState& State() {
    static ModuleState state = [] {
        // The program's own handle, found from its program headers.
        const HINSTANCE program = ModuleOf(reinterpret_cast<const void*>(getauxval(AT_PHDR)));
        return ModuleState{program, program, {}, {}};
    }();
    return state;
}

}  // namespace
}  // namespace afx::detail

using afx::detail::State;

HINSTANCE AfxGetInstanceHandle() {
    return State().instance;
}

HINSTANCE AfxGetResourceHandle() {
    return State().resource;
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
    State().resource = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType) {
    const UINT id = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(lpszName));
    if (afx::detail::HasResource(AfxGetResourceHandle(), lpszType, id))
        return AfxGetResourceHandle();
    for (const CDynLinkLibrary* library : State().libraries) {
        if (!library->m_bSystem && library->m_hResource != nullptr &&
            afx::detail::HasResource(library->m_hResource, lpszType, id)) {
            return library->m_hResource;
        }
    }
    return AfxGetResourceHandle();
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (hModule == nullptr) return FALSE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
    if (!state.bInitialized) return;
    const std::vector<CDynLinkLibrary*> libraries = State().libraries;
    for (CDynLinkLibrary* library : libraries) {
        if (bAll || library->m_hModule == state.hModule) delete library;
    }
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem) {
    auto& libraries = State().libraries;
    libraries.insert(libraries.begin(), this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    auto& libraries = State().libraries;
    libraries.erase(std::remove(libraries.begin(), libraries.end(), this), libraries.end());
}

LPCTSTR AfxGetAppName() {
    return State().appName.c_str();
}

void AfxSetAppName(LPCTSTR lpszAppName) {
    State().appName = lpszAppName != nullptr ? lpszAppName : "";
}

namespace afx {

DllEntryHook::DllEntryHook(Entry entry) : m_entry(entry), m_instance(ModuleOf(this)) {
    m_entry(m_instance, DLL_PROCESS_ATTACH, nullptr);
}

DllEntryHook::~DllEntryHook() {
    m_entry(m_instance, DLL_PROCESS_DETACH, nullptr);
}

}  // namespace afx
