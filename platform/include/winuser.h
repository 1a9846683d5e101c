// User: windows, messages, dialogs, keys and message boxes.
#pragma once

#include "windef.h"
