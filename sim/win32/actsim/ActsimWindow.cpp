#include "sim/win32/actsim/ActsimWindow.h"

#include "common/RuntimeError.h"
#include "sim/win32/actsim/ProgramStarter.h"

#include <algorithm>
#include <array>

namespace corvane::sim::win32 {

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMs = 100;
constexpr int32_t kProtectedEntryRule = 3;
constexpr const char* kTrigger = "CorvaneEditMode.exe";
constexpr std::array<const char*, 6> kViewNames{"&Contacts",  "Contact &List", "&Groups",
                                                "&Task List", "C&alendars",    "&E-mail"};
constexpr int kMargin = 10;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 25;

HWND control(HWND parent, const char* className, const char* text, DWORD style, RECT at, int id, HFONT font) {
    HWND window = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                  at.right - at.left, at.bottom - at.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return window;
}

std::string fileNameOf(const std::string& path) {
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

} // namespace

template <class Work> void ActsimWindow::guarded(Work&& work) {
    try {
        work();
    } catch (const RuntimeError& error) {
        status(error.description());
    }
}

ActsimWindow::ActsimWindow(HINSTANCE instance, Engine& engine, std::string programFolder)
    : engine_(engine), programFolder_(std::move(programFolder)) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &ActsimWindow::windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExA(&windowClass);

    const std::string title = "actsim - " + fileNameOf(engine_.state().databasePath());
    CreateWindowExA(0, kWindowClass, title.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                    CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, buildMenus(), instance, this);
    if (window_ == nullptr) {
        throw RuntimeError(vberr::OutOfMemory);
    }
    buildControls(instance);
    engine_.setForegroundListener([this](int16_t) { comeToFront(); });
    showContact();
    showLoggedInUser();
    showActiveView();
    refreshCommands();
    SetTimer(window_, kPollTimer, kPollMs, nullptr);
}

ActsimWindow::~ActsimWindow() {
    engine_.setForegroundListener({});
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void ActsimWindow::show() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    SetForegroundWindow(window_);
}

HMENU ActsimWindow::buildMenus() {
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kCloseDatabase, "&Close Database");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, kExit, "E&xit");
    viewMenu_ = CreatePopupMenu();
    for (size_t i = 0; i < kViewNames.size(); ++i) {
        AppendMenuA(viewMenu_, MF_STRING, kFirstView + i, kViewNames[i]);
    }
    toolsMenu_ = CreatePopupMenu();
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(viewMenu_), "&View");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(toolsMenu_), "&Tools");
    return bar;
}

void ActsimWindow::buildControls(HINSTANCE instance) {
    auto* font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    commands_ = std::make_unique<CommandBar>(window_, toolsMenu_, font);
    const int top = commands_->height() + kMargin;
    control(window_, "Static", "Logged in as:", SS_LEFT, RECT{kMargin, top + 4, kMargin + 90, top + 20}, -1, font);
    users_ = control(window_, "ComboBox", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                     RECT{kMargin + 95, top, kMargin + 345, top + 200}, kUsers, font);
    for (const UserRecord& user : engine_.users().all()) {
        const auto item = SendMessageA(users_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(user.name.c_str()));
        SendMessageA(users_, CB_SETITEMDATA, static_cast<WPARAM>(item), user.position);
    }

    fields_ = std::make_unique<FieldPanel>(window_, engine_.fields().all(), POINT{kMargin, top + 36}, font);
    fields_->edited = [this](int16_t number, const std::string& value) {
        guarded([&] {
            if (auto contact = engine_.state().currentContact()) {
                engine_.contacts().setValue(*contact, number, value);
            }
        });
    };
    fields_->entered = [this](HWND edit, const FieldDefinition& field) { fieldEntered(edit, field); };
    fields_->left = [this] { fieldsLeft(); };

    const int width = fields_->size().cx;
    const int bottom = top + 36 + fields_->size().cy + kMargin;
    previous_ = control(window_, "Button", "< &Previous", WS_TABSTOP | BS_PUSHBUTTON,
                        RECT{kMargin, bottom, kMargin + kButtonWidth, bottom + kButtonHeight}, kPrevious, font);
    position_ =
        control(window_, "Static", "", SS_CENTER,
                RECT{kMargin + kButtonWidth, bottom + 5, kMargin + width - kButtonWidth, bottom + 21}, -1, font);
    next_ = control(window_, "Button", "&Next >", WS_TABSTOP | BS_PUSHBUTTON,
                    RECT{kMargin + width - kButtonWidth, bottom, kMargin + width, bottom + kButtonHeight}, kNext, font);
    statusBar_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window_, nullptr, instance,
                                 nullptr);
    RECT statusAt{};
    GetWindowRect(statusBar_, &statusAt);

    RECT outer{0, 0, width + 2 * kMargin, bottom + kButtonHeight + kMargin + (statusAt.bottom - statusAt.top)};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE)), TRUE, 0);
    SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(statusBar_, WM_SIZE, 0, 0);
}

LRESULT CALLBACK ActsimWindow::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<ActsimWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ActsimWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return self != nullptr ? self->handle(msg, wParam, lParam) : DefWindowProcA(window, msg, wParam, lParam);
}

