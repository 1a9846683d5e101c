// What the toolbar dialog reads from its files, without a window: the user's
// toolbars, the toolbar COMBOSEL names, the screens of a default toolbar and
// the screens of a favorites file. The dialog shows what these return; tests
// and fuzzers read hostile files through the same code.
#pragma once

#include <MenuNode.h>
#include <afxcoll.h>

#include <optional>
#include <vector>

#include "toolbar/MenuInfo.h"

// Appends the groups of the user's toolbar file, each with its screens, to
// root's children.
void ReadToolbarFile(LPCSTR pszFile, CMenuInfo& root);

// The position (from 0) among the user's groups of the toolbar COMBOSEL
// names, which counts the default toolbars first; -1 when it names none of
// the user's groups.
int ReadSelectedToolbar(LPCSTR pszUserFile, LPCSTR pszDefaultFile);

// The COMBOSEL that names the user's group at nPosition (from 1) after
// nDefaults default toolbars. A count of default toolbars near the end of
// the range costs the selection on reopening, never the save.
int ComboSel(int nDefaults, int nPosition);

// The screens of the default toolbar in "LIST" entry nToolbar (from 1) that
// the screen index knows, in toolbar order. A code whose node is no screen
// (a folder or a notice board that carries a number) is passed over, as the
// drops refuse such nodes.
std::vector<const CMenuNode*> ReadDefaultToolbar(LPCSTR pszDefaultFile, int nToolbar,
                                                 const CMapStringToPtr* pIndex);

// The screens a favorites file lists that the screen index knows, in order;
// nothing when the file gives no count of favorites.
std::optional<std::vector<const CMenuNode*>> ReadFavorites(LPCSTR pszFile,
                                                           const CMapStringToPtr* pIndex);
