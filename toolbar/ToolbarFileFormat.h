// The names of the toolbar file that its reader and the dialog's save share:
// the "LIST" section of group names, the counts, the selected toolbar and the
// two-digit numbered keys ("01", "02", ... "100").
#pragma once

#include <afx.h>
#include <windows.h>

namespace toolbar_file {

inline constexpr LPCSTR kList = "LIST";
inline constexpr LPCSTR kItemCount = "ItemCnt";
inline constexpr LPCSTR kComboSel = "COMBOSEL";

// A count as the file holds it; 0 when it is missing.
inline int ReadCount(LPCSTR pszSection, LPCSTR pszKey, LPCSTR pszFile) {
    return static_cast<int>(::GetPrivateProfileIntA(pszSection, pszKey, 0, pszFile));
}

inline CString Key(int n) {
    CString strKey;
    strKey.Format("%02d", n);
    return strKey;
}

}  // namespace toolbar_file
