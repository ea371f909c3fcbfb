#include "platform/win32/ui/ListBoxView.h"

#include "forms/Form.h"
#include "forms/Runtime.h"

namespace corvane::forms::win32 {

ListBoxView::ListBoxView(ListBox& list, HWND parent, const ViewContext& context)
    : ControlView(list, context, parent, "LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                  WS_EX_CLIENTEDGE),
      list_(list) {}

void ListBoxView::syncContent() {
    shown_.show(window(), list_);
    if (list_.ListCount() > 0) {
        SendMessageA(window(), LB_SETTOPINDEX, static_cast<WPARAM>(list_.TopIndex()), 0);
    }
}

void ListBoxView::command(WORD code) {
    const auto index = static_cast<int32_t>(SendMessageA(window(), LB_GETCURSEL, 0, 0));
    if (index < 0) {
        return;
    }
    if (code == LBN_SELCHANGE) {
        user([this, index] { list_.userSelect(index); });
    } else if (code == LBN_DBLCLK) {
        user([this, index] {
            // The double click's first press selected the item already (and fired Click).
            if (index == list_.ListIndex()) {
                list_.form().runtime().raise(list_.DblClick);
            } else {
                list_.userDoubleClick(index);
            }
        });
    }
}

} // namespace corvane::forms::win32
