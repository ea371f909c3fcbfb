#pragma once

#include "forms/OptionButton.h"

#include <functional>
#include <memory>
#include <vector>

namespace corvane::forms {

/// An indexed array of option buttons of which at most one is on, e.g. `optUsers(0)` and
/// `optUsers(1)`. The form binds one handler: `optUsers.Click = [this](int index) {...};`.
class OptionGroup {
public:
    OptionGroup() = default;
    OptionGroup(const OptionGroup&) = delete;
    OptionGroup& operator=(const OptionGroup&) = delete;

    /// Creates a button; `props.index` is its index in the group.
    OptionButton& add(Container& parent, ControlProps props, OptionButton::Options options = {});
    /// The button with that index; VB's error 340 when there is none.
    OptionButton& operator()(int index);
    int count() const { return static_cast<int>(buttons_.size()); }

    std::function<void(int index)> Click;

    // Used by the buttons.
    void selected(OptionButton& button);

private:
    std::vector<std::unique_ptr<OptionButton>> buttons_;
};

} // namespace corvane::forms
