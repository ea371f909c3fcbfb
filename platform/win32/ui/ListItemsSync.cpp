#include "platform/win32/ui/ListItemsSync.h"

#include <string>

namespace corvane::forms::win32 {

const ItemMessages ItemMessages::combo{CB_GETCOUNT,     CB_GETLBTEXTLEN, CB_GETLBTEXT,
                                       CB_RESETCONTENT, CB_ADDSTRING,    CB_SETCURSEL};
const ItemMessages ItemMessages::list{LB_GETCOUNT,     LB_GETTEXTLEN, LB_GETTEXT,
                                      LB_RESETCONTENT, LB_ADDSTRING,  LB_SETCURSEL};

namespace {
std::string shownItem(HWND window, const ItemMessages& messages, int32_t index) {
    const auto length = SendMessageA(window, messages.textLength, static_cast<WPARAM>(index), 0);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    SendMessageA(window, messages.text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}

bool showsItemsOf(HWND window, const ItemMessages& messages, const ListControl& model) {
    if (SendMessageA(window, messages.count, 0, 0) != model.ListCount()) {
        return false;
    }
    for (int32_t i = 0; i < model.ListCount(); ++i) {
        if (shownItem(window, messages, i) != model.List(i)) {
            return false;
        }
    }
    return true;
}
} // namespace

void showItems(HWND window, const ItemMessages& messages, const ListControl& model) {
    if (!showsItemsOf(window, messages, model)) {
        SendMessageA(window, messages.reset, 0, 0);
        for (int32_t i = 0; i < model.ListCount(); ++i) {
            SendMessageA(window, messages.add, 0, reinterpret_cast<LPARAM>(model.List(i).c_str()));
        }
    }
    SendMessageA(window, messages.select, static_cast<WPARAM>(model.ListIndex()), 0);
}

} // namespace corvane::forms::win32
