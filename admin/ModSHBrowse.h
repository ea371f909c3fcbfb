#pragma once

#include "forms/FolderBrowserService.h"
#include "forms/Hwnd.h"
#include "forms/TextBox.h"

/// The shell's folder browser as the settings locations dialog uses it.
namespace corvane::ModSHBrowse {

/// Shows the folder browser from the desktop, owned by `owner`, with no prompt, offering only
/// file-system folders. A chosen folder's path (up to its first NUL) goes into `target`; a cancel
/// changes nothing.
void BrowseForFolder(forms::FolderBrowserService& browser, forms::Hwnd owner, forms::TextBox& target);

} // namespace corvane::ModSHBrowse
