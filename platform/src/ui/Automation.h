// The platform's side of the automation hooks: where modal loops and message
// boxes report to them.
#pragma once

#include <functional>

#include "afxautomation.h"

namespace afx::detail {

bool HasModalHook();
// Calls the modal hook for a dialog that is up in its modal loop.
void NotifyModalShown(HWND dialog);
void NotifyModalShown(const ModalInfo& info);
// Calls the modal end hook for a dialog whose modal loop has ended.
void NotifyModalEnded(HWND dialog, INT_PTR result);

// A running modal loop, innermost last, with the way to end it.
class ModalScope {
public:
    ModalScope(HWND dialog, std::function<void(int)> end);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

// The message box handler, or an empty function.
const MessageBoxHandler& CurrentMessageBoxHandler();
void RecordMessageBox(MessageBoxRecord record);

}  // namespace afx::detail
