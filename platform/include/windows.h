// The Win32 subset that the module and the stand-in terminal use.
#pragma once

#include "windef.h"
#include "winbase.h"
#include "wingdi.h"
#include "winuser.h"
