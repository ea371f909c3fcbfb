#include "forms/OptionGroup.h"

#include "forms/ControlArrayError.h"
#include "forms/Form.h"
#include "forms/Runtime.h"

#include <utility>

namespace corvane::forms {

OptionButton& OptionGroup::add(Container& parent, ControlProps props, OptionButton::Options options) {
    buttons_.push_back(std::make_unique<OptionButton>(parent, *this, std::move(props), std::move(options)));
    return *buttons_.back();
}

OptionButton& OptionGroup::operator()(int index) {
    for (auto& button : buttons_) {
        if (button->Index() == index) {
            return *button;
        }
    }
    throw controlArrayError(index);
}

void OptionGroup::selected(OptionButton& button) {
    for (auto& other : buttons_) {
        if (other.get() != &button) {
            other->clear();
        }
    }
    button.form().runtime().raise(Click, button.Index());
}

} // namespace corvane::forms
