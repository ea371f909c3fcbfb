#pragma once

#include "forms/Hwnd.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"

/// The shell's folder browser as the settings locations dialog uses it.
namespace corvane::ModSHBrowse {

/// Shows the runtime's folder browser from the desktop, owned by `owner`, with no prompt, offering only
/// file-system folders. A chosen folder's path (up to its first NUL) goes into `target`; a cancel
/// changes nothing.
void BrowseForFolder(forms::Runtime& runtime, forms::Hwnd owner, forms::TextBox& target);

} // namespace corvane::ModSHBrowse
