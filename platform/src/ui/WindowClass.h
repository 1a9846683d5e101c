// Window classes by name ("Button", "Edit", "#32770", ...): the class's window
// procedure and the factory of the Qt widget that backs each of its windows.
#pragma once

#include <QWidget>

#include <functional>
#include <string>

#include "windows.h"

namespace afx::detail {

class Window;

struct WindowClass {
    // Builds the backing widget for a new window; parent is null for a
    // top-level window. The window's styles, id and text are set already.
    using Factory = std::function<QWidget*(Window& window, QWidget* parent)>;

    std::string name;
    WNDPROC proc = nullptr;
    Factory factory;
    UINT style = 0;
};

// Adds or replaces a class; names compare without regard to letter case.
void RegisterWindowClass(WindowClass windowClass);
const WindowClass* FindWindowClass(const std::string& name);

// Registers a built-in class when the library is loaded.
struct WindowClassRegistrar {
    explicit WindowClassRegistrar(WindowClass windowClass) {
        RegisterWindowClass(std::move(windowClass));
    }
};

}  // namespace afx::detail
