#pragma once

#include "forms/SaveFileDialogService.h"
#include "platform/qt/DialogHook.h"

#include <QFileDialog>

namespace corvane::forms::qt {

/// The save-file dialog as Qt's own `QFileDialog` in its save mode (what `getSaveFileName` shows),
/// built here so that tests can drive it as they drive the open-file dialog. It asks before it
/// hands back a file that exists.
class QtSaveFileDialog : public SaveFileDialogService {
public:
    std::optional<std::string> showSave(const FileDialogRequest& request) override;

    /// Lets a test answer every dialog that shows.
    void onShown(DialogHook<QFileDialog>::Hook hook) { hook_.set(std::move(hook)); }

private:
    DialogHook<QFileDialog> hook_;
};

} // namespace corvane::forms::qt
