#include "platform/qt/QtFolderBrowser.h"

#include "platform/qt/AnsiText.h"
#include "platform/qt/ParentWindow.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace corvane::forms::qt {

std::optional<std::string> QtFolderBrowser::browseForFolder(const FolderBrowseRequest& request) {
    QFileDialog dialog(parentWindow(), ansi::toQt(request.prompt));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setDirectory(request.root == BrowseRoot::Desktop
                            ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)
                            : QDir::homePath());
    if (hook_.exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    QString folder = QDir::cleanPath(dialog.selectedFiles().constFirst());
    return QFile::encodeName(folder).toStdString();
}

} // namespace corvane::forms::qt
