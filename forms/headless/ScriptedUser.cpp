#include "forms/headless/ScriptedUser.h"

#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/ListBox.h"
#include "forms/ListView.h"
#include "forms/Menu.h"
#include "forms/SimulatedWindowSystem.h"
#include "forms/TextControl.h"

#include <cctype>
#include <string>

namespace corvane::forms::headless {

namespace {
constexpr int16_t kTab = 9;

bool menuReachable(Menu& menu) {
    for (Menu* m = &menu; m != nullptr; m = m->Parent()) {
        if (!m->Enabled() || !m->Visible()) {
            return false;
        }
    }
    return menu.form().Visible();
}
} // namespace

bool ScriptedUser::canReach(Control& control, const char* action) {
    if (control.reachable()) {
        return true;
    }
    failures_.fail(std::string("The user cannot ") + action + " " + control.Name() + " of " + control.form().Name() +
                   ": it is hidden or disabled");
    return false;
}

bool ScriptedUser::canReach(Form& form, const char* action) {
    if (form.Visible()) {
        return true;
    }
    failures_.fail(std::string("The user cannot ") + action + " form " + form.Name() + ": it is not shown");
    return false;
}

void ScriptedUser::hookKey(int16_t keyAscii) {
    auto key = static_cast<int32_t>(std::toupper(static_cast<unsigned char>(keyAscii)));
    keyboard_.pressKey(key);
    keyboard_.pumpInput();
}

void ScriptedUser::click(Control& control) {
    if (canReach(control, "click")) {
        control.userClick();
    }
}

void ScriptedUser::click(Form& form) {
    if (canReach(form, "click")) {
        form.userClick();
    }
}

void ScriptedUser::click(Menu& menu) {
    if (menuReachable(menu)) {
        menu.userClick();
    } else {
        failures_.fail("The user cannot click menu " + menu.Name() + ": it is hidden or disabled");
    }
}

void ScriptedUser::type(TextControl& control, std::string_view text) {
    if (!canReach(control, "type into")) {
        return;
    }
    control.form().userFocus(control);
    for (char c : text) {
        int16_t code = static_cast<unsigned char>(c);
        hookKey(code);
        control.form().userKeyPress(code);
    }
}

void ScriptedUser::pressKey(Control& control, int16_t keyAscii) {
    if (canReach(control, "press a key in")) {
        control.form().userFocus(control);
        pressKey(control.form(), keyAscii);
    }
}

void ScriptedUser::pressKey(Form& form, int16_t keyAscii) {
    if (!canReach(form, "press a key in")) {
        return;
    }
    hookKey(keyAscii);
    // Tab moves the focus between controls; no control sees it as a character.
    if (keyAscii != kTab) {
        form.userKeyPress(keyAscii);
    }
}

void ScriptedUser::pick(ListControl& list, int32_t index) {
    if (canReach(list, "pick an item of")) {
        list.userSelect(index);
    }
}

void ScriptedUser::doubleClick(ListBox& list, int32_t index) {
    if (canReach(list, "double-click")) {
        list.userDoubleClick(index);
    }
}

void ScriptedUser::mouseUp(ListView& list, int button, float x, float y, int shift) {
    if (canReach(list, "click")) {
        list.userMouseUp(button, shift, x, y);
    }
}

void ScriptedUser::check(ListView& list, ListItem& item, bool checked) {
    if (canReach(list, "check an item of")) {
        list.userCheck(item, checked);
    }
}

void ScriptedUser::close(Form& form) {
    if (canReach(form, "close")) {
        form.userClose();
    }
}

} // namespace corvane::forms::headless
