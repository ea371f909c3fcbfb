#include "platform/qt/QtShell.h"

#include "platform/qt/AnsiText.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace corvane::forms::qt {

namespace {
bool isAddress(const QString& file) {
    // "https://...", "mailto:..."; a single letter before ":" would be a drive, not a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(file).hasMatch();
}
} // namespace

QUrl QtShell::target(const ShellRequest& request) {
    if (isAddress(ansi::toQt(request.file))) {
        return QUrl(ansi::toQt(request.file));
    }
    QString file = QFile::decodeName(request.file.c_str());
    if (QDir::isRelativePath(file) && !request.directory.empty()) {
        file = QDir(QFile::decodeName(request.directory.c_str())).filePath(file);
    }
    return QUrl::fromLocalFile(file);
}

int32_t QtShell::ShellExecuteA(const ShellRequest& request) {
    if (request.verb != "open") {
        return kNoAssociation;
    }
    QUrl url = target(request);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        return kFileNotFound;
    }
    return QDesktopServices::openUrl(url) ? kOpened : kNoAssociation;
}

} // namespace corvane::forms::qt
