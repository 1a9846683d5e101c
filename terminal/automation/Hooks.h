// A session's side of the framework's automation hooks: it hears of modal
// dialogs as they are shown and end and answers message boxes, for as long
// as an AutomationScope lives; or it runs one dialog with a body once the
// dialog shows.
#pragma once

#include <windows.h>

#include <afxautomation.h>
#include <afxwin.h>

#include <functional>
#include <string_view>

namespace automation {

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

// Runs the dialog modally, calls body from its modal loop once it is shown,
// then ends it with IDCANCEL when asked to; returns the dialog's result.
// Throws std::runtime_error when the dialog never shows, or when a body that
// was to end it left it open for kLeftOpenMs (the dialog is then cancelled,
// so a test fails at once instead of waiting for its time limit). An exception from
// body ends the dialog and is thrown again once its loop has returned, so
// that none crosses the event loop.
constexpr UINT kLeftOpenMs = 5000;
INT_PTR RunModal(CDialog& dialog, const std::function<void()>& body, bool endWithCancel);

}  // namespace automation
