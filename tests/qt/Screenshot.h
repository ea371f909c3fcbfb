#pragma once

#include "forms/Form.h"

#include <QImage>
#include <QString>

#include <string>

class QWidget;

namespace corvane::forms::qt::test {

/// A picture of a window as the desktop would show it: the offscreen window has no frame, so a
/// classic frame `frame` pixels wide and a caption bar are drawn around the window's own picture.
QImage framed(QWidget& window, const QString& caption, int frame);

/// A form's window as the desktop would show it: framed, or as it is when the form has no border.
QImage screenshot(Form& form, QWidget& window);

/// Saves the picture as `name`.png in the build tree's screenshot folder; returns the file's path.
std::string saveScreenshot(const QImage& image, const std::string& name);

} // namespace corvane::forms::qt::test
