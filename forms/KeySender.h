#pragma once

#include <string_view>

namespace corvane::forms {

/// Sends keystrokes to the foreground window, in VB's `SendKeys` notation ("{ENTER}", "{TAB}").
class KeySender {
public:
    virtual ~KeySender() = default;
    /// With `wait` false the call returns without waiting for the keys to be processed.
    virtual void SendKeys(std::string_view keys, bool wait) = 0;
};

} // namespace corvane::forms
