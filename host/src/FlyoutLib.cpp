#include "FlyoutLib.h"

#include <afxcoll.h>
#include <windows.h>

#include <EnvMgr.h>
#include <RoVuvi21.h>

namespace {

typedef int (*ShowFileDownDlgFn)(int nMode, CStringArray* pCodes, CStringArray* pPaths,
                                 int nReserved);

}  // namespace

CFlyoutLib::CFlyoutLib() {
    LoadFromMainDir();
}

CFlyoutLib::~CFlyoutLib() {
    if (m_hModule) {
        FreeLibrary(m_hModule);
        m_hModule = nullptr;
    }
}

HMODULE CFlyoutLib::LoadFromMainDir() {
    CString strPath;
    strPath.Format("%s/%s", CEnvMgr::GetMainDir().GetString(), m_strName.GetString());
    HMODULE hModule = LoadLibraryA(strPath);
    if (!hModule) return nullptr;
    m_hModule = hModule;
    return m_hModule;
}

int CFlyoutLib::CallShowFileDownDlg(int nMode, const CString& strCode, const CString& strPath) {
    CStringArray codes, paths;
    codes.Add(strCode);
    paths.Add(strPath);
    if (CRoVuvi21::GetMenuGrade().Left(1) != "1") return 0;
    if (!m_hModule) return -1;
    // Through void(*)(), the function pointer type that converts to any other.
    auto pfnShow = reinterpret_cast<ShowFileDownDlgFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(m_hModule, "ShowFileDownDlg")));
    if (!pfnShow) return -1;
    return pfnShow(nMode, &codes, &paths, 0);
}

void HandOverSavedFile(const CString& strCode, const CString& strPath) {
    if (CRoVuvi21::GetServiceID() != 1) return;
    CFlyoutLib flyout;
    flyout.CallShowFileDownDlg(1, strCode, strPath);
}
