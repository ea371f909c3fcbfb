#include "forms/Label.h"

#include "forms/Runtime.h"

#include <utility>

namespace corvane::forms {

Label::Label(Container& parent, ControlProps props, Options options)
    : Control(parent, std::move(props)), options_(std::move(options)) {}

void Label::setCaption(std::string caption) {
    options_.caption = std::move(caption);
    changed();
}

void Label::userClick() {
    runtime().raise(Click);
}

} // namespace corvane::forms
