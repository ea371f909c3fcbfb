#include "platform/qt/QtKeySender.h"

#include "forms/SendKeysNotation.h"
#include "platform/qt/AnsiText.h"

#include <QCoreApplication>
#include <QWidget>

#include <string>

namespace corvane::forms::qt {

namespace {
QtKeyStroke named(forms::KeyStroke::Key key) {
    switch (key) {
    case forms::KeyStroke::Key::Enter:
        return {Qt::Key_Return, QStringLiteral("\r"), {}};
    case forms::KeyStroke::Key::Tab:
        return {Qt::Key_Tab, QStringLiteral("\t"), {}};
    case forms::KeyStroke::Key::Escape:
        return {Qt::Key_Escape, QStringLiteral("\x1b"), {}};
    case forms::KeyStroke::Key::Backspace:
        return {Qt::Key_Backspace, QStringLiteral("\b"), {}};
    case forms::KeyStroke::Key::Character:
        break;
    }
    return {};
}

QtKeyStroke character(char c) {
    QString text = ansi::toQt(std::string_view(&c, 1));
    QChar upper = text.at(0).toUpper();
    bool plain = upper.unicode() >= 'A' && upper.unicode() <= 'Z';
    bool digitOrSpace = upper.unicode() == ' ' || (upper.unicode() >= '0' && upper.unicode() <= '9');
    auto key = plain || digitOrSpace ? static_cast<Qt::Key>(upper.unicode()) : Qt::Key_unknown;
    return {key, text, {}};
}
} // namespace

std::vector<QtKeyStroke> QtKeySender::parse(std::string_view keys) {
    std::vector<QtKeyStroke> strokes;
    for (const forms::KeyStroke& each : forms::parseSendKeys(keys)) {
        QtKeyStroke stroke = each.key == forms::KeyStroke::Key::Character ? character(each.character) : named(each.key);
        stroke.modifiers = (each.shift ? Qt::ShiftModifier : Qt::NoModifier) |
                           (each.control ? Qt::ControlModifier : Qt::NoModifier) |
                           (each.alt ? Qt::AltModifier : Qt::NoModifier);
        strokes.push_back(stroke);
    }
    return strokes;
}

void QtKeySender::SendKeys(std::string_view keys, bool wait) {
    std::vector<QtKeyStroke> strokes = parse(keys);
    QWidget* window = foreground_ ? foreground_() : nullptr;
    if (window == nullptr) {
        return;
    }
    QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
    for (const QtKeyStroke& stroke : strokes) {
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
