#pragma once

#include "forms/Form.h"
#include "forms/Menu.h"
#include "platform/win32/ui/WinApi.h"

#include <map>
#include <vector>

namespace corvane::forms::win32 {

/// A form's menus as a native menu bar: visible menus and entries with their captions ("&" marks the
/// access key) and enabled state. It is made anew whenever a menu changes.
class MenuBar {
public:
    explicit MenuBar(Form& form);
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    /// The menu bar; the window must not own it (detach it before the window goes).
    HMENU handle() const { return bar_; }
    /// The entry a WM_COMMAND from the menu names, or null.
    Menu* entryOf(UINT commandId) const;
    /// The menu whose drop-down this is (WM_INITMENUPOPUP), or null.
    Menu* menuOf(HMENU popup) const;

private:
    void add(HMENU into, Menu& menu);

    HMENU bar_;
    std::vector<Menu*> entries_; // by command id, from kFirstCommand
    std::map<HMENU, Menu*> popups_;
};

} // namespace corvane::forms::win32
