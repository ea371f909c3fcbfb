#include "sim/win32/actsim/CommandBar.h"

#include <algorithm>

namespace corvane::sim::win32 {

namespace {
// Ids of one kind of command lie below the first id of the next.
constexpr size_t kMostCommands = CommandBar::kFirstToolsId - CommandBar::kFirstToolbarId;

std::optional<std::string> nameAt(const std::vector<std::string>& names, WORD id, WORD first) {
    if (id < first || static_cast<size_t>(id - first) >= names.size()) {
        return std::nullopt;
    }
    return names[static_cast<size_t>(id - first)];
}
} // namespace

CommandBar::CommandBar(HWND parent, HMENU toolsMenu, HFONT font)
    : toolbar_(CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST, 0, 0, 0,
                               0, parent, nullptr, nullptr, nullptr)),
      toolsMenu_(toolsMenu) {
    SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 16));
    SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
}

int CommandBar::height() const {
    RECT at{};
    GetWindowRect(toolbar_, &at);
    return at.bottom - at.top;
}

void CommandBar::show(std::vector<std::string> toolbar, std::vector<std::string> tools) {
    toolbar.resize(std::min(toolbar.size(), kMostCommands));
    tools.resize(std::min(tools.size(), kMostCommands));
    if (toolbar != toolbarShown_) {
        toolbarShown_ = std::move(toolbar);
        fillToolbar();
    }
    if (tools != toolsShown_) {
        toolsShown_ = std::move(tools);
        fillToolsMenu();
    }
}

std::optional<std::string> CommandBar::commandOf(WORD id) const {
    if (auto name = nameAt(toolbarShown_, id, kFirstToolbarId)) {
        return name;
    }
    return nameAt(toolsShown_, id, kFirstToolsId);
}

void CommandBar::fillToolbar() {
    while (SendMessageA(toolbar_, TB_DELETEBUTTON, 0, 0) != FALSE) {
    }
    std::vector<TBBUTTON> buttons;
    for (size_t i = 0; i < toolbarShown_.size(); ++i) {
        TBBUTTON button{};
        button.iBitmap = I_IMAGENONE;
        button.idCommand = static_cast<int>(kFirstToolbarId + i);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
        // The toolbar copies the text.
        button.iString = reinterpret_cast<INT_PTR>(toolbarShown_[i].c_str());
        buttons.push_back(button);
    }
    SendMessageA(toolbar_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
}

void CommandBar::fillToolsMenu() {
    while (DeleteMenu(toolsMenu_, 0, MF_BYPOSITION) != FALSE) {
    }
    for (size_t i = 0; i < toolsShown_.size(); ++i) {
        AppendMenuA(toolsMenu_, MF_STRING, kFirstToolsId + i, toolsShown_[i].c_str());
    }
}

} // namespace corvane::sim::win32
