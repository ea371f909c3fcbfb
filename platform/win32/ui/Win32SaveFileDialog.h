#pragma once

#include "forms/SaveFileDialogService.h"
#include "platform/win32/ui/Win32Dialogs.h"

#include <utility>

namespace corvane::forms::win32 {

/// The common save-file dialog (`GetSaveFileNameA`) with VB's filter notation; it asks before it
/// hands back a file that exists.
class Win32SaveFileDialog : public SaveFileDialogService {
public:
    explicit Win32SaveFileDialog(NativeWindowOf native) : native_(std::move(native)) {}

    std::optional<std::string> showSave(const FileDialogRequest& request) override;

private:
    NativeWindowOf native_;
};

} // namespace corvane::forms::win32
