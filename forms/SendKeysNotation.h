#pragma once

#include <string_view>
#include <vector>

namespace corvane::forms {

/// One keystroke of VB's `SendKeys` notation: a named key or a character, with the modifiers held
/// for it.
struct KeyStroke {
    enum class Key { Character, Enter, Tab, Escape, Backspace };

    Key key = Key::Character;
    /// The character typed, a byte of the system's code page; for `Key::Character` only.
    char character = 0;
    bool shift = false;
    bool control = false;
    bool alt = false;

    bool operator==(const KeyStroke&) const = default;
};

/// Reads `SendKeys` notation: plain characters; "~", "{ENTER}", "{TAB}", "{ESC}"/"{ESCAPE}",
/// "{BS}"/"{BACKSPACE}"/"{BKSP}"; "{x}" for a character that means something in the notation; and
/// "+", "^", "%" for Shift, Ctrl and Alt held for the next keystroke. Groups, repeat counts and
/// other names fail with VB's error 5, as does a special character outside braces.
std::vector<KeyStroke> parseSendKeys(std::string_view keys);

} // namespace corvane::forms
