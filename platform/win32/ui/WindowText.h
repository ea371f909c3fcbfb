#pragma once

#include "platform/win32/ui/WinApi.h"

#include <string>
#include <string_view>

namespace corvane::forms::win32 {

/// A window's text, as the system's ANSI bytes.
std::string windowText(HWND window);

/// Sets a window's text when it differs, so that unchanged text neither flickers nor notifies.
void setWindowText(HWND window, std::string_view text);

} // namespace corvane::forms::win32
