#pragma once

#include "forms/Control.h"

#include <functional>
#include <string>

namespace corvane::forms {

/// Design properties of a CommandButton beyond `ControlProps`.
struct CommandButtonOptions {
    std::string caption;
    /// Enter anywhere in the form presses it.
    bool isDefault = false;
    /// Escape anywhere in the form presses it.
    bool isCancel = false;
    /// A picture button (the trigger's drop-down arrow); the backend draws the picture.
    bool graphical = false;
};

/// A push button. The form's default button takes Enter, its cancel button Escape.
class CommandButton : public Control {
public:
    using Options = CommandButtonOptions;

    CommandButton(Container& parent, ControlProps props, Options options = {});

    ControlKind kind() const override { return ControlKind::CommandButton; }
    bool canFocus() const override { return true; }
    const std::string& Caption() const { return options_.caption; }
    void setCaption(std::string caption);
    bool Default() const { return options_.isDefault; }
    bool Cancel() const { return options_.isCancel; }
    bool Graphical() const { return options_.graphical; }

    std::function<void()> Click;

    void userClick() override;

private:
    Options options_;
};

} // namespace corvane::forms
