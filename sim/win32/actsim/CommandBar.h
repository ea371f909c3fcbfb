#pragma once

#include "platform/win32/ui/WinApi.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane::sim::win32 {

/// The auxiliary commands of the active view, as the engine places them: buttons on the toolbar and
/// items of the Tools menu, each known by its command id.
class CommandBar {
public:
    static constexpr WORD kFirstToolbarId = 1000;
    static constexpr WORD kFirstToolsId = 2000;

    /// The toolbar is a child of the parent and goes with it; the menu is the parent's too.
    CommandBar(HWND parent, HMENU toolsMenu, HFONT font);
    CommandBar(const CommandBar&) = delete;
    CommandBar& operator=(const CommandBar&) = delete;

    int height() const;
    /// Shows these commands; nothing changes when they are the ones shown.
    void show(std::vector<std::string> toolbar, std::vector<std::string> tools);
    /// The command that an id chose, or nothing for an id of no command.
    std::optional<std::string> commandOf(WORD id) const;

private:
    void fillToolbar();
    void fillToolsMenu();

    HWND toolbar_;    // a child of the parent, which owns it
    HMENU toolsMenu_; // a submenu of the parent's menu, which owns it
    std::vector<std::string> toolbarShown_;
    std::vector<std::string> toolsShown_;
};

} // namespace corvane::sim::win32
