#pragma once

#include <QApplication>
#include <QWidget>

namespace corvane::forms::qt {

/// The window a dialog belongs to: the program's active window, if it has one.
inline QWidget* parentWindow() {
    return QApplication::activeWindow();
}

} // namespace corvane::forms::qt
