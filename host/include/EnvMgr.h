// The terminal's directories, without a trailing separator; callers append
// one and a file name.
#pragma once

#include <afx.h>

class CEnvMgr {
public:
    static CString GetMainDir();                       // where the program and its libraries lie
    static CString GetUserDir();                       // the current user's files (favorites)
    static CString GetDataDir();                       // the terminal's shared data (short names)
    static CString GetBaseUserDir(CString strUserID);  // the named user's own directory
};
