#pragma once

#include "forms/KeySender.h"

#include <QKeyEvent>

#include <functional>
#include <string_view>
#include <vector>

class QWidget;

namespace corvane::forms::qt {

/// One keystroke of a `SendKeys` string.
struct QtKeyStroke {
    Qt::Key key = Qt::Key_unknown;
    QString text;
    Qt::KeyboardModifiers modifiers;
};

/// `SendKeys` as key events to the focused widget of the foreground window, when that window is one
/// of the program's own; keys for another program's window are not delivered on this platform.
class QtKeySender : public KeySender {
public:
    /// `foreground` gives the program's own window in the foreground, or null.
    explicit QtKeySender(std::function<QWidget*()> foreground) : foreground_(std::move(foreground)) {}

    void SendKeys(std::string_view keys, bool wait) override;

    /// The keystrokes of VB's notation: plain characters, "~" and "{ENTER}", "{TAB}", "{ESC}",
    /// "{BS}", "{x}" for a literal character, and "+", "^", "%" for Shift, Ctrl and Alt on the next
    /// key. Anything else is VB's error 5.
    static std::vector<QtKeyStroke> parse(std::string_view keys);

private:
    std::function<QWidget*()> foreground_;
};

} // namespace corvane::forms::qt
