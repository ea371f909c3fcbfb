#include "platform/win32/ui/LabelView.h"

#include "platform/win32/ui/WindowText.h"

namespace corvane::forms::win32 {

LabelView::LabelView(Label& label, HWND parent, const ViewContext& context)
    : ControlView(label, context, parent, "STATIC", SS_LEFT | SS_NOTIFY), label_(label) {}

void LabelView::command(WORD code) {
    if (code == STN_CLICKED) {
        user([this] { label_.userClick(); });
    }
}

HBRUSH LabelView::colours(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    if (label_.FontUnderline()) {
        SetTextColor(dc, GetSysColor(COLOR_HOTLIGHT));
    }
    return GetSysColorBrush(COLOR_BTNFACE);
}

void LabelView::syncContent() {
    setWindowText(window(), label_.Caption());
    HFONT font = context().fonts.font(label_.FontSize(), label_.FontBold(), label_.FontUnderline());
    if (reinterpret_cast<HFONT>(SendMessageA(window(), WM_GETFONT, 0, 0)) != font) {
        SendMessageA(window(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

std::optional<LRESULT> LabelView::message(UINT msg, WPARAM, LPARAM) {
    if (msg == WM_SETCURSOR && label_.FontUnderline()) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
    }
    return std::nullopt;
}

} // namespace corvane::forms::win32
