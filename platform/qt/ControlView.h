#pragma once

#include "forms/Control.h"
#include "platform/qt/PixelScale.h"

#include <QObject>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class QKeyEvent;

namespace corvane::forms::qt {

/// What every view gets from its window: the scale, and where real keys go before the forms see them
/// (the window system's keyboard hooks), as a virtual-key code.
struct ViewContext {
    PixelScale scale;
    std::function<void(int32_t virtualKey)> keyTap;
};

/// The Qt widget of one control. It re-reads the model on `sync` and turns real input into the
/// model's `user...` entry points; it never changes the model's state by itself.
///
/// Keys: Enter and Escape go to the form (default and cancel buttons); a control that takes typed
/// characters gets them through `KeyPress`; every other key is the widget's own.
class ControlView : public QObject {
public:
    ControlView(Control& control, QWidget* widget, const ViewContext& context);
    ~ControlView() override;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    Control& control() { return control_; }
    QWidget* widget() { return widget_; }

    /// Shows the model's state: geometry, visibility, enabled state and the control's own content.
    void sync();
    /// The model is going away: input no longer reaches it.
    void detach() { live_ = false; }

    /// The character code VB hands to `KeyPress` for a key, if it makes one.
    static std::optional<int16_t> characterCode(const QKeyEvent& event);
    /// The virtual-key code of a key for the keyboard hooks, if it has one.
    static std::optional<int32_t> virtualKey(const QKeyEvent& event);

protected:
    virtual void syncContent() = 0;
    /// Where the widget lies in its container, in pixels.
    virtual QRect geometry() const;
    /// A text or list control takes printable characters and Backspace as `KeyPress`.
    virtual bool takesCharacters() const { return false; }

    /// Runs a user action on the model, unless the widget is only showing the model's state.
    template <class Action> void user(Action&& action) {
        if (live_ && !syncing_) {
            action();
        }
    }
    const PixelScale& scale() const { return context_.scale; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(const QKeyEvent& event);

    Control& control_;
    QWidget* widget_; // owned by its parent widget
    const ViewContext& context_;
    bool live_ = true;
    bool syncing_ = false;
};

} // namespace corvane::forms::qt
