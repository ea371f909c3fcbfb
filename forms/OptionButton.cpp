#include "forms/OptionButton.h"

#include "forms/OptionGroup.h"

#include <utility>

namespace corvane::forms {

OptionButton::OptionButton(Container& parent, OptionGroup& group, ControlProps props, Options options)
    : Control(parent, std::move(props)), group_(group), options_(std::move(options)) {}

void OptionButton::setValue(bool value) {
    if (value == options_.value) {
        return;
    }
    options_.value = value;
    changed();
    if (value) {
        group_.selected(*this);
    }
}

void OptionButton::clear() {
    if (options_.value) {
        options_.value = false;
        changed();
    }
}

void OptionButton::userClick() {
    Control::userClick();
    setValue(true);
}

} // namespace corvane::forms
