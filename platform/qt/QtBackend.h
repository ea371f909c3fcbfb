#pragma once

#include "forms/Backend.h"
#include "forms/Hwnd.h"
#include "platform/qt/ControlView.h"
#include "platform/qt/FormWindow.h"

#include <QEventLoop>

#include <functional>
#include <map>
#include <memory>

namespace corvane::forms::qt {

/// The Qt 6 Widgets backend: a top-level window per loaded form (made when the form loads, gone when
/// it unloads), a view per control, modal forms in nested event loops, and the program's main loop.
/// The program's timers and message sources run from Qt timers (`MessagePump`), in every loop.
class QtBackend : public Backend {
public:
    explicit QtBackend(PixelScale scale);
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    /// Where real keys go before the forms see them: the window system's keyboard hooks.
    void setKeyTap(std::function<void(int32_t virtualKey)> keyTap) { context_.keyTap = std::move(keyTap); }
    /// The window of a loaded form, or null.
    FormWindow* windowOf(const Form& form);
    /// The window of the loaded form with that handle, or null.
    FormWindow* windowOf(Hwnd handle);
    /// Runs the main loop until the program ends (at once when it has ended already).
    void run();
    bool programHasEnded() const { return ended_; }

    void formChanged(Form& form) override;
    void formUnloaded(Form& form) override;
    void controlChanged(Control& control) override;
    void menuChanged(Menu& menu) override;
    void runModalLoop(Form& form) override;
    void programEnded() override;

private:
    struct LaterDeleter {
        void operator()(FormWindow* window) const;
    };
    void quitModalLoop(const Form& form);

    ViewContext context_;
    std::map<const Form*, std::unique_ptr<FormWindow, LaterDeleter>> windows_;
    std::map<const Form*, QEventLoop*> modalLoops_; // the loops live on the stack of runModalLoop
    QEventLoop* mainLoop_ = nullptr;                // on the stack of run
    bool ended_ = false;
};

} // namespace corvane::forms::qt
