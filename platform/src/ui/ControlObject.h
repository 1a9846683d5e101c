// The framework object that a control method hands out for a window the
// control made itself (a tree's label editor, a list's header): the object
// already attached to that window when it has the right class, else one the
// control keeps and re-attaches to whichever window is current.
#pragma once

#include <afxwin.h>

#include <memory>

namespace afx::detail {

template <class T>
T* ControlObject(HWND hwnd, std::unique_ptr<T>& kept) {
    if (!hwnd) return nullptr;
    if (CWnd* attached = CWnd::FromHandlePermanent(hwnd)) return dynamic_cast<T*>(attached);
    if (!kept) kept = std::make_unique<T>();
    if (kept->m_hWnd) kept->Detach();
    kept->Attach(hwnd);
    return kept.get();
}

}  // namespace afx::detail
