#pragma once

#include "forms/FolderBrowserService.h"
#include "platform/qt/DialogHook.h"

#include <QFileDialog>

namespace corvane::forms::qt {

/// The folder browser as Qt's own `QFileDialog` showing folders only; the prompt is its title. It
/// starts at the desktop folder when asked to, else at the user's home.
class QtFolderBrowser : public FolderBrowserService {
public:
    std::optional<std::string> browseForFolder(const FolderBrowseRequest& request) override;

    /// Lets a test answer every browser that shows.
    void onShown(DialogHook<QFileDialog>::Hook hook) { hook_.set(std::move(hook)); }

private:
    DialogHook<QFileDialog> hook_;
};

} // namespace corvane::forms::qt
