#pragma once

#include "forms/TextControl.h"

#include <utility>

namespace corvane::forms {

/// A single-line text box.
class TextBox : public TextControl {
public:
    TextBox(Container& parent, ControlSpec spec, Options options = {})
        : TextControl(parent, std::move(spec), std::move(options), false) {}

    ControlKind kind() const override { return ControlKind::TextBox; }
};

} // namespace corvane::forms
