#include <EnvMgr.h>

#include <TerminalSetup.h>

namespace {

struct Directories {
    CString strMain;
    CString strUser;
    CString strData;
    CString strBase;
};

Directories& Dirs() {
    static Directories dirs;
    return dirs;
}

}  // namespace

CString CEnvMgr::GetMainDir() {
    return Dirs().strMain;
}

CString CEnvMgr::GetUserDir() {
    return Dirs().strUser;
}

CString CEnvMgr::GetDataDir() {
    return Dirs().strData;
}

CString CEnvMgr::GetBaseUserDir(CString strUserID) {
    return Dirs().strBase + "/" + strUserID;
}

namespace terminal {

void SetMainDir(const CString& strDir) {
    Dirs().strMain = strDir;
}

void SetUserDir(const CString& strDir) {
    Dirs().strUser = strDir;
}

void SetDataDir(const CString& strDir) {
    Dirs().strData = strDir;
}

void SetBaseDir(const CString& strBaseDir) {
    Dirs().strBase = strBaseDir;
}

}  // namespace terminal
