// The module's exported functions, as the terminal calls them. They carry C
// linkage and plain names; nothing else of libTabulo.so is visible.
#pragma once

#include <afx.h>
#include <afxcoll.h>

class CMenuNode;
class CWnd;

#define TABULO_EXPORT extern "C" __attribute__((visibility("default")))

// Opens the dialog of the mode with the inputs the terminal registered for
// it: 2 "Toolbar Settings" (its result), 4 "Register link menu" (0); any other
// mode returns 0 and reads nothing.
TABULO_EXPORT int CallTabulo(int nMode);

// The dialog's modal result (1 after Save, 2 after Cancel), or -1 when no
// dialog ran.
TABULO_EXPORT int UserToolbarDlgStart(CMenuNode* pMenuRoot, LPCSTR pszUserDir, LPCSTR pszUserID,
                                      LPCSTR pszScreenNo, CMapStringToPtr* pScreenIndex);

TABULO_EXPORT void ConnectMenuDlgStart(CMenuNode* pMenuRoot, LPCSTR pszScreenNo, CWnd* pParent);
