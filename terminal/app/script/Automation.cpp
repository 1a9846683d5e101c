#include "Automation.h"

namespace script {

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

}  // namespace script
