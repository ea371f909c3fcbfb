#pragma once

// The type library's declarations, which widl writes from typelib/Actsim.idl, after the Windows headers
// as the project includes them (platform/win32/ui/WinApi.h must come before any other).
#include "platform/win32/ui/WinApi.h"

#include <Actsim.h>
