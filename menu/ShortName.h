// Short names: the caption a screen gets on a toolbar button when it enters a
// toolbar from the terminal's menu.
#pragma once

#include <afx.h>

// The screen's "SNAME" in the data directory's ShortID.dat (at most 19
// bytes), else the first 8 bytes of its name. The table is read at each call,
// so an updated table is seen at once; the 8-byte cut may split a
// double-byte character, which the toolbar file's writer mends.
CString GetShortName(const CString& strScreenNo, const CString& strName);
