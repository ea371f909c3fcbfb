#pragma once

#include "platform/win32/ui/ControlView.h"

#include <memory>

namespace corvane::forms::win32 {

/// The view of a control, its window a child of `parent`.
std::unique_ptr<ControlView> makeView(Control& control, HWND parent, const ViewContext& context);

} // namespace corvane::forms::win32
