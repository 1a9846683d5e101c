// The terminal's user data: who is logged in, through which service and with
// which menu grade.
#pragma once

#include <afx.h>

class CWnd;

class CRoVuvi21 {
public:
    CRoVuvi21() = default;
    CRoVuvi21(const CRoVuvi21&) = default;
    CRoVuvi21& operator=(const CRoVuvi21&) = default;
    virtual ~CRoVuvi21();

    static CString GetBaseUserID();
    static short GetServiceID();    // 1 for users whose saved files go to the pop-up library
    static CString GetMenuGrade();  // a leading "1" allows the pop-up library's file dialog

    // The terminal's modal message box: nType 0 shows OK, 1 OK and Cancel.
    // pszLast, when given, is shown as a last line under the text. Returns 1
    // (IDOK) when OK was chosen.
    static int VoMessageBox(LPCSTR pszText, int nType, LPCSTR pszCaption, CWnd* pParent,
                            LPCSTR pszLast);
};
