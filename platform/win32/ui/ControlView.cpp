#include "platform/win32/ui/ControlView.h"

#include "forms/Form.h"

namespace corvane::forms::win32 {

namespace {
constexpr const char* kViewProperty = "Corvane.ControlView";
} // namespace

ControlView::ControlView(Control& control, const ViewContext& context, HWND parent, const char* windowClass,
                         DWORD style, DWORD exStyle)
    : control_(control), context_(context),
      window_(CreateWindowExA(exStyle, windowClass, "", WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent, nullptr,
                              context.instance, nullptr)) {
    SetPropA(window_, kViewProperty, this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlView::subclassProc)));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(context.fonts.standard()), FALSE);
}

ControlView::~ControlView() {
    // The window goes with its parent; until then it must not call into a view that is gone.
    if (IsWindow(window_)) {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        RemovePropA(window_, kViewProperty);
    }
}

ControlView* ControlView::of(HWND window) {
    return static_cast<ControlView*>(GetPropA(window, kViewProperty));
}

RECT ControlView::geometry() const {
    return scale().rect(control_.Left(), control_.Top(), control_.Width(), control_.Height());
}

void ControlView::sync() {
    // A model event fired while the window shows the model may sync this view again, inside.
    const bool outer = !syncing_;
    syncing_ = true;
    const RECT at = geometry();
    SetWindowPos(window_, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    EnableWindow(window_, control_.Enabled() ? TRUE : FALSE);
    syncContent();
    ShowWindow(window_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
    if (outer) {
        syncing_ = false;
    }
}

LRESULT ControlView::original(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(original_, window_, msg, wParam, lParam);
}

LRESULT CALLBACK ControlView::subclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    ControlView* view = of(window);
    if (msg == WM_SETFOCUS) {
        view->user([view] { view->control_.form().userFocus(view->control_); });
    }
    if (auto handled = view->message(msg, wParam, lParam)) {
        return *handled;
    }
    return view->original(msg, wParam, lParam);
}

} // namespace corvane::forms::win32
