#include "platform/win32/ui/CheckBoxView.h"

#include "platform/win32/ui/WindowText.h"

namespace corvane::forms::win32 {

CheckBoxView::CheckBoxView(CheckBox& check, HWND parent, const ViewContext& context)
    : ControlView(check, context, parent, "BUTTON", WS_TABSTOP | BS_3STATE | BS_MULTILINE), check_(check) {}

void CheckBoxView::command(WORD code) {
    if (code == BN_CLICKED) {
        user([this] { check_.userClick(); });
    }
}

void CheckBoxView::syncContent() {
    setWindowText(window(), check_.Caption());
    const WPARAM state = check_.Value() == vbChecked  ? BST_CHECKED
                         : check_.Value() == vbGrayed ? BST_INDETERMINATE
                                                      : BST_UNCHECKED;
    SendMessageA(window(), BM_SETCHECK, state, 0);
}

} // namespace corvane::forms::win32
