#include <RoVuvi21.h>

#include <afxwin.h>

int CRoVuvi21::VoMessageBox(LPCSTR pszText, int nType, LPCSTR pszCaption, CWnd* pParent,
                            LPCSTR pszLast) {
    CString strText = pszText ? pszText : "";
    if (pszLast && *pszLast) strText += CString("\n") + pszLast;
    return ::MessageBoxA(pParent ? pParent->GetSafeHwnd() : nullptr, strText, pszCaption,
                         nType == 1 ? MB_OKCANCEL : MB_OK);
}
