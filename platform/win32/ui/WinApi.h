#pragma once

// The Windows headers as the Win32 backend uses them: the ANSI functions (the programs' text is the
// system's ANSI code page end to end) and the common controls of version 6.

// The forms runtime names some constants as Windows does (SM_CXDLGFRAME, SW_SHOW, WH_KEYBOARD_LL,
// VK_TAB ...); Windows defines them as macros. The runtime's headers come first, so they are read
// before the macros exist; below this header the Windows names are the macros.
#include "forms/Screen.h"
#include "forms/ShellService.h"
#include "forms/WindowSystem.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef STRICT
#define STRICT
#endif
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
#include <shellapi.h>
#include <shlobj.h>
