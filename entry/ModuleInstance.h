// The module's instance handle, stored by DllMain; null until the module has
// been started. It is also the resource handle the dialogs run with.
#pragma once

#include <windows.h>

HINSTANCE ModuleInstance();
