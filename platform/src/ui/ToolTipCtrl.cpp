#include "afxwin.h"
#include "commctrl.h"

namespace {

TOOLINFOA ToolOf(const CWnd* pWnd, LPCTSTR lpszText) {
    TOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = pWnd != nullptr ? ::GetParent(pWnd->m_hWnd) : nullptr;
    info.uId = reinterpret_cast<UINT_PTR>(pWnd != nullptr ? pWnd->m_hWnd : nullptr);
    info.lpszText = const_cast<LPSTR>(lpszText);
    return info;
}

}  // namespace

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CreateEx(WS_EX_TOOLWINDOW, TOOLTIPS_CLASS, nullptr, WS_POPUP | dwStyle, 0, 0, 0, 0,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText) {
    TOOLINFOA info = ToolOf(pWnd, lpszText);
    return SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd) {
    TOOLINFOA info = ToolOf(pWnd, lpszText);
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::DelTool(CWnd* pWnd) {
    TOOLINFOA info = ToolOf(pWnd, nullptr);
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::Activate(BOOL bActivate) {
    SendMessage(TTM_ACTIVATE, bActivate);
}

void CToolTipCtrl::RelayEvent(LPMSG) {}
