#include "platform/win32/ui/ButtonView.h"

#include "platform/win32/ui/WindowText.h"

namespace corvane::forms::win32 {

ButtonView::ButtonView(CommandButton& button, HWND parent, const ViewContext& context)
    : ControlView(button, context, parent, "BUTTON",
                  WS_TABSTOP | BS_MULTILINE | (button.Graphical() ? BS_OWNERDRAW : BS_PUSHBUTTON)),
      button_(button) {}

void ButtonView::command(WORD code) {
    if (code == BN_CLICKED) {
        user([this] { button_.userClick(); });
    }
}

void ButtonView::draw(const DRAWITEMSTRUCT& item) {
    // The picture of the trigger's drop-down button: the arrow of a combo box.
    UINT state = DFCS_SCROLLCOMBOBOX;
    if ((item.itemState & ODS_SELECTED) != 0) {
        state |= DFCS_PUSHED;
    }
    if ((item.itemState & ODS_DISABLED) != 0) {
        state |= DFCS_INACTIVE;
    }
    RECT area = item.rcItem;
    DrawFrameControl(item.hDC, &area, DFC_SCROLL, state);
}

void ButtonView::syncContent() {
    setWindowText(window(), button_.Caption());
}

} // namespace corvane::forms::win32
