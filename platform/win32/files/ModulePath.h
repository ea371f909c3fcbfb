#pragma once

#include <string>

// The Windows headers define HMODULE; this header leaves them out of whoever includes it.
struct HINSTANCE__;

namespace corvane::win32 {

/// The full path of a module's file (of the running program for null), however long, in the system's
/// ANSI code page.
std::string modulePath(HINSTANCE__* module = nullptr);

} // namespace corvane::win32
