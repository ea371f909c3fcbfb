#pragma once

#include "forms/Hwnd.h"

#include <optional>
#include <string>

namespace corvane::forms {

/// Where the folder browser's tree starts.
enum class BrowseRoot { Default, Desktop };

/// What the shell's folder browser is shown with.
struct FolderBrowseRequest {
    Hwnd owner = 0;
    BrowseRoot root = BrowseRoot::Default;
    std::string prompt;
    /// Only folders of the file system can be chosen.
    bool onlyFileSystemFolders = false;
};

/// The shell's folder browser.
class FolderBrowserService {
public:
    virtual ~FolderBrowserService() = default;
    /// Path of the chosen folder (no trailing separator), or nothing when the user cancelled.
    virtual std::optional<std::string> browseForFolder(const FolderBrowseRequest& request) = 0;
};

} // namespace corvane::forms
