#include <RoVuvi21.h>

#include <TerminalSetup.h>

namespace {

struct UserData {
    CString strUserID;
    short nServiceID = 0;
    CString strMenuGrade;
};

UserData& User() {
    static UserData user;
    return user;
}

}  // namespace

CRoVuvi21::~CRoVuvi21() = default;

CString CRoVuvi21::GetBaseUserID() {
    return User().strUserID;
}

short CRoVuvi21::GetServiceID() {
    return User().nServiceID;
}

CString CRoVuvi21::GetMenuGrade() {
    return User().strMenuGrade;
}

namespace terminal {

void SetBaseUserID(const CString& strUserID) {
    User().strUserID = strUserID;
}

void SetServiceID(short nServiceID) {
    User().nServiceID = nServiceID;
}

void SetMenuGrade(const CString& strGrade) {
    User().strMenuGrade = strGrade;
}

}  // namespace terminal
