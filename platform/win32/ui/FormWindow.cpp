#include "platform/win32/ui/FormWindow.h"

#include "forms/CommandButton.h"
#include "forms/Container.h"
#include "forms/OptionButton.h"
#include "platform/win32/ui/MessageRouting.h"
#include "platform/win32/ui/ViewFactory.h"
#include "platform/win32/ui/WindowClass.h"
#include "platform/win32/ui/WindowText.h"

#include <cstddef>
#include <utility>

namespace corvane::forms::win32 {

namespace {
constexpr const char* kFormClass = "CorvaneForm";
constexpr int16_t kEnter = 13;
constexpr int16_t kEscape = 27;
/// Control ids start above the dialog ids (IDOK, IDCANCEL ...) and below the menu's commands.
constexpr int kFirstControlId = 100;

DWORD styleOf(const Form& form) {
    switch (form.BorderStyle()) {
    case BorderStyle::None:
        return WS_POPUP | WS_CLIPCHILDREN;
    case BorderStyle::Sizable:
        return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    case BorderStyle::FixedSingle:
    case BorderStyle::FixedDialog:
        break;
    }
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
}

DWORD exStyleOf(const Form& form) {
    DWORD style = WS_EX_CONTROLPARENT;
    if (form.BorderStyle() == BorderStyle::FixedDialog) {
        style |= WS_EX_DLGMODALFRAME;
    }
    // A borderless form (the trigger's box over a field) is no program of its own on the taskbar.
    if (form.BorderStyle() == BorderStyle::None) {
        style |= WS_EX_TOOLWINDOW;
    }
    if (form.TopMost()) {
        style |= WS_EX_TOPMOST;
    }
    return style;
}
} // namespace

FormWindow::FormWindow(Form& form, const ViewContext& context) : form_(form), context_(context) {
    ensureWindowClass(context.instance, kFormClass, &FormWindow::windowProc);
    window_ = CreateWindowExA(exStyleOf(form), kFormClass, form.Caption().c_str(), styleOf(form), 0, 0, 0, 0, nullptr,
                              nullptr, context.instance, this);
    createViews(form, window_);
    syncMenus();
    for (auto& view : views_) {
        view->sync();
    }
}

FormWindow::~FormWindow() {
    views_.clear();
    // The menu bar goes with its owner, not with the window.
    SetMenu(window_, nullptr);
    DestroyWindow(window_);
}

FormWindow* FormWindow::of(HWND window) {
    HWND root = window != nullptr ? GetAncestor(window, GA_ROOT) : nullptr;
    if (root == nullptr) {
        return nullptr;
    }
    char name[32] = {};
    GetClassNameA(root, name, sizeof name);
    if (lstrcmpA(name, kFormClass) != 0) {
        return nullptr;
    }
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrA(root, GWLP_USERDATA));
}

