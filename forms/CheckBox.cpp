#include "forms/CheckBox.h"

#include "common/RuntimeError.h"
#include "forms/Runtime.h"

#include <utility>

namespace corvane::forms {

namespace {
void checkValue(int16_t value) {
    if (value != vbUnchecked && value != vbChecked && value != vbGrayed) {
        throw RuntimeError(vberr::InvalidPropertyValue);
    }
}
} // namespace

CheckBox::CheckBox(Container& parent, ControlProps props, Options options)
    : Control(parent, std::move(props)), options_(std::move(options)) {
    checkValue(options_.value);
}

void CheckBox::setValue(int16_t value) {
    checkValue(value);
    if (value == options_.value) {
        return;
    }
    options_.value = value;
    changed();
    runtime().raise(Click);
}

void CheckBox::userClick() {
    Control::userClick();
    setValue(options_.value == vbChecked ? vbUnchecked : vbChecked);
}

} // namespace corvane::forms
