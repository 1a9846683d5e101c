#include "Hooks.h"

#include <exception>
#include <stdexcept>
#include <utility>

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

namespace {

constexpr UINT_PTR kLeftOpenTimer = 0x4C4F;
bool g_leftOpen = false;

void CALLBACK EndLeftOpen(HWND hwnd, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(hwnd, id);
    g_leftOpen = true;
    afx::EndModal(IDCANCEL);
}

}  // namespace

INT_PTR RunModal(CDialog& dialog, const std::function<void()>& body, bool endWithCancel) {
    bool shown = false;
    std::exception_ptr error;
    g_leftOpen = false;
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
        if (endWithCancel) {
            afx::EndModal(IDCANCEL);
        } else {
            ::SetTimer(dialog.GetSafeHwnd(), kLeftOpenTimer, kLeftOpenMs, &EndLeftOpen);
        }
    });
    const INT_PTR result = dialog.DoModal();
    afx::SetModalHook(previous);
    if (error) std::rethrow_exception(error);
    if (std::exchange(g_leftOpen, false)) throw std::runtime_error("the dialog was left open");
    if (!shown) throw std::runtime_error("the dialog never showed");
    return result;
}

}  // namespace automation
