#pragma once

#include "platform/win32/ui/WinApi.h"

#include <string_view>

/// Input through the system's input stream (`SendInput`), as the mouse and the keyboard make it: a
/// click reaches the window under the pointer and a key the window with the keyboard focus, in
/// whatever thread or program. Nothing waits for the input to arrive.
namespace corvane::forms::win32::test::RealInput {

/// A left click at a point of the screen.
void clickAt(POINT screen);
/// A left click at the centre of a window.
void click(HWND window);
/// A key pressed and released, by its virtual key; with Shift held around it when asked.
void press(WORD virtualKey, bool shift = false);
/// The characters (the system's code page) typed one by one: each with the key of the keyboard that
/// makes it, Shift held where needed, or as a Unicode character when no key makes it.
void type(std::string_view text);

} // namespace corvane::forms::win32::test::RealInput
