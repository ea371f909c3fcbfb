#pragma once

#include "platform/win32/ui/WinApi.h"

namespace corvane::forms::win32 {

/// Registers a window class of this program once (later calls do nothing): the class's procedure,
/// the arrow pointer and the dialog background.
void ensureWindowClass(HINSTANCE instance, const char* name, WNDPROC procedure);

} // namespace corvane::forms::win32
