#include "platform/win32/ui/Win32SaveFileDialog.h"

#include <algorithm>

namespace corvane::forms::win32 {

std::optional<std::string> Win32SaveFileDialog::showSave(const FileDialogRequest& request) {
    std::string file = request.fileName;
    file.resize(std::max<size_t>(file.size() + 1, MAX_PATH), '\0');
    const std::string filter = Win32FileDialog::filterOf(request.filter);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = native_(request.owner);
    dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = request.initDir.empty() ? nullptr : request.initDir.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    if (GetSaveFileNameA(&dialog) == FALSE) {
        return std::nullopt;
    }
    return std::string(file.c_str());
}

} // namespace corvane::forms::win32
