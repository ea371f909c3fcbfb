#include "platform/win32/ui/Win32Dialogs.h"

#include <algorithm>
#include <memory>

namespace corvane::forms::win32 {

namespace {
/// The shell's buffers for a path.
constexpr size_t kPathBuffer = MAX_PATH;

struct ItemListFree {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ItemListFree>;

const char* orNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}
} // namespace

std::string Win32FileDialog::filterOf(const std::string& vbFilter) {
    std::string filter = vbFilter;
    for (char& c : filter) {
        if (c == '|') {
            c = '\0';
        }
    }
    filter.append(2, '\0');
    return filter;
}

std::optional<std::string> Win32FileDialog::showOpen(const FileDialogRequest& request) {
    std::string file = request.fileName;
    file.resize(std::max(file.size() + 1, kPathBuffer), '\0');
    const std::string filter = filterOf(request.filter);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = native_(request.owner);
    dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = orNull(request.initDir);
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetOpenFileNameA(&dialog) == FALSE) {
        return std::nullopt;
    }
    return std::string(file.c_str());
}

std::optional<std::string> Win32FolderBrowser::browseForFolder(const FolderBrowseRequest& request) {
    ItemList root;
    if (request.root == BrowseRoot::Desktop) {
        ITEMIDLIST* desktop = nullptr;
        if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &desktop))) {
            root.reset(desktop);
        }
    }
    char displayName[kPathBuffer] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = native_(request.owner);
    browse.pidlRoot = root.get();
    browse.pszDisplayName = displayName;
    browse.lpszTitle = orNull(request.prompt);
    browse.ulFlags = request.onlyFileSystemFolders ? BIF_RETURNONLYFSDIRS : 0;
    const ItemList chosen(SHBrowseForFolderA(&browse));
    if (!chosen) {
        return std::nullopt;
    }
    char path[kPathBuffer] = {};
    if (SHGetPathFromIDListA(chosen.get(), path) == FALSE) {
        return std::nullopt;
    }
    return std::string(path);
}

int32_t Win32Shell::ShellExecuteA(const ShellRequest& request) {
    HINSTANCE result = ::ShellExecuteA(native_(request.owner), orNull(request.verb), request.file.c_str(),
                                       orNull(request.parameters), orNull(request.directory), request.showCmd);
    return static_cast<int32_t>(reinterpret_cast<INT_PTR>(result));
}

} // namespace corvane::forms::win32
