#include "platform/qt/QtSaveFileDialog.h"

#include "platform/qt/ParentWindow.h"
#include "platform/qt/QtFileDialog.h"

namespace corvane::forms::qt {

std::optional<std::string> QtSaveFileDialog::showSave(const FileDialogRequest& request) {
    QFileDialog dialog(parentWindow(), QStringLiteral("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return QtFileDialog::run(dialog, request, hook_);
}

} // namespace corvane::forms::qt
