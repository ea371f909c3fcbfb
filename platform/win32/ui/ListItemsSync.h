#pragma once

#include "forms/ListControl.h"
#include "platform/win32/ui/WinApi.h"

namespace corvane::forms::win32 {

/// The messages by which a combo box or a list box gives and takes its items.
struct ItemMessages {
    UINT count;
    UINT textLength;
    UINT text;
    UINT reset;
    UINT add;
    UINT select;

    static const ItemMessages combo;
    static const ItemMessages list;
};

/// Makes the control show the model's items in the model's order (the model sorts) and its
/// selection; the items are put in anew only when they differ.
void showItems(HWND window, const ItemMessages& messages, const ListControl& model);

} // namespace corvane::forms::win32
