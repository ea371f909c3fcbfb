#pragma once

#include "platform/win32/ui/WinApi.h"

#include <string>
#include <vector>

/// The system's own dialogs of this thread (message boxes, common dialogs) as a user sees them.
namespace corvane::forms::win32::test::NativeDialog {

/// The visible dialog of this thread ("#32770") in front, or null.
HWND open();
/// The texts of the dialog's static controls that show text, top to bottom (a message box's message).
std::vector<std::string> texts(HWND dialog);
/// The captions of the dialog's push buttons, left to right.
std::vector<std::string> buttons(HWND dialog);
/// Whether the dialog shows an icon.
bool showsIcon(HWND dialog);
/// The dialog's child windows that stick out of its client area, by class and text.
std::vector<std::string> clippedChildren(HWND dialog);

} // namespace corvane::forms::win32::test::NativeDialog
