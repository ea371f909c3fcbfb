#pragma once

#include "platform/win32/ui/WinApi.h"

#include <optional>

namespace corvane::forms::win32 {

/// Hands a notification that a container window (a form's or a frame's) receives from one of its
/// controls to that control's view: WM_COMMAND, WM_NOTIFY, WM_CTLCOLORSTATIC / WM_CTLCOLORBTN and
/// WM_DRAWITEM. A value means a view took it.
std::optional<LRESULT> routeToControl(UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace corvane::forms::win32
