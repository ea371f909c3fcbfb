#include "platform/win32/ui/FrameView.h"

#include "forms/Form.h"
#include "platform/win32/ui/MessageRouting.h"
#include "platform/win32/ui/WindowClass.h"
#include "platform/win32/ui/WindowText.h"

namespace corvane::forms::win32 {

namespace {
constexpr const char* kFrameClass = "CorvaneFrame";

/// The frame's window class, registered before the first frame is made.
const char* frameClass(HINSTANCE instance, WNDPROC procedure) {
    ensureWindowClass(instance, kFrameClass, procedure);
    return kFrameClass;
}
} // namespace

FrameView::FrameView(Frame& frame, HWND parent, const ViewContext& context)
    : ControlView(frame, context, parent, frameClass(context.instance, &FrameView::containerProc), 0,
                  WS_EX_CONTROLPARENT),
      frame_(frame), groupBox_(CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, 0, 0,
                                               window(), nullptr, context.instance, nullptr)) {
    SendMessageA(groupBox_, WM_SETFONT, reinterpret_cast<WPARAM>(context.fonts.standard()), FALSE);
    // Under every control of the frame.
    SetWindowPos(groupBox_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FrameView::syncContent() {
    setWindowText(groupBox_, frame_.Caption());
    const RECT at = geometry();
    SetWindowPos(groupBox_, HWND_BOTTOM, 0, 0, at.right - at.left, at.bottom - at.top, SWP_NOACTIVATE);
}

std::optional<LRESULT> FrameView::message(UINT msg, WPARAM, LPARAM) {
    if (msg == WM_LBUTTONUP) {
        user([this] { frame_.form().userClick(); });
        return 0;
    }
    return std::nullopt;
}

LRESULT CALLBACK FrameView::containerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (auto routed = routeToControl(msg, wParam, lParam)) {
        return *routed;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

} // namespace corvane::forms::win32
