// Resources of a shared library or program: dialog templates and bitmaps,
// registered under the module handle of the binary that holds them and found
// by the framework through the resource handle and the chain of extension
// modules (AfxFindResourceHandle), as resources compiled into a DLL are.
//
// A template is data, as a resource script gives it: texts in UTF-8 (resource
// scripts compile to Unicode; the dialog manager hands controls CP949), the
// rectangle in dialog units, the font by face and point size:
//
//     const afx::DialogControl kMoveControls[] = {
//         {1034, "SysTreeView32", "Tree1", WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS, 7, 7, 131,
//         150}, {1018, "Button", "OK", BS_PUSHBUTTON | WS_TABSTOP, 36, 160, 32, 14},
//     };
//     AFX_DIALOG_RESOURCE(kMove, 1704, "Move", DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
//                         "Tahoma", 9, 0, 0, 145, 180, kMoveControls);
//
// Bitmaps are image files (BMP or PNG) embedded at build time with the CMake
// function afx_add_bitmap(TARGET ID FILE) (platform/cmake/AfxResources.cmake).
#pragma once

#include <span>

#include "windows.h"

namespace afx {

struct DialogControl {
    UINT id;
    LPCSTR className;  // "Button", "Edit", "Static", "SysTreeView32", ...
    LPCSTR text;       // UTF-8
    DWORD style;       // WS_CHILD is implied; WS_VISIBLE is not
    short x, y, cx, cy;
    DWORD exStyle = 0;
};

struct DialogTemplate {
    UINT id;
    LPCSTR caption;  // UTF-8
    DWORD style;
    LPCSTR fontName;
    WORD pointSize;
    short x, y, cx, cy;
    std::span<const DialogControl> controls;
    DWORD exStyle = 0;
};

// The handle of the shared library (or the program) that holds address.
HINSTANCE ModuleOf(const void* address);

void RegisterDialogTemplate(HINSTANCE module, const DialogTemplate& dialogTemplate);
void RegisterBitmap(HINSTANCE module, UINT id, std::span<const unsigned char> imageFile);
// Withdraws one resource (type RT_DIALOG or RT_BITMAP) of a module.
void UnregisterResource(HINSTANCE module, LPCTSTR type, UINT id);

// Registers a resource of the binary it is linked into while that binary is
// loaded, and withdraws it when the binary is unloaded.
class ResourceRegistrar {
public:
    explicit ResourceRegistrar(const DialogTemplate& dialogTemplate);
    ResourceRegistrar(UINT bitmapId, std::span<const unsigned char> imageFile);
    ~ResourceRegistrar();
    ResourceRegistrar(const ResourceRegistrar&) = delete;
    ResourceRegistrar& operator=(const ResourceRegistrar&) = delete;

private:
    HINSTANCE m_module;
    LPCTSTR m_type;
    UINT m_id;
};

// Calls a binary's entry function (DllMain) with DLL_PROCESS_ATTACH and the
// binary's instance handle when constructed, with DLL_PROCESS_DETACH when
// destroyed; afxdllx.h puts one into the library that includes it.
class DllEntryHook {
public:
    using Entry = BOOL (*)(HINSTANCE, DWORD, LPVOID);
    explicit DllEntryHook(Entry entry);
    ~DllEntryHook();
    DllEntryHook(const DllEntryHook&) = delete;
    DllEntryHook& operator=(const DllEntryHook&) = delete;

private:
    Entry m_entry;
    HINSTANCE m_instance;
};

}  // namespace afx

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3
#define APIENTRY WINAPI

#define AFX_DIALOG_RESOURCE(name, id, caption, style, font, pointSize, x, y, cx, cy, controls)     \
    static const ::afx::ResourceRegistrar name##Registrar(                                         \
        ::afx::DialogTemplate{(id), (caption), (style), (font), (pointSize), (x), (y), (cx), (cy), \
                              std::span<const ::afx::DialogControl>(controls)})
#define AFX_BITMAP_RESOURCE(name, id, bytes)                    \
    static const ::afx::ResourceRegistrar name##Registrar((id), \
                                                          std::span<const unsigned char>(bytes))
