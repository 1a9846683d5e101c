#include "menu/ShortName.h"

#include <EnvMgr.h>

CString GetShortName(const CString& strScreenNo, const CString& strName) {
    CString strPath;
    strPath.Format("%s\\ShortID.dat", static_cast<LPCSTR>(CEnvMgr::GetDataDir()));
    char szShortName[20] = {};
    GetPrivateProfileStringA(strScreenNo, "SNAME", "", szShortName, sizeof szShortName, strPath);
    if (szShortName[0] != '\0') return szShortName;
    return strName.Left(8);
}
