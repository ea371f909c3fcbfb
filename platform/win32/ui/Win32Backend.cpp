#include "platform/win32/ui/Win32Backend.h"

#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Menu.h"

#include <cstring>

namespace corvane::forms::win32 {

namespace {
constexpr UINT kDestroyRetired = WM_APP + 1;
constexpr const char* kDialogClass = "#32770";

/// Closes a message box or common dialog of the thread whose answer no longer counts.
BOOL CALLBACK closeDialog(HWND window, LPARAM) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, kDialogClass) == 0 && IsWindowVisible(window) != FALSE) {
        if (GetDlgItem(window, IDCANCEL) != nullptr) {
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        } else {
            EndDialog(window, IDNO); // a Yes/No box has no Cancel
        }
    }
    return TRUE;
}

/// Disables the thread's other enabled top-level windows for a modal form's time, and enables them
/// again afterwards, however the loop ends.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND modal) : modal_(modal) {
        EnumThreadWindows(GetCurrentThreadId(), &OtherWindowsDisabled::disable, reinterpret_cast<LPARAM>(this));
    }
    ~OtherWindowsDisabled() {
        for (HWND window : disabled_) {
            if (IsWindow(window) != FALSE) {
                EnableWindow(window, TRUE);
            }
        }
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK disable(HWND window, LPARAM self) {
        auto& scope = *reinterpret_cast<OtherWindowsDisabled*>(self);
        if (window != scope.modal_ && IsWindowVisible(window) != FALSE && IsWindowEnabled(window) != FALSE) {
            EnableWindow(window, FALSE);
            scope.disabled_.push_back(window);
        }
        return TRUE;
    }

    HWND modal_;
    std::vector<HWND> disabled_;
};
} // namespace

Win32Backend::Win32Backend(HINSTANCE instance, PixelScale scale)
    : instance_(instance),
      fonts_(scale.twipsPerPixelY > 0 ? 1440 / scale.twipsPerPixelY : 96), context_{scale, fonts_, instance},
      messages_(instance, [this](UINT msg, WPARAM, LPARAM) {
          if (msg == kDestroyRetired) {
              retired_.clear();
          }
      }) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The rich-text box's control.
    LoadLibraryA("riched20.dll");
}

Win32Backend::~Win32Backend() {
    windows_.clear();
    retired_.clear();
}

FormWindow* Win32Backend::windowOf(const Form& form) {
    auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.get();
}

HWND Win32Backend::nativeOf(Hwnd form) {
    for (auto& [model, window] : windows_) {
        if (model->hWnd() == form) {
            return window->window();
        }
    }
    return nullptr;
}

Form* Win32Backend::formOf(HWND window) {
    FormWindow* formWindow = FormWindow::of(window);
    for (auto& [model, each] : windows_) {
        if (each.get() == formWindow) {
            return &each->form();
        }
    }
    return nullptr;
}

void Win32Backend::formChanged(Form& form) {
    if (!form.Loaded()) {
        return;
    }
    FormWindow* window = windowOf(form);
    if (window == nullptr) {
        window = windows_.emplace(&form, std::make_unique<FormWindow>(form, context_)).first->second.get();
    }
    window->sync();
    if (!form.Visible()) {
        wake();
    }
}

void Win32Backend::formUnloaded(Form& form) {
    auto found = windows_.find(&form);
    if (found != windows_.end()) {
        found->second->detach();
        retired_.push_back(std::move(found->second));
        windows_.erase(found);
        PostMessageA(messages_.window(), kDestroyRetired, 0, 0);
    }
    wake();
}

void Win32Backend::controlChanged(Control& control) {
    if (FormWindow* window = windowOf(control.form())) {
        window->syncControl(control);
    }
}

void Win32Backend::menuChanged(Menu& menu) {
    if (FormWindow* window = windowOf(menu.form())) {
        window->syncMenus();
    }
}

void Win32Backend::run() {
    while (!ended_ && pumpOne()) {
    }
}

void Win32Backend::runModalLoop(Form& form) {
    FormWindow* window = windowOf(form);
    if (window == nullptr || !form.Visible()) {
        return;
    }
    // The form belongs to the window it showed over: it stays in front of it, and gives the
    // activation back to it when it closes.
    HWND owner = window->shownOver();
    if (owner != nullptr && IsWindow(owner) != FALSE) {
        SetWindowLongPtrA(window->window(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    }
    const OtherWindowsDisabled modality(window->window());
    while (!ended_ && form.Loaded() && form.Visible() && pumpOne()) {
    }
}

bool Win32Backend::pumpOne() {
    MSG message{};
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
        // WM_QUIT ends every loop; the outer ones see it again.
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
        }
        return false;
    }
    FormWindow* form = FormWindow::of(message.hwnd);
    if (form != nullptr && form->dialogMessage(message)) {
        return true;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

void Win32Backend::wake() {
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void Win32Backend::programEnded() {
    ended_ = true;
    EnumThreadWindows(GetCurrentThreadId(), &closeDialog, 0);
    wake();
}

} // namespace corvane::forms::win32
