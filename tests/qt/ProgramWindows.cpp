#include "tests/qt/ProgramWindows.h"

#include "tests/qt/Screenshot.h"

#include <QApplication>
#include <QTimer>

#include <memory>

namespace corvane::forms::qt::test {

void onModal(const std::string& formName, std::function<void(FormWindow& window)> action) {
    auto* poll = new QTimer();
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, formName, action = std::move(action)] {
        auto* window = dynamic_cast<FormWindow*>(QApplication::activeModalWidget());
        if (window != nullptr && window->form().Name() == formName) {
            poll->stop();
            poll->deleteLater();
            action(*window);
        }
    });
    poll->start();
}

std::vector<std::string> clippedControls(FormWindow& window) {
    std::vector<std::string> clipped;
    for (QWidget* widget : window.clientArea()->findChildren<QWidget*>()) {
        bool control = !widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_");
        if (!control || !widget->isVisibleTo(&window) || widget->parentWidget() == nullptr) {
            continue;
        }
        // A pixel past the edge comes from rounding twips, as on Windows.
        QRect room = widget->parentWidget()->rect();
        if (room.intersects(widget->geometry()) && !room.adjusted(0, 0, 1, 1).contains(widget->geometry())) {
            clipped.push_back(widget->objectName().toStdString());
        }
    }
    return clipped;
}

void saveWindow(FormWindow& window, const std::string& name) {
    saveScreenshot(screenshot(window.form(), window), name);
}

} // namespace corvane::forms::qt::test
