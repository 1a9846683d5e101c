#include "Hooks.h"

#include <exception>
#include <stdexcept>

namespace automation {

AutomationScope::AutomationScope(const AutomationHandlers& handlers)
    : m_previousModal(afx::SetModalHook([shown = handlers.shown](const afx::ModalInfo& info) {
          // Message boxes reach the handler instead and never show.
          if (info.hwnd) shown(info.hwnd, info.templateId);
      })),
      m_previousEnd(afx::SetModalEndHook(handlers.ended)),
      m_previousBox(afx::SetMessageBoxHandler(
          [answer = handlers.messageBox](HWND, LPCSTR text, LPCSTR caption, UINT type) {
              return answer(text ? text : "", caption ? caption : "", type);
          })) {}

AutomationScope::~AutomationScope() {
    afx::SetModalHook(m_previousModal);
    afx::SetModalEndHook(m_previousEnd);
    afx::SetMessageBoxHandler(m_previousBox);
}

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& body, bool endWithCancel) {
    bool shown = false;
    std::exception_ptr error;
    const afx::ModalHook previous = afx::SetModalHook([&](const afx::ModalInfo& info) {
        if (shown || info.hwnd != dialog.GetSafeHwnd()) return;
        shown = true;
        try {
            body();
        } catch (...) {
            error = std::current_exception();
            afx::EndModal(IDCANCEL);
            return;
        }
        if (endWithCancel) afx::EndModal(IDCANCEL);
    });
    const INT_PTR result = dialog.DoModal();
    afx::SetModalHook(previous);
    if (error) std::rethrow_exception(error);
    if (!shown) throw std::runtime_error("the dialog never showed");
    return result;
}

}  // namespace automation
