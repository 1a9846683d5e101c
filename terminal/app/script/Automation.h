// The runner's side of the framework's automation hooks: it hears of modal
// dialogs as they are shown and end, and answers message boxes, for as long
// as an AutomationScope lives.
#pragma once

#include <windows.h>

#include <afxautomation.h>

#include <functional>
#include <string_view>

namespace script {

struct AutomationHandlers {
    // A modal dialog is initialised and shown; called from its modal loop.
    std::function<void(HWND dialog, UINT templateId)> shown;
    // Its modal loop has ended with `result`.
    std::function<void(HWND dialog, INT_PTR result)> ended;
    // A message box (CP949 texts) wants an answer: IDOK, IDCANCEL, ...
    std::function<int(std::string_view text, std::string_view caption, UINT type)> messageBox;
};

class AutomationScope {
public:
    explicit AutomationScope(const AutomationHandlers& handlers);
    ~AutomationScope();
    AutomationScope(const AutomationScope&) = delete;
    AutomationScope& operator=(const AutomationScope&) = delete;

private:
    afx::ModalHook m_previousModal;
    afx::ModalEndHook m_previousEnd;
    afx::MessageBoxHandler m_previousBox;
};

}  // namespace script
