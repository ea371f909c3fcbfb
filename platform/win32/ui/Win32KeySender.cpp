#include "platform/win32/ui/Win32KeySender.h"

namespace corvane::forms::win32 {

namespace {

INPUT virtualKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT unicodeKey(wchar_t character, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

WORD namedKey(KeyStroke::Key key) {
    switch (key) {
    case KeyStroke::Key::Enter:
        return VK_RETURN;
    case KeyStroke::Key::Tab:
        return VK_TAB;
    case KeyStroke::Key::Escape:
        return VK_ESCAPE;
    case KeyStroke::Key::Backspace:
        return VK_BACK;
    case KeyStroke::Key::Character:
        break;
    }
    return 0;
}

/// The virtual key a keystroke goes as, or 0 for a character that goes as itself; `shift` tells
/// whether the keyboard layout needs Shift for it.
WORD keyOf(const KeyStroke& stroke, bool& shift) {
    if (stroke.key != KeyStroke::Key::Character) {
        return namedKey(stroke.key);
    }
    // With Shift, Ctrl or Alt a character goes as the key that types it, so that they combine as on
    // the keyboard ("+a" types "A", "^c" is Ctrl+C). Alone it goes as itself, whatever key of the
    // layout makes it, and so does one that no key makes without Ctrl or Alt.
    if (!stroke.shift && !stroke.control && !stroke.alt) {
        return 0;
    }
    constexpr SHORT kShift = 0x100;
    constexpr SHORT kCtrlOrAlt = 0x600;
    const SHORT key = VkKeyScanA(stroke.character);
    if (key == -1 || (key & kCtrlOrAlt) != 0) {
        return 0;
    }
    shift = (key & kShift) != 0;
    return static_cast<WORD>(key & 0xFF);
}

/// Adds one keystroke: held modifiers down, the key down and up, the modifiers up.
void addStroke(std::vector<INPUT>& inputs, const KeyStroke& stroke) {
    bool layoutShift = false;
    const WORD key = keyOf(stroke, layoutShift);
    std::vector<WORD> modifiers;
    if (stroke.shift || layoutShift) {
        modifiers.push_back(VK_SHIFT);
    }
    if (stroke.control) {
        modifiers.push_back(VK_CONTROL);
    }
    if (stroke.alt) {
        modifiers.push_back(VK_MENU);
    }
    for (WORD modifier : modifiers) {
        inputs.push_back(virtualKey(modifier, false));
    }
    if (key != 0) {
        inputs.push_back(virtualKey(key, false));
        inputs.push_back(virtualKey(key, true));
    } else {
        wchar_t character = 0;
        MultiByteToWideChar(CP_ACP, 0, &stroke.character, 1, &character, 1);
        inputs.push_back(unicodeKey(character, false));
        inputs.push_back(unicodeKey(character, true));
    }
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier) {
        inputs.push_back(virtualKey(*modifier, true));
    }
}

} // namespace

std::vector<INPUT> Win32KeySender::inputsOf(const std::vector<KeyStroke>& strokes) {
    std::vector<INPUT> inputs;
    for (const KeyStroke& stroke : strokes) {
        addStroke(inputs, stroke);
    }
    return inputs;
}

void Win32KeySender::SendKeys(std::string_view keys, bool /*wait*/) {
    std::vector<INPUT> inputs = inputsOf(parseSendKeys(keys));
    if (!inputs.empty()) {
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
}

} // namespace corvane::forms::win32
