#pragma once

#include "forms/Hwnd.h"
#include "forms/Runtime.h"

#include <string>

namespace corvane::admin {

/// Address of the online help page ("Online Help").
inline constexpr const char* kOnlineHelpAddress = "https://www.corvane.com/help";
/// The vendor's web address (the About box's link).
inline constexpr const char* kVendorAddress = "https://www.corvane.com";
/// File name of the user manual, beside the program.
inline constexpr const char* kManualFileName = "Corvane_User_Manual.pdf";

/// Asks the shell to "open" a file or address: owned by `owner`, no parameters, the program's folder
/// as working folder, shown normally. The result is not examined: a missing file or an unreachable
/// page shows only what the shell itself shows.
void shellOpen(forms::Runtime& runtime, forms::Hwnd owner, const std::string& file);

} // namespace corvane::admin
