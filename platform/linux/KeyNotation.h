#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::platform::linux_desktop {

/// Keystrokes as the shared desktop carries them (one byte each: a character, or 8 Backspace, 9 Tab,
/// 13 Enter, 27 Escape) read from `SendKeys` notation: plain characters, "~" and "{ENTER}", "{TAB}",
/// "{ESC}", "{BS}", and "{x}" for a literal character. Shift, Ctrl and Alt ("+", "^", "%"), groups
/// and repeat counts have no keystroke of that kind: they fail with VB's error 5, as unknown names do.
std::string keystrokesOf(std::string_view notation);

/// The `SendKeys` notation of one keystroke of the shared desktop.
std::string notationOf(char keystroke);

/// The virtual key a keyboard hook sees for the keystroke.
int32_t virtualKeyOf(char keystroke);

} // namespace corvane::platform::linux_desktop
