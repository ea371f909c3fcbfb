#include "forms/Frame.h"

#include <utility>

namespace corvane::forms {

Frame::Frame(Container& parent, ControlSpec spec, Options options)
    : Control(parent, std::move(spec)), options_(std::move(options)) {}

void Frame::setCaption(std::string caption) {
    options_.caption = std::move(caption);
    changed();
}

} // namespace corvane::forms
