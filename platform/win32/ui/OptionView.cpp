#include "platform/win32/ui/OptionView.h"

#include "platform/win32/ui/WindowText.h"

namespace corvane::forms::win32 {

OptionView::OptionView(OptionButton& option, HWND parent, const ViewContext& context)
    : ControlView(option, context, parent, "BUTTON", WS_TABSTOP | BS_RADIOBUTTON | BS_MULTILINE), option_(option) {}

void OptionView::command(WORD code) {
    if (code == BN_CLICKED) {
        user([this] { option_.userClick(); });
    }
}

void OptionView::syncContent() {
    setWindowText(window(), option_.Caption());
    SendMessageA(window(), BM_SETCHECK, option_.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace corvane::forms::win32
