// The link dialog's working copy as its history keeps it: the screens of the
// link list, and around them the list's selection and the status line.
#pragma once

#include <vector>

#include "editing/EditHistory.h"

struct LinkRow {
    CString strInnerTR;
    CString strScreenNo;
    CString strName;

    bool operator==(const LinkRow&) const = default;
};

struct LinkView {
    CListPlace list;
    CString strStatus;
    BOOL bStatusError = FALSE;
};

using CLinkHistory = CEditHistory<std::vector<LinkRow>, LinkView>;
