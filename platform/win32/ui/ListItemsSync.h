#pragma once

#include "forms/ListControl.h"
#include "platform/win32/ui/WinApi.h"

#include <string>
#include <vector>

namespace corvane::forms::win32 {

/// The messages by which a combo box or a list box takes its items.
struct ItemMessages {
    UINT reset;
    UINT add;
    UINT select;

    static const ItemMessages combo;
    static const ItemMessages list;
};

/// The items a combo box or list box shows, as its view put them there.
class ShownItems {
public:
    explicit ShownItems(const ItemMessages& messages) : messages_(messages) {}

    /// Makes the control show the model's items in the model's order (the model sorts) and its
    /// selection. Items the model appended after those shown are added; any other difference puts
    /// every item in anew. A list filled item by item so costs one message per item.
    void show(HWND window, const ListControl& model);

private:
    const ItemMessages& messages_;
    std::vector<std::string> shown_;
};

} // namespace corvane::forms::win32
