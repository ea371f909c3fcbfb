#include "platform/qt/QtKeySender.h"

#include "common/RuntimeError.h"
#include "platform/qt/AnsiText.h"

#include <QCoreApplication>
#include <QWidget>

#include <map>
#include <string>

namespace corvane::forms::qt {

namespace {
KeyStroke named(std::string_view name) {
    static const std::map<std::string, KeyStroke, std::less<>> keys{
        {"ENTER", {Qt::Key_Return, QStringLiteral("\r"), {}}},
        {"TAB", {Qt::Key_Tab, QStringLiteral("\t"), {}}},
        {"ESC", {Qt::Key_Escape, QStringLiteral("\x1b"), {}}},
        {"ESCAPE", {Qt::Key_Escape, QStringLiteral("\x1b"), {}}},
        {"BS", {Qt::Key_Backspace, QStringLiteral("\b"), {}}},
        {"BACKSPACE", {Qt::Key_Backspace, QStringLiteral("\b"), {}}},
        {"BKSP", {Qt::Key_Backspace, QStringLiteral("\b"), {}}}};
    auto found = keys.find(name);
    if (found == keys.end()) {
        throw RuntimeError(vberr::InvalidProcedureCall);
    }
    return found->second;
}

KeyStroke character(char c) {
    QString text = ansi::toQt(std::string_view(&c, 1));
    QChar upper = text.at(0).toUpper();
    bool plain = upper.unicode() >= 'A' && upper.unicode() <= 'Z';
    bool digitOrSpace = upper.unicode() == ' ' || (upper.unicode() >= '0' && upper.unicode() <= '9');
    auto key = plain || digitOrSpace ? static_cast<Qt::Key>(upper.unicode()) : Qt::Key_unknown;
    return {key, text, {}};
}
} // namespace

std::vector<KeyStroke> QtKeySender::parse(std::string_view keys) {
    std::vector<KeyStroke> strokes;
    Qt::KeyboardModifiers modifiers;
    for (size_t i = 0; i < keys.size(); ++i) {
        char c = keys[i];
        if (c == '+' || c == '^' || c == '%') {
            modifiers |= c == '+' ? Qt::ShiftModifier : c == '^' ? Qt::ControlModifier : Qt::AltModifier;
            continue;
        }
        KeyStroke stroke;
        if (c == '{') {
            // "{}}" names the closing brace itself.
            size_t close = keys.find('}', i + 2);
            if (close == std::string_view::npos) {
                throw RuntimeError(vberr::InvalidProcedureCall);
            }
            std::string_view name = keys.substr(i + 1, close - i - 1);
            stroke = name.size() == 1 ? character(name[0]) : named(name);
            i = close;
        } else if (c == '~') {
            stroke = named("ENTER");
        } else if (c == '}' || c == '(' || c == ')') {
            throw RuntimeError(vberr::InvalidProcedureCall);
        } else {
            stroke = character(c);
        }
        stroke.modifiers = modifiers;
        modifiers = {};
        strokes.push_back(stroke);
    }
    return strokes;
}

void QtKeySender::SendKeys(std::string_view keys, bool wait) {
    std::vector<KeyStroke> strokes = parse(keys);
    QWidget* window = foreground_ ? foreground_() : nullptr;
    if (window == nullptr) {
        return;
    }
    QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    for (const KeyStroke& stroke : strokes) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            auto* event = new QKeyEvent(type, stroke.key, stroke.modifiers, stroke.text);
            QCoreApplication::postEvent(target, event);
        }
    }
    if (wait) {
        QCoreApplication::sendPostedEvents(target);
    }
}

} // namespace corvane::forms::qt
