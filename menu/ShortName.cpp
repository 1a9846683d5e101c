#include "menu/ShortName.h"

#include <EnvMgr.h>

#include <string>

CString StorableShortName(const CString& strShortName) {
    std::string strShort = strShortName.GetString();
    std::erase(strShort, ',');
    std::size_t pos = 0;
    while (pos + 1 < strShort.size())
        pos += IsDBCSLeadByte(static_cast<BYTE>(strShort[pos])) ? 2 : 1;
    if (pos + 1 == strShort.size() && IsDBCSLeadByte(static_cast<BYTE>(strShort[pos])))
        strShort.pop_back();
    return strShort;
}

CString GetShortName(const CString& strScreenNo, const CString& strName) {
    CString strPath;
    strPath.Format("%s\\ShortID.dat", static_cast<LPCSTR>(CEnvMgr::GetDataDir()));
    char szShortName[20] = {};
    GetPrivateProfileStringA(strScreenNo, "SNAME", "", szShortName, sizeof szShortName, strPath);
    return StorableShortName(szShortName[0] != '\0' ? CString(szShortName) : strName.Left(8));
}
