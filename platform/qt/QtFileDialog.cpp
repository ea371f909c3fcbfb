#include "platform/qt/QtFileDialog.h"

#include "platform/qt/AnsiText.h"
#include "platform/qt/ParentWindow.h"

#include <QFile>

namespace corvane::forms::qt {

QStringList QtFileDialog::nameFilters(std::string_view filter) {
    QStringList parts = ansi::toQt(filter).split(QChar('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].split(QChar(';'), Qt::SkipEmptyParts).join(QChar(' '));
        QString named = QStringLiteral("(") + patterns + QStringLiteral(")");
        filters.append(description.endsWith(named) ? description : description + QChar(' ') + named);
    }
    return filters;
}

std::optional<std::string> QtFileDialog::run(QFileDialog& dialog, const FileDialogRequest& request,
                                             DialogHook<QFileDialog>& hook) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!request.initDir.empty()) {
        dialog.setDirectory(QFile::decodeName(request.initDir.c_str()));
    }
    const QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    if (!request.fileName.empty()) {
        dialog.selectFile(QFile::decodeName(request.fileName.c_str()));
    }
    if (hook.exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

std::optional<std::string> QtFileDialog::showOpen(const FileDialogRequest& request) {
    QFileDialog dialog(parentWindow(), QStringLiteral("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog, request, hook_);
}

} // namespace corvane::forms::qt
