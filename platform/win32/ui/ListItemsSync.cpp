#include "platform/win32/ui/ListItemsSync.h"

namespace corvane::forms::win32 {

const ItemMessages ItemMessages::combo{CB_RESETCONTENT, CB_ADDSTRING, CB_SETCURSEL};
const ItemMessages ItemMessages::list{LB_RESETCONTENT, LB_ADDSTRING, LB_SETCURSEL};

void ShownItems::show(HWND window, const ListControl& model) {
    const auto count = static_cast<size_t>(model.ListCount());
    bool appended = shown_.size() <= count;
    for (size_t i = 0; appended && i < shown_.size(); ++i) {
        appended = shown_[i] == model.List(static_cast<int32_t>(i));
    }
    if (!appended) {
        SendMessageA(window, messages_.reset, 0, 0);
        shown_.clear();
    }
    while (shown_.size() < count) {
        shown_.push_back(model.List(static_cast<int32_t>(shown_.size())));
        SendMessageA(window, messages_.add, 0, reinterpret_cast<LPARAM>(shown_.back().c_str()));
    }
    SendMessageA(window, messages_.select, static_cast<WPARAM>(model.ListIndex()), 0);
}

} // namespace corvane::forms::win32
