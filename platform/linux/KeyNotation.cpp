#include "platform/linux/KeyNotation.h"

#include "common/RuntimeError.h"

#include <array>
#include <cctype>

namespace corvane::platform::linux_desktop {

namespace {

struct NamedKey {
    std::string_view name;
    char keystroke;
};

constexpr std::array<NamedKey, 6> kNamedKeys{
    {{"ENTER", '\r'}, {"TAB", '\t'}, {"ESC", '\x1B'}, {"ESCAPE", '\x1B'}, {"BS", '\b'}, {"BACKSPACE", '\b'}}};

// Characters that mean something in the notation and stand for themselves only inside braces.
constexpr std::string_view kSpecial = "+^%~(){}[]";

[[noreturn]] void badNotation() {
    throw RuntimeError(vberr::InvalidProcedureCall);
}

char namedKey(std::string_view name) {
    if (name.size() == 1) {
        return name[0];
    }
    for (const NamedKey& key : kNamedKeys) {
        if (key.name == name) {
            return key.keystroke;
        }
    }
    badNotation();
}

} // namespace

std::string keystrokesOf(std::string_view notation) {
    std::string keystrokes;
    for (size_t at = 0; at < notation.size(); ++at) {
        const char c = notation[at];
        if (c == '~') {
            keystrokes.push_back('\r');
        } else if (c == '{') {
            // "{}}" names the closing brace itself.
            const size_t close = notation.find('}', at + 2);
            if (close == std::string_view::npos) {
                badNotation();
            }
            keystrokes.push_back(namedKey(notation.substr(at + 1, close - at - 1)));
            at = close;
        } else if (kSpecial.find(c) != std::string_view::npos) {
            badNotation();
        } else {
            keystrokes.push_back(c);
        }
    }
    return keystrokes;
}

std::string notationOf(char keystroke) {
    for (const NamedKey& key : kNamedKeys) {
        if (key.keystroke == keystroke) {
            return "{" + std::string(key.name) + "}";
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
