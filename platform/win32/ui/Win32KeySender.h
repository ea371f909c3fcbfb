#pragma once

#include "forms/KeySender.h"
#include "forms/SendKeysNotation.h"
#include "platform/win32/ui/WinApi.h"

#include <vector>

namespace corvane::forms::win32 {

/// `SendKeys` through the system's input stream (`SendInput`): the keys reach whatever window is in
/// the foreground, another program's too, as typed keys do. SendInput puts them into the stream
/// before it returns; nothing waits for the foreground program to read them, with `wait` or without.
class Win32KeySender : public KeySender {
public:
    void SendKeys(std::string_view keys, bool wait) override;

    /// The key-down and key-up inputs of the keystrokes, modifiers around their key.
    static std::vector<INPUT> inputsOf(const std::vector<KeyStroke>& strokes);
};

} // namespace corvane::forms::win32
