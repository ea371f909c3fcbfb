#include "forms/Frame.h"

#include <utility>

namespace corvane::forms {

Frame::Frame(Container& parent, ControlProps props, Options options)
    : Control(parent, std::move(props)), options_(std::move(options)) {}

void Frame::setCaption(std::string caption) {
    options_.caption = std::move(caption);
    changed();
}

} // namespace corvane::forms
