// OLE drag-and-drop effects.
#pragma once

#include "windef.h"

typedef DWORD DROPEFFECT;

#define DROPEFFECT_NONE 0
#define DROPEFFECT_COPY 1
#define DROPEFFECT_MOVE 2
#define DROPEFFECT_LINK 4
#define DROPEFFECT_SCROLL 0x80000000

// The Alt key in a drag's key state, beside winuser.h's MK_* flags.
#define MK_ALT 0x20
