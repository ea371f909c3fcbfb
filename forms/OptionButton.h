#pragma once

#include "forms/Control.h"

#include <string>

namespace corvane::forms {

class OptionGroup;

/// Design properties of a OptionButton beyond `ControlProps`.
struct OptionButtonOptions {
    std::string caption;
    bool value = false;
};

/// One button of an option group; its group fires the click.
class OptionButton : public Control {
public:
    using Options = OptionButtonOptions;

    OptionButton(Container& parent, OptionGroup& group, ControlProps props, Options options = {});

    ControlKind kind() const override { return ControlKind::OptionButton; }
    bool canFocus() const override { return true; }
    const std::string& Caption() const { return options_.caption; }
    bool Value() const { return options_.value; }
    /// Going from false to true clears the group's other buttons (without their click) and fires the
    /// group's `Click` with this button's index. Setting true again, or false, fires nothing.
    void setValue(bool value);

    void userClick() override;

private:
    friend class OptionGroup;
    void clear();

    OptionGroup& group_;
    Options options_;
};

} // namespace corvane::forms
