#include "platform/win32/ui/MenuBar.h"

namespace corvane::forms::win32 {

namespace {
/// Command ids of menu entries start above the dialog ids (IDOK, IDCANCEL ...).
constexpr UINT kFirstCommand = 1000;
} // namespace

MenuBar::MenuBar(Form& form) : bar_(CreateMenu()) {
    for (Menu* menu : form.Menus()) {
        add(bar_, *menu);
    }
}

MenuBar::~MenuBar() {
    DestroyMenu(bar_);
}

void MenuBar::add(HMENU into, Menu& menu) {
    if (!menu.Visible()) {
        return;
    }
    const UINT enabled = menu.Enabled() ? MF_ENABLED : MF_GRAYED;
    if (menu.entries().empty() && into != bar_) {
        entries_.push_back(&menu);
        const UINT id = kFirstCommand + static_cast<UINT>(entries_.size() - 1);
        AppendMenuA(into, MF_STRING | enabled, id, menu.Caption().c_str());
        return;
    }
    HMENU popup = CreatePopupMenu();
    popups_[popup] = &menu;
    for (Menu* entry : menu.entries()) {
        add(popup, *entry);
    }
    AppendMenuA(into, MF_POPUP | MF_STRING | enabled, reinterpret_cast<UINT_PTR>(popup), menu.Caption().c_str());
}

Menu* MenuBar::entryOf(UINT commandId) const {
    if (commandId < kFirstCommand || commandId - kFirstCommand >= entries_.size()) {
        return nullptr;
    }
    return entries_[commandId - kFirstCommand];
}

Menu* MenuBar::menuOf(HMENU popup) const {
    auto found = popups_.find(popup);
    return found == popups_.end() ? nullptr : found->second;
}

} // namespace corvane::forms::win32
