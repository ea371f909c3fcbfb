#pragma once

#include "forms/FileDialogService.h"
#include "forms/FolderBrowserService.h"
#include "forms/ShellService.h"
#include "platform/win32/ui/WinApi.h"

#include <functional>
#include <string>

namespace corvane::forms::win32 {

/// Turns a form's handle into its native window (null when no loaded form has it).
using NativeWindowOf = std::function<HWND(Hwnd form)>;

/// The common open-file dialog (`GetOpenFileNameA`) with VB's filter notation.
class Win32FileDialog : public FileDialogService {
public:
    explicit Win32FileDialog(NativeWindowOf native) : native_(std::move(native)) {}

    std::optional<std::string> showOpen(const FileDialogRequest& request) override;

    /// VB's "Description|pattern|..." as the dialog takes it: pairs separated by NULs, ending in two.
    static std::string filterOf(const std::string& vbFilter);

private:
    NativeWindowOf native_;
};

/// The shell's folder browser (`SHBrowseForFolderA`), offering folders of the file system only.
class Win32FolderBrowser : public FolderBrowserService {
public:
    explicit Win32FolderBrowser(NativeWindowOf native) : native_(std::move(native)) {}

    std::optional<std::string> browseForFolder(const FolderBrowseRequest& request) override;

private:
    NativeWindowOf native_;
};

/// The shell's "open" and the other verbs (`ShellExecuteA`).
class Win32Shell : public ShellService {
public:
    explicit Win32Shell(NativeWindowOf native) : native_(std::move(native)) {}

    int32_t ShellExecuteA(const ShellRequest& request) override;

private:
    NativeWindowOf native_;
};

} // namespace corvane::forms::win32
