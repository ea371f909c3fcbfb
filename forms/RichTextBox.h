#pragma once

#include "forms/TextControl.h"

#include <utility>

namespace corvane::forms {

/// A multi-line rich-text box holding plain text; lines are separated by LF.
class RichTextBox : public TextControl {
public:
    RichTextBox(Container& parent, ControlProps props, Options options = {})
        : TextControl(parent, std::move(props), std::move(options), true) {}

    ControlKind kind() const override { return ControlKind::RichTextBox; }
};

} // namespace corvane::forms
