#include "forms/CommandButton.h"

#include "forms/Form.h"
#include "forms/Runtime.h"

#include <utility>

namespace corvane::forms {

CommandButton::CommandButton(Container& parent, ControlProps props, Options options)
    : Control(parent, std::move(props)), options_(std::move(options)) {
    if (options_.isDefault) {
        form().setDefaultButton(this);
    }
    if (options_.isCancel) {
        form().setCancelButton(this);
    }
}

void CommandButton::setCaption(std::string caption) {
    options_.caption = std::move(caption);
    changed();
}

void CommandButton::userClick() {
    Control::userClick();
    runtime().raise(Click);
}

} // namespace corvane::forms