void FormWindow::createViews(Container& container, HWND parent) {
    for (Control* control : container.children()) {
        auto view = makeView(*control, parent, context_);
        SetWindowLongPtrA(view->window(), GWLP_ID, kFirstControlId + static_cast<LONG_PTR>(views_.size()));
        // Windows puts a new child under its older siblings; VB shows a later control in front.
        SetWindowPos(view->window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        HWND inner = view->childContainer();
        viewByControl_[control] = view.get();
        views_.push_back(std::move(view));
        if (auto* frame = dynamic_cast<Container*>(control)) {
            createViews(*frame, inner);
        }
    }
}

ControlView* FormWindow::viewOf(const Control& control) {
    auto found = viewByControl_.find(&control);
    return found == viewByControl_.end() ? nullptr : found->second;
}

void FormWindow::sync() {
    syncing_ = true;
    setWindowText(window_, form_.Caption());
    syncStyles();
    syncGeometry();
    const bool shown = IsWindowVisible(window_) != FALSE;
    if (form_.Visible() && !shown) {
        syncStaleViews();
        // A form that shows comes to the front with the keyboard, as a new window does.
        HWND active = GetActiveWindow();
        shownOver_ = active != window_ ? active : nullptr;
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
    } else if (!form_.Visible() && shown) {
        // A modal form's owner is enabled again before the form hides, so that the activation goes
        // back to it (as a dialog's does) rather than to another program's window.
        if (HWND owner = GetWindow(window_, GW_OWNER)) {
            EnableWindow(owner, TRUE);
        }
        ShowWindow(window_, SW_HIDE);
    }
    syncing_ = false;
    syncFocus();
}

void FormWindow::syncStyles() {
    const auto style = static_cast<LONG_PTR>(styleOf(form_));
    const auto current = GetWindowLongPtrA(window_, GWL_STYLE);
    const LONG_PTR kept = current & WS_VISIBLE;
    if ((current & ~WS_VISIBLE) != style) {
        SetWindowLongPtrA(window_, GWL_STYLE, style | kept);
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    const bool topMost = (GetWindowLongPtrA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (topMost != form_.TopMost()) {
        SetWindowPos(window_, form_.TopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void FormWindow::syncGeometry() {
    const RECT at = context_.scale.rect(form_.Left(), form_.Top(), form_.Width(), form_.Height());
    SetWindowPos(window_, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::syncFocus() {
    // Only inside the active window: focusing a control would activate its window.
    if (GetActiveWindow() != window_) {
        return;
    }
    Control* active = form_.ActiveControl();
    ControlView* view = active != nullptr ? viewOf(*active) : nullptr;
    if (view != nullptr) {
        if (GetFocus() != view->window()) {
            SetFocus(view->window());
        }
    } else if (GetFocus() == window_ || GetFocus() == nullptr) {
        // A form that shows gives the keyboard to its first control, as a dialog does.
        if (ControlView* first = nextFocusable(nullptr, false)) {
            SetFocus(first->window());
        }
    }
}

ControlView* FormWindow::nextFocusable(const ControlView* from, bool backwards) {
    const auto count = static_cast<std::ptrdiff_t>(views_.size());
    std::ptrdiff_t at = backwards ? count : -1;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        if (views_[static_cast<size_t>(i)].get() == from) {
            at = i;
        }
    }
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t index = ((at + (backwards ? -step : step)) % count + count) % count;
        ControlView& view = *views_[static_cast<size_t>(index)];
        // Of an option group only the chosen button takes the focus by Tab: focusing a button chooses it.
        const auto* option = dynamic_cast<const OptionButton*>(&view.control());
        if (view.control().canFocus() && view.control().reachable() && (option == nullptr || option->Value())) {
            return &view;
        }
    }
    return nullptr;
}

void FormWindow::moveFocus(bool backwards) {
    const ControlView* current = nullptr;
    for (HWND window = GetFocus(); window != nullptr && window != window_ && current == nullptr;
         window = GetParent(window)) {
        current = ControlView::of(window);
    }
    ControlView* next = nextFocusable(current, backwards);
    if (next == nullptr) {
        return;
    }
    // As the dialog manager does, a text box that gets the focus by Tab has its text selected.
    if ((SendMessageA(next->window(), WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0) {
        SendMessageA(next->window(), EM_SETSEL, 0, -1);
    }
    SetFocus(next->window());
}

bool FormWindow::dialogMessage(MSG& message) {
    // The dialog manager would follow the stacking of the windows, which is the reverse of the
    // order the controls were made in: Tab, and the arrow keys in a control that does not use them,
    // move the focus in the order of making instead.
    if (message.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
        const bool tab = message.wParam == VK_TAB;
        const bool arrow = message.wParam == VK_LEFT || message.wParam == VK_UP || message.wParam == VK_RIGHT ||
                           message.wParam == VK_DOWN;
        const LRESULT wants =
            tab || arrow ? SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message))
                         : 0;
        if (tab && (wants & (DLGC_WANTTAB | DLGC_WANTMESSAGE)) == 0) {
            moveFocus(GetKeyState(VK_SHIFT) < 0);
            return true;
        }
        if (arrow && (wants & (DLGC_WANTARROWS | DLGC_WANTMESSAGE)) == 0) {
            moveFocus(message.wParam == VK_LEFT || message.wParam == VK_UP);
            return true;
        }
    }
    return IsDialogMessageA(window_, &message) != FALSE;
}

void FormWindow::syncControl(Control& control) {
    ControlView* view = viewOf(control);
    if (view == nullptr) {
        return;
    }
    // While the form is hidden (its Form_Load fills its lists) a control shows its model once, when
    // the form comes up, however often the model changed.
    if (IsWindowVisible(window_) == FALSE) {
        staleViews_.insert(view);
        return;
    }
    view->sync();
}

void FormWindow::syncStaleViews() {
    for (ControlView* view : std::exchange(staleViews_, {})) {
        view->sync();
    }
}

void FormWindow::syncMenus() {
    if (form_.Menus().empty()) {
        return;
    }
    auto fresh = std::make_unique<MenuBar>(form_);
    SetMenu(window_, fresh->handle());
    menuBar_ = std::move(fresh);
}

void FormWindow::detach() {
    live_ = false;
    for (auto& view : views_) {
        view->detach();
    }
    ShowWindow(window_, SW_HIDE);
}

LRESULT CALLBACK FormWindow::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto& creation = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation.lpCreateParams));
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    // Until CreateWindowEx returns, the object has no window yet; the defaults serve.
    if (self == nullptr || self->window_ != window) {
        return DefWindowProcA(window, msg, wParam, lParam);
    }
    return self->handle(msg, wParam, lParam);
}

LRESULT FormWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (auto routed = routeToControl(msg, wParam, lParam)) {
        return *routed;
    }
    switch (msg) {
    case WM_COMMAND:
        command(LOWORD(wParam));
        return 0;
    case DM_GETDEFID:
        return defaultButtonId();
    case WM_INITMENUPOPUP:
        if (Menu* menu = menuBar_ ? menuBar_->menuOf(reinterpret_cast<HMENU>(wParam)) : nullptr) {
            user([menu] { menu->userClick(); });
        }
        return 0;
    case WM_LBUTTONUP:
        user([this] { form_.userClick(); });
        return 0;
    case WM_CLOSE:
        // The form decides: its unload handler may refuse.
        user([this] { form_.userClose(); });
        return 0;
    case WM_EXITSIZEMOVE: {
        RECT at{};
        GetWindowRect(window_, &at);
        user([&] { form_.userMove(context_.scale.wholeTwipsX(at.left), context_.scale.wholeTwipsY(at.top)); });
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            // Coming back to the window, the keyboard goes to the control that had it.
            DefWindowProcA(window_, msg, wParam, lParam);
            syncFocus();
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window_, msg, wParam, lParam);
}

void FormWindow::command(WORD id) {
    if (id == IDOK || id == IDCANCEL) {
        // Enter or Escape without a default or cancel button the dialog manager knows of.
        const int16_t key = id == IDOK ? kEnter : kEscape;
        user([this, key] { form_.userKeyPress(key); });
        return;
    }
    if (Menu* entry = menuBar_ ? menuBar_->entryOf(id) : nullptr) {
        user([entry] { entry->userClick(); });
    }
}

LRESULT FormWindow::defaultButtonId() {
    CommandButton* button = form_.DefaultButton();
    ControlView* view = button != nullptr && button->reachable() ? viewOf(*button) : nullptr;
    if (view == nullptr) {
        return 0;
    }
    return MAKELRESULT(GetDlgCtrlID(view->window()), DC_HASDEFID);
}

} // namespace corvane::forms::win32
