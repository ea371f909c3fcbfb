#pragma once

#include "forms/TextControl.h"

#include <utility>

namespace corvane::forms {

/// A single-line text box.
class TextBox : public TextControl {
public:
    TextBox(Container& parent, ControlProps props, Options options = {})
        : TextControl(parent, std::move(props), std::move(options), false) {}

    ControlKind kind() const override { return ControlKind::TextBox; }
};

} // namespace corvane::forms
