#pragma once

#include "forms/FileDialogService.h"
#include "platform/qt/DialogHook.h"

#include <QFileDialog>
#include <QStringList>

#include <string_view>

namespace corvane::forms::qt {

/// The open-file dialog as Qt's own (not the desktop's) `QFileDialog`, so it looks and behaves the
/// same everywhere and tests can drive it.
class QtFileDialog : public FileDialogService {
public:
    std::optional<std::string> showOpen(const FileDialogRequest& request) override;

    /// Lets a test answer every dialog that shows.
    void onShown(DialogHook<QFileDialog>::Hook hook) { hook_.set(std::move(hook)); }

    /// Qt's name filters of a filter in the common dialog's notation: pairs of description and
    /// patterns ("Data file (*.dat)|*.dat|All files|*.*"); patterns within a pair are separated by ";".
    /// A description that already names its patterns in brackets is kept as it is.
    static QStringList nameFilters(std::string_view filter);

    /// Shows a dialog (open or save, as the caller set it up) at the request's folder, filter and
    /// file, and gives the file chosen; nothing when it was cancelled.
    static std::optional<std::string> run(QFileDialog& dialog, const FileDialogRequest& request,
                                          DialogHook<QFileDialog>& hook);

private:
    DialogHook<QFileDialog> hook_;
};

} // namespace corvane::forms::qt
