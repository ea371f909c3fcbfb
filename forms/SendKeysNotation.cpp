#include "forms/SendKeysNotation.h"

#include "common/RuntimeError.h"

#include <array>

namespace corvane::forms {

namespace {

struct NamedKey {
    std::string_view name;
    KeyStroke::Key key;
};

constexpr std::array<NamedKey, 7> kNamedKeys{{{"ENTER", KeyStroke::Key::Enter},
                                              {"TAB", KeyStroke::Key::Tab},
                                              {"ESC", KeyStroke::Key::Escape},
                                              {"ESCAPE", KeyStroke::Key::Escape},
                                              {"BS", KeyStroke::Key::Backspace},
                                              {"BACKSPACE", KeyStroke::Key::Backspace},
                                              {"BKSP", KeyStroke::Key::Backspace}}};

// Characters that mean something in the notation, or are kept for it, and stand for themselves only
// inside braces.
constexpr std::string_view kSpecial = "+^%~(){}[]";

[[noreturn]] void badNotation() {
    throw RuntimeError(vberr::InvalidProcedureCall);
}

KeyStroke named(std::string_view name) {
    if (name.size() == 1) {
        return {.character = name[0]};
    }
    for (const NamedKey& key : kNamedKeys) {
        if (key.name == name) {
            return {.key = key.key};
        }
    }
    badNotation();
}

} // namespace

std::vector<KeyStroke> parseSendKeys(std::string_view keys) {
    std::vector<KeyStroke> strokes;
    KeyStroke held;
    for (size_t at = 0; at < keys.size(); ++at) {
        const char c = keys[at];
        if (c == '+' || c == '^' || c == '%') {
            (c == '+' ? held.shift : c == '^' ? held.control : held.alt) = true;
            continue;
        }
        KeyStroke stroke;
        if (c == '~') {
            stroke = named("ENTER");
        } else if (c == '{') {
            // "{}}" names the closing brace itself.
            const size_t close = keys.find('}', at + 2);
            if (close == std::string_view::npos) {
                badNotation();
            }
            stroke = named(keys.substr(at + 1, close - at - 1));
            at = close;
        } else if (kSpecial.find(c) != std::string_view::npos) {
            badNotation();
        } else {
            stroke.character = c;
        }
        stroke.shift = held.shift;
        stroke.control = held.control;
        stroke.alt = held.alt;
        held = {};
        strokes.push_back(stroke);
    }
    return strokes;
}

} // namespace corvane::forms
