#include "platform/qt/QtSaveFileDialog.h"

#include "platform/qt/ParentWindow.h"
#include "platform/qt/QtFileDialog.h"

#include <QFile>

namespace corvane::forms::qt {

std::optional<std::string> QtSaveFileDialog::showSave(const FileDialogRequest& request) {
    QFileDialog dialog(parentWindow(), QStringLiteral("Save As"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.initDir.empty()) {
        dialog.setDirectory(QFile::decodeName(request.initDir.c_str()));
    }
    const QStringList filters = QtFileDialog::nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    if (!request.fileName.empty()) {
        dialog.selectFile(QFile::decodeName(request.fileName.c_str()));
    }
    if (hook_.exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

} // namespace corvane::forms::qt
