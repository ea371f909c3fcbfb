#include "platform/win32/ui/ComboView.h"

#include <algorithm>

namespace corvane::forms::win32 {

namespace {
/// Items the open list shows before it scrolls.
constexpr int kVisibleItems = 8;
/// What the closed box's frame adds to the height of its selection field.
constexpr int kFieldFrame = 6;
} // namespace

ComboView::ComboView(ComboBox& combo, HWND parent, const ViewContext& context)
    : ControlView(combo, context, parent, "COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST), combo_(combo) {}

RECT ComboView::geometry() const {
    // A combo box's window height is that of its open list; the closed box is as high as its field.
    RECT at = ControlView::geometry();
    const auto itemHeight = static_cast<LONG>(SendMessageA(window(), CB_GETITEMHEIGHT, 0, 0));
    at.bottom += std::max<LONG>(itemHeight, 1) * kVisibleItems;
    return at;
}

void ComboView::syncContent() {
    const int fieldHeight = scale().y(combo_.Height()) - kFieldFrame;
    if (SendMessageA(window(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0) != fieldHeight && fieldHeight > 0) {
        SendMessageA(window(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), fieldHeight);
    }
    shown_.show(window(), combo_);
}

void ComboView::command(WORD code) {
    if (code == CBN_SELCHANGE) {
        const auto index = static_cast<int32_t>(SendMessageA(window(), CB_GETCURSEL, 0, 0));
        user([this, index] { combo_.userSelect(index); });
    }
}

} // namespace corvane::forms::win32
