#include "platform/win32/ui/MessageRouting.h"

#include "platform/win32/ui/ControlView.h"

namespace corvane::forms::win32 {

std::optional<LRESULT> routeToControl(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (ControlView* view = lParam != 0 ? ControlView::of(reinterpret_cast<HWND>(lParam)) : nullptr) {
            view->command(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (ControlView* view = ControlView::of(header.hwndFrom)) {
            return view->notify(header);
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (ControlView* view = ControlView::of(reinterpret_cast<HWND>(lParam))) {
            if (HBRUSH brush = view->colours(reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
        }
        break;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (ControlView* view = ControlView::of(item.hwndItem)) {
            view->draw(item);
            return TRUE;
        }
        break;
    }
    default:
        break;
    }
    return std::nullopt;
}

} // namespace corvane::forms::win32
