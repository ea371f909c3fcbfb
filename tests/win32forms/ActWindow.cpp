#include "tests/win32forms/ActWindow.h"

#include "tests/win32forms/MessageLoop.h"

namespace corvane::forms::win32::test {

namespace {
constexpr const char* kWindowClass = "CorvaneTestAct";
/// Asks ACT!'s thread to bring its window to the front, as ACT! does when it makes a view.
constexpr UINT kBringToFront = WM_APP + 1;
constexpr int kLabelWidth = 64;
constexpr int kLabelGap = 16;
} // namespace

ActWindow::ActWindow(RECT field) {
    std::future<void> done = created_.get_future();
    thread_ = std::thread([this, field] { run(field); });
    if (done.wait_for(kPatience) != std::future_status::ready || window_ == nullptr) {
        return;
    }
    ready_ = pumpUntil([this] {
        GUITHREADINFO focus{};
        focus.cbSize = sizeof focus;
        return GetForegroundWindow() == window_ && GetGUIThreadInfo(threadId_, &focus) != FALSE &&
               focus.hwndFocus == field_;
    });
}

ActWindow::~ActWindow() {
    if (threadId_ != 0) {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    }
    thread_.join();
}

void ActWindow::run(RECT field) {
    MSG message{};
    // The thread's message queue exists before anybody may post to it.
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    threadId_ = GetCurrentThreadId();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &ActWindow::windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExA(&windowClass); // fails harmlessly when an earlier test registered it
    window_ = CreateWindowExA(0, kWindowClass, "ACT! - Sales", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                              GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance,
                              nullptr);
    HWND label =
        CreateWindowExA(0, "Static", "ID/Status", WS_CHILD | WS_VISIBLE | SS_LEFT, field.left - kLabelWidth - kLabelGap,
                        field.top + 3, kLabelWidth, field.bottom - field.top, window_, nullptr, instance, nullptr);
    field_ = CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "Customer", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, field.left,
                             field.top, field.right - field.left, field.bottom - field.top, window_, nullptr, instance,
                             nullptr);
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(label, WM_SETFONT, font, FALSE);
    SendMessageA(field_, WM_SETFONT, font, FALSE);
    SetWindowLongPtrA(field_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    fieldOriginal_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(field_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ActWindow::fieldProc)));
    SetForegroundWindow(window_);
    SetFocus(field_);
    created_.set_value();
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyWindow(window_);
}

LRESULT CALLBACK ActWindow::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kBringToFront) {
        SetForegroundWindow(window);
        SetFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT CALLBACK ActWindow::fieldProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ActWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (msg == WM_KEYDOWN) {
        const std::lock_guard lock(self->mutex_);
        self->keysDown_.push_back(wParam);
    }
    return CallWindowProcA(self->fieldOriginal_, window, msg, wParam, lParam);
}

void ActWindow::bringToFront() {
    // ACT!'s own thread does it, and the caller goes on once it is done, as after a call into ACT!.
    SendMessageA(window_, kBringToFront, reinterpret_cast<WPARAM>(field_), 0);
}

std::vector<WPARAM> ActWindow::keysDown() const {
    const std::lock_guard lock(mutex_);
    return keysDown_;
}

} // namespace corvane::forms::win32::test
