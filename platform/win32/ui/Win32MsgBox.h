#pragma once

#include "forms/MsgBoxService.h"
#include "platform/win32/ui/WinApi.h"

#include <functional>
#include <string>

namespace corvane::forms::win32 {

/// Message boxes as the system's own (`MessageBoxA`): title, icon, OK or Yes and No, the default
/// button, owned by the program's active window. The program's timers keep ticking behind the box
/// (the message pump is a timer of the thread).
class Win32MsgBox : public MsgBoxService {
public:
    /// `owner` names the window a box belongs to when it opens (the program's active form), or null.
    explicit Win32MsgBox(std::function<HWND()> owner) : owner_(std::move(owner)) {}

    int show(const MsgBoxRequest& request) override;

    /// The text as the box shows it: each lone CR or LF becomes CR LF.
    static std::string displayText(const std::string& text);
    /// The style flags of a request.
    static UINT flagsOf(const MsgBoxStyle& style);

private:
    std::function<HWND()> owner_;
};

} // namespace corvane::forms::win32