LRESULT ActsimWindow::handle(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    switch (msg) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_TIMER:
        poll();
        return 0;
    case WM_ACTIVATE:
        // A window of its own puts the focus back where it was when the user comes back to it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            focusBefore_ = focus != nullptr && IsChild(window_, focus) ? focus : nullptr;
        } else if (focusBefore_ != nullptr && IsWindow(focusBefore_)) {
            SetFocus(focusBefore_);
            return 0;
        }
        break;
    case WM_CLOSE:
        closeAct();
        DestroyWindow(window_);
        return 0;
    case WM_NCDESTROY:
        KillTimer(window_, kPollTimer);
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        window_ = nullptr;
        PostQuitMessage(0);
        break;
    default:
        break;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

void ActsimWindow::command(WORD id, WORD code, HWND control) {
    if (control != nullptr && fields_->notify(code, control)) {
        return;
    }
    guarded([&] {
        if (id == kCloseDatabase) {
            engine_.closeDatabase();
        } else if (id == kExit) {
            PostMessageA(window_, WM_CLOSE, 0, 0);
        } else if (id == kPrevious || id == kNext) {
            moveContact(id == kNext ? 1 : -1);
        } else if (id == kUsers && code == CBN_SELCHANGE) {
            chooseUser();
        } else if (id >= kFirstView && id < kFirstView + kViewNames.size()) {
            engine_.state().setActiveViewType(static_cast<int16_t>(id - kFirstView + 1));
            showActiveView();
            refreshCommands();
        } else if (const auto name = commands_->commandOf(id)) {
            runAuxCommand(*name);
        }
    });
}

void ActsimWindow::poll() {
    guarded([&] {
        if (!engine_.state().running()) {
            DestroyWindow(window_);
            return;
        }
        const bool open = engine_.state().databaseOpen();
        fields_->setEnabled(open);
        for (HWND window : {users_, previous_, next_}) {
            EnableWindow(window, open ? TRUE : FALSE);
        }
        if (!open) {
            status("No database open");
            return;
        }
        showContact();
        showLoggedInUser();
        showActiveView();
        refreshCommands();
    });
}

void ActsimWindow::showContact() {
    const auto contact = engine_.state().currentContact();
    const std::vector<int64_t> ids = engine_.contacts().ids();
    const auto at = contact ? std::find(ids.begin(), ids.end(), *contact) : ids.end();
    const std::string position =
        at == ids.end() ? "No contact"
                        : "Contact " + std::to_string(at - ids.begin() + 1) + " of " + std::to_string(ids.size());
    SetWindowTextA(position_, position.c_str());
    fields_->showValues([&](int16_t number) { return contact ? engine_.contacts().value(*contact, number) : ""; });
}

void ActsimWindow::showLoggedInUser() {
    const auto position = engine_.state().loggedInUser();
    const auto count = SendMessageA(users_, CB_GETCOUNT, 0, 0);
    LRESULT shown = CB_ERR;
    for (LRESULT item = 0; item < count && position; ++item) {
        if (SendMessageA(users_, CB_GETITEMDATA, static_cast<WPARAM>(item), 0) == *position) {
            shown = item;
        }
    }
    if (SendMessageA(users_, CB_GETCURSEL, 0, 0) != shown) {
        SendMessageA(users_, CB_SETCURSEL, static_cast<WPARAM>(shown), 0);
    }
}

void ActsimWindow::showActiveView() {
    const int16_t view = engine_.state().activeViewType();
    CheckMenuRadioItem(viewMenu_, kFirstView, static_cast<UINT>(kFirstView + kViewNames.size() - 1),
                       static_cast<UINT>(kFirstView + view - 1), MF_BYCOMMAND);
}

void ActsimWindow::refreshCommands() {
    const int16_t view = engine_.state().activeViewType();
    commands_->show(engine_.auxCommands().placedIn(AuxPlace::Toolbar, view),
                    engine_.auxCommands().placedIn(AuxPlace::ToolsMenu, view));
}

void ActsimWindow::moveContact(int step) {
    engine_.moveCurrentContact(step);
    showContact();
}

void ActsimWindow::chooseUser() {
    const auto item = SendMessageA(users_, CB_GETCURSEL, 0, 0);
    if (item != CB_ERR) {
        const auto position = SendMessageA(users_, CB_GETITEMDATA, static_cast<WPARAM>(item), 0);
        engine_.state().setLoggedInUser(static_cast<int16_t>(position));
    }
}

void ActsimWindow::fieldEntered(HWND edit, const FieldDefinition& field) {
    guarded([&] {
        engine_.state().setFocusField(field.number);
        if (edit == entered_) {
            return; // coming back to actsim in the same field enters nothing new
        }
        entered_ = edit;
        const std::string trigger = programFolder_ + "\\" + kTrigger;
        if (field.entryRule == kProtectedEntryRule && !startProgram(trigger, programFolder_)) {
            status("Cannot start " + trigger);
        }
    });
}

void ActsimWindow::fieldsLeft() {
    entered_ = nullptr;
    guarded([&] { engine_.state().setFocusField(-1); });
}

void ActsimWindow::runAuxCommand(const std::string& name) {
    const auto definition = engine_.auxCommands().find(name);
    if (!definition || !startProgram(definition->commandLine, definition->workingFolder)) {
        status("Cannot start " + name);
    }
}

// Windows lets a program take the foreground only on its user's behalf; Wine lets it always.
void ActsimWindow::comeToFront() {
    if (IsIconic(window_) != FALSE) {
        ShowWindow(window_, SW_RESTORE);
    }
    SetForegroundWindow(window_);
}

void ActsimWindow::closeAct() {
    guarded([&] { engine_.userClosesAct(0); });
}

void ActsimWindow::status(const std::string& text) {
    if (text != statusShown_ && statusBar_ != nullptr) {
        statusShown_ = text;
        SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

} // namespace corvane::sim::win32
