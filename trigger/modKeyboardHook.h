#pragma once

#include "forms/WindowSystem.h"

#include <cstdint>

namespace corvane::trigger {
class frmMain;
}

/// The trigger's low-level keyboard hook. It sees every key event on the desktop, also those meant
/// for ACT! or for the trigger's dialogs, and only notes Escape and Tab for the timer of `frmMain`.
namespace corvane::trigger::modKeyboardHook {

/// Sets `bEscape` of `frmMain` while Escape is down and `bTab` while Tab is down (for hook code 0),
/// then passes the event on unchanged and returns what the next hook returns: no key is swallowed.
int32_t KeyboardHookProc(forms::WindowSystem& windows, frmMain& form, int32_t code, int32_t message,
                         const forms::KeyboardEvent& event);

} // namespace corvane::trigger::modKeyboardHook
