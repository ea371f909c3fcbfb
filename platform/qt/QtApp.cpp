#include "platform/qt/QtApp.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace corvane::forms::qt {

// Paths stay in the file system's own bytes, as every other path the programs handle.
std::string QtApp::Path() {
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

std::string QtApp::processName() {
    return QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()).toStdString();
}

} // namespace corvane::forms::qt
