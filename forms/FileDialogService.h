#pragma once

#include "forms/Hwnd.h"

#include <optional>
#include <string>

namespace corvane::forms {

/// What an open-file dialog starts with.
struct FileDialogRequest {
    Hwnd owner = 0;
    std::string initDir;
    std::string fileName;
    /// Pairs of description and pattern separated by "|", e.g. "Data file (*.dat)|*.dat".
    std::string filter;
};

/// The common open-file dialog.
class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    /// Full path of the chosen file, or nothing when the user cancelled.
    virtual std::optional<std::string> showOpen(const FileDialogRequest& request) = 0;
};

} // namespace corvane::forms
