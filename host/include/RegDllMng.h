// The terminal's input registry: before it calls into a module, the terminal
// registers the call's inputs by index, and the module reads them back.
#pragma once

#include <afx.h>

class CRegDllMng {
public:
    // The pointer registered at the index, or null.
    static void* GetInput_p(int nIndex);
    // Puts the text registered at the index (empty when there is none) into
    // strValue and returns its length in bytes.
    static int GetInput_s(int nIndex, CString& strValue);
};
