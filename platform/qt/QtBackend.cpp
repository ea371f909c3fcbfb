#include "platform/qt/QtBackend.h"

#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Menu.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>

namespace corvane::forms::qt {

void QtBackend::LaterDeleter::operator()(FormWindow* window) const {
    // The window may be in the middle of one of its own events (its OK button unloaded the form).
    window->detach();
    window->hide();
    window->deleteLater();
}

QtBackend::QtBackend(PixelScale scale) : context_{scale, {}} {}

QtBackend::~QtBackend() {
    windows_.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

FormWindow* QtBackend::windowOf(const Form& form) {
    auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.get();
}

FormWindow* QtBackend::windowOf(Hwnd handle) {
    for (auto& [form, window] : windows_) {
        if (form->hWnd() == handle) {
            return window.get();
        }
    }
    return nullptr;
}

void QtBackend::run() {
    if (ended_) {
        return;
    }
    QEventLoop loop;
    mainLoop_ = &loop;
    loop.exec();
    mainLoop_ = nullptr;
}

void QtBackend::formChanged(Form& form) {
    if (!form.Loaded()) {
        return;
    }
    FormWindow* window = windowOf(form);
    if (window == nullptr) {
        window = new FormWindow(form, context_);
        windows_.emplace(&form, std::unique_ptr<FormWindow, LaterDeleter>(window));
    }
    window->sync();
    if (!form.Visible()) {
        quitModalLoop(form);
    }
}

void QtBackend::formUnloaded(Form& form) {
    quitModalLoop(form);
    windows_.erase(&form);
}

void QtBackend::controlChanged(Control& control) {
    if (FormWindow* window = windowOf(control.form())) {
        window->syncControl(control);
    }
}

void QtBackend::menuChanged(Menu& menu) {
    if (FormWindow* window = windowOf(menu.form())) {
        window->syncMenus();
    }
}

void QtBackend::runModalLoop(Form& form) {
    FormWindow* window = windowOf(form);
    if (window == nullptr || !form.Visible()) {
        return;
    }
    // Modality takes effect only as a window shows.
    window->hide();
    window->setWindowModality(Qt::ApplicationModal);
    window->sync();
    QEventLoop loop;
    modalLoops_[&form] = &loop;
    loop.exec();
    modalLoops_.erase(&form);
    if (FormWindow* still = windowOf(form); still != nullptr && !still->isVisible()) {
        still->setWindowModality(Qt::NonModal);
    }
}

void QtBackend::quitModalLoop(const Form& form) {
    if (auto found = modalLoops_.find(&form); found != modalLoops_.end()) {
        found->second->quit();
    }
}

void QtBackend::programEnded() {
    ended_ = true;
    for (auto& [form, loop] : modalLoops_) {
        loop->quit();
    }
    // Message boxes and dialogs still open close too; what they would answer no longer counts.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog != nullptr && dialog->isVisible()) {
            dialog->reject();
        }
    }
    if (mainLoop_ != nullptr) {
        mainLoop_->quit();
    }
}

} // namespace corvane::forms::qt
