#pragma once

#include "forms/Control.h"

#include <cstdint>
#include <functional>
#include <string>

namespace corvane::forms {

inline constexpr int16_t vbUnchecked = 0;
inline constexpr int16_t vbChecked = 1;
inline constexpr int16_t vbGrayed = 2;

/// Design properties of a CheckBox beyond `ControlProps`.
struct CheckBoxOptions {
    std::string caption;
    int16_t value = vbUnchecked;
};

/// A check box holding 0 (cleared), 1 (checked) or 2 (grayed).
class CheckBox : public Control {
public:
    using Options = CheckBoxOptions;

    CheckBox(Container& parent, ControlProps props, Options options = {});

    ControlKind kind() const override { return ControlKind::CheckBox; }
    bool canFocus() const override { return true; }
    const std::string& Caption() const { return options_.caption; }
    int16_t Value() const { return options_.value; }
    /// A different value fires `Click`; a value other than 0, 1 or 2 is VB's error 380.
    void setValue(int16_t value);

    std::function<void()> Click;

    /// The user's click toggles between checked and cleared.
    void userClick() override;

private:
    Options options_;
};

} // namespace corvane::forms
