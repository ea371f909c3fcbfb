#include "platform/linux/KeyNotation.h"

#include "common/RuntimeError.h"
#include "forms/SendKeysNotation.h"

#include <array>
#include <cctype>

namespace corvane::platform::linux_desktop {

namespace {

using forms::KeyStroke;

struct NamedKeystroke {
    std::string_view notation;
    char keystroke;
};

constexpr std::array<NamedKeystroke, 4> kNamed{{{"{ENTER}", '\r'}, {"{TAB}", '\t'}, {"{ESC}", '\x1B'}, {"{BS}", '\b'}}};

// Characters that mean something in the notation and stand for themselves only inside braces.
constexpr std::string_view kSpecial = "+^%~(){}[]";

char keystrokeOf(const KeyStroke& stroke) {
    // The shared desktop carries single keystrokes: Shift, Ctrl and Alt have no place there.
    if (stroke.shift || stroke.control || stroke.alt) {
        throw RuntimeError(vberr::InvalidProcedureCall);
    }
    switch (stroke.key) {
    case KeyStroke::Key::Enter:
        return '\r';
    case KeyStroke::Key::Tab:
        return '\t';
    case KeyStroke::Key::Escape:
        return '\x1B';
    case KeyStroke::Key::Backspace:
        return '\b';
    case KeyStroke::Key::Character:
        break;
    }
    return stroke.character;
}

} // namespace

std::string keystrokesOf(std::string_view notation) {
    std::string keystrokes;
    for (const KeyStroke& stroke : forms::parseSendKeys(notation)) {
        keystrokes.push_back(keystrokeOf(stroke));
    }
    return keystrokes;
}

std::string notationOf(char keystroke) {
    for (const NamedKeystroke& named : kNamed) {
        if (named.keystroke == keystroke) {
            return std::string(named.notation);
        }
    }
    if (kSpecial.find(keystroke) != std::string_view::npos) {
        return std::string("{") + keystroke + "}";
    }
    return std::string(1, keystroke);
}

int32_t virtualKeyOf(char keystroke) {
    // Control keys and digits share their codes with their virtual keys; letters are upper case.
    return std::toupper(static_cast<unsigned char>(keystroke));
}

} // namespace corvane::platform::linux_desktop
