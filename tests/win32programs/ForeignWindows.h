#pragma once

#include "platform/win32/ui/WinApi.h"

#include <string>
#include <string_view>
#include <vector>

/// Windows and controls of another program, read and driven from the test's own process. Messages
/// below WM_USER carry their pointers across processes by themselves; a list view's do not, so its
/// items and cells go through memory of the program's own (RemoteMemory).
namespace corvane::test::ForeignWindows {

/// The visible top-level window of the process with that class and caption, or null.
HWND topWindow(DWORD processId, std::string_view windowClass, std::string_view caption);
/// The visible message box (a dialog of class "#32770") of the process, or null.
HWND messageBox(DWORD processId);
/// The process that owns the window.
DWORD processOf(HWND window);
/// Waits (boundedly) until the window is the one in front, which the keyboard's input reaches.
bool awaitForeground(HWND window);
/// Waits (boundedly) until the control has the keyboard: its window is in front, the focus in it.
bool awaitFocus(HWND control);

/// A control of a form by its window id: the Win32 backend numbers a form's controls 100 + the
/// order it makes them in (depth first, a frame before its controls). Null when there is none.
HWND control(HWND form, int id);
/// The window of that class and caption inside a window (at any depth), or null.
HWND child(HWND window, std::string_view windowClass, std::string_view caption);
std::string text(HWND window);
/// A window's rectangle on the screen.
RECT screenRect(HWND window);
POINT middle(const RECT& area);

/// The items of a combo box or a list box, in their order.
std::vector<std::string> comboItems(HWND combo);
std::vector<std::string> listBoxItems(HWND list);
/// The rows of a list view in report view, each with its cells' texts.
std::vector<std::vector<std::string>> listViewRows(HWND list);
/// A list view's cell on the screen (row and column from 0), once the list shows the row: the list
/// scrolls to it as its scroll bar would.
RECT listViewCell(HWND list, int row, int column);
/// A list box's item on the screen.
RECT listBoxItem(HWND list, int item);

/// The click of a button as the button itself reports it (BM_CLICK). Posted: the program may open a
/// modal window from it while the test goes on.
void clickButton(HWND button);
/// A pick of an item in a combo box's list: the box shows it and tells its parent (CBN_SELCHANGE).
void chooseItem(HWND combo, int index);

/// The texts of a message box: its message and its buttons' captions.
struct BoxTexts {
    std::string title;
    std::string message;
    std::vector<std::string> buttons;
};
BoxTexts boxTexts(HWND box);

} // namespace corvane::test::ForeignWindows
