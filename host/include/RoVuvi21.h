// The terminal's user data: who is logged in, through which service and with
// which menu grade.
#pragma once

#include <afx.h>

class CRoVuvi21 {
public:
    CRoVuvi21() = default;
    CRoVuvi21(const CRoVuvi21&) = default;
    CRoVuvi21& operator=(const CRoVuvi21&) = default;
    virtual ~CRoVuvi21();

    static CString GetBaseUserID();
    static short GetServiceID();    // 1 for users whose saved files go to the pop-up library
    static CString GetMenuGrade();  // a leading "1" allows the pop-up library's file dialog
};
