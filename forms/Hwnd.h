#pragma once

#include <cstdint>

namespace corvane::forms {

/// A window handle as the window system knows it: a 32-bit number, 0 for none.
using Hwnd = int32_t;

} // namespace corvane::forms
