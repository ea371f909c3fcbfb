#pragma once

#include "forms/FileDialogService.h"

#include <optional>
#include <string>

namespace corvane::forms {

/// The common save-file dialog. It starts as the open-file dialog does (owner, folder, file name,
/// filter) and asks before it hands back a file that exists already.
class SaveFileDialogService {
public:
    virtual ~SaveFileDialogService() = default;
    /// Full path of the file to write, or nothing when the user cancelled.
    virtual std::optional<std::string> showSave(const FileDialogRequest& request) = 0;
};

} // namespace corvane::forms
