#pragma once

#include "platform/qt/QtSession.h"
#include "tests/support/TempDir.h"

#include <QCoreApplication>
#include <QWidget>

#include <string>
#include <utility>

namespace corvane::forms::qt::test {

/// A Qt session of a test program, with its instance lock in a folder of its own.
struct QtTestSession {
    explicit QtTestSession(std::string title = "Corvane Test")
        : session({.title = std::move(title), .major = 1, .minor = 0, .revision = 4}, lockFolder.path().string()) {}

    corvane::test::TempDir lockFolder;
    QtSession session;

    /// The widget of a control, by the control's name, in a loaded form's window.
    template <class Widget = QWidget> Widget* widget(const Form& form, const std::string& name) {
        FormWindow* window = session.backend.windowOf(form);
        return window != nullptr ? window->findChild<Widget*>(QString::fromStdString(name)) : nullptr;
    }
};

/// Lets the event loop deliver what is pending (posted events, zero timers).
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace corvane::forms::qt::test
