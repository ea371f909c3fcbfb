#pragma once

#include "forms/headless/FailureReporter.h"

#include <cstdint>
#include <string_view>

namespace corvane::forms {
class Control;
class Form;
class ListBox;
class ListControl;
class ListItem;
class ListView;
class Menu;
class SimulatedWindowSystem;
class TextControl;
} // namespace corvane::forms

namespace corvane::forms::headless {

/// Plays the user through the same entry points a real backend calls. It acts only on what a user
/// could reach: acting on a hidden or disabled control, or on a hidden form, is a failure and does
/// nothing. Every key also passes the window system's keyboard hooks first, as real keys do.
class ScriptedUser {
public:
    ScriptedUser(FailureReporter& failures, SimulatedWindowSystem& keyboard)
        : failures_(failures), keyboard_(keyboard) {}

    void click(Control& control);
    /// A click on the form's background.
    void click(Form& form);
    void click(Menu& menu);
    /// Types the text into the control character by character, each through `KeyPress`.
    void type(TextControl& control, std::string_view text);
    /// Focuses the control and presses a key there (a character code, e.g. 13 for Enter).
    void pressKey(Control& control, int16_t keyAscii);
    /// Presses a key in the form: Enter and Escape go to its default and cancel buttons, other keys
    /// to the control with the focus. Tab only reaches the keyboard hooks.
    void pressKey(Form& form, int16_t keyAscii);
    void pressEnter(Form& form) { pressKey(form, 13); }
    void pressEscape(Form& form) { pressKey(form, 27); }
    /// Picks the item at `index` in a combo box or list box.
    void pick(ListControl& list, int32_t index);
    void doubleClick(ListBox& list, int32_t index);
    /// Presses and releases a mouse button at x, y (twips, list coordinates) over a list view.
    void mouseUp(ListView& list, int button, float x, float y, int shift = 0);
    /// Clicks an item's check box so that it becomes `checked`.
    void check(ListView& list, ListItem& item, bool checked);
    /// Clicks the form's close box.
    void close(Form& form);

private:
    bool canReach(Control& control, const char* action);
    bool canReach(Form& form, const char* action);
    void hookKey(int16_t keyAscii);

    FailureReporter& failures_;
    SimulatedWindowSystem& keyboard_;
};

} // namespace corvane::forms::headless
