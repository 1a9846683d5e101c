// `dump`: what a person sees of a dialog and its controls, read through the
// controls' messages and printed in the script's output formats.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "Output.h"

namespace script {

class Dumper {
public:
    explicit Dumper(Output& output) : m_output(output) {}

    // The caption, then every child control in template (creation) order.
    void Dialog(HWND dialog, int templateId);
    void Control(HWND control);
    // The item a tree or list shows first; throws std::runtime_error for any
    // other control.
    void Top(HWND control);

private:
    void Tree(HWND tree);
    void List(HWND list);
    void Other(HWND control);

    Output& m_output;
};

}  // namespace script
