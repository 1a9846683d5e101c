// Short names: the caption a screen gets on a toolbar button when it enters a
// toolbar from the terminal's menu.
#pragma once

#include <afx.h>

// The screen's "SNAME" in the data directory's ShortID.dat (at most 19
// bytes), else the first 8 bytes of its name, in a form the toolbar file can
// keep: without commas, and without the half character that a cut after 19
// or 8 bytes may leave at the end. The table is read at each call, so an
// updated table is seen at once.
CString GetShortName(const CString& strScreenNo, const CString& strName);

// The short name as a toolbar file can keep it between two commas: without
// commas, which would shift the fields, and without a lone lead byte at its
// end, which a reader that walks characters would join with the comma after
// it. A whole name is returned as it is.
CString StorableShortName(const CString& strShortName);
