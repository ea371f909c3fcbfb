#pragma once

#include "forms/Form.h"
#include "platform/win32/ui/Win32Backend.h"

#include <string>
#include <vector>

/// Where the windows of a loaded form lie, against the form's model at 96 dots per inch (15 twips
/// per pixel).
namespace corvane::forms::win32::test::WindowLayout {

/// The form and the controls whose window is not where the model puts it: the form's window on the
/// screen (frame, caption and menu bar included), each control's window in its container (the form's
/// client area or a frame). Each entry names the control and gives both rectangles.
std::vector<std::string> misplaced(Win32Backend& backend, Form& form);

/// The shown controls cut by the edge of their container, give or take the pixel that rounding
/// twips may cost, by name. A control wholly outside is hidden by design, as the field panel of a
/// collapsed `Form1`.
std::vector<std::string> clipped(Win32Backend& backend, Form& form);

/// The native window of a control of a loaded form, or null.
HWND windowOf(Win32Backend& backend, Control& control);

/// The middle of a list box's item (from 0), on the screen.
POINT listItemOnScreen(HWND list, int item);

/// A rectangle as "(left, top) widthxheight".
std::string describe(const RECT& at);

/// A window's rectangle in the client area of its parent.
RECT inParent(HWND window);

} // namespace corvane::forms::win32::test::WindowLayout
