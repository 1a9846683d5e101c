// Finding a screen in a menu tree whose items carry the terminal's menu
// nodes, as both dialogs preselect the screen they were opened for.
#pragma once

#include <afxcmn.h>

// The first screen (kind 1) below hStart, in tree order whatever is
// expanded, whose screen number equals strScreenNo regardless of letter
// case; null when there is none. An item without a node ends the walk over
// its siblings, and the level above goes on.
HTREEITEM FindScreenItem(const CTreeCtrl& tree, HTREEITEM hStart, const CString& strScreenNo);
