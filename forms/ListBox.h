#pragma once

#include "forms/ListControl.h"

#include <algorithm>
#include <cstdint>
#include <functional>

namespace corvane::forms {

/// A list box with a scroll position (`TopIndex`), double click and key press.
class ListBox : public ListControl {
public:
    ListBox(Container& parent, ControlProps props, Options options = {});

    ControlKind kind() const override { return ControlKind::ListBox; }
    /// The first visible item.
    int32_t TopIndex() const { return std::min(topIndex_, std::max(0, ListCount() - 1)); }
    /// Scrolls so that the item is the first visible one; VB's error 380 outside the items.
    void setTopIndex(int32_t index);

    std::function<void()> DblClick;
    std::function<void(int16_t& keyAscii)> KeyPress;

    /// A double click on an item: the first click selects it, then `DblClick` fires.
    void userDoubleClick(int32_t index);
    void userKeyPress(int16_t keyAscii) override;

private:
    int32_t topIndex_ = 0;
};

} // namespace corvane::forms
