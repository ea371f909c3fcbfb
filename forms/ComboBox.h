#pragma once

#include "forms/ListControl.h"

#include <string>
#include <utility>

namespace corvane::forms {

/// A drop-down list combo box: its text is the selected item's text, "" when none is selected.
class ComboBox : public ListControl {
public:
    ComboBox(Container& parent, ControlProps props, Options options = {})
        : ListControl(parent, std::move(props), options) {}

    ControlKind kind() const override { return ControlKind::ComboBox; }
    std::string Text() const { return List(ListIndex()); }
};

} // namespace corvane::forms
