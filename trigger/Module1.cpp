#include "trigger/Module1.h"

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Runtime.h"
#include "forms/TextBox.h"

#include <string>

namespace corvane::trigger::Module1 {

namespace {
constexpr int32_t kClassNameBuffer = 256;
constexpr int32_t kDropDownButtonWidth = 300;

/// Moves the form over the field: the given amounts of twips are added to the field's size.
void placeOverField(forms::Form& form, forms::TextBox& txtNewValue, const forms::Rect& rcField, int32_t addWidth,
                    int32_t addHeight) {
    forms::Screen& screen = form.runtime().screen();
    const int32_t x = screen.TwipsPerPixelX();
    const int32_t y = screen.TwipsPerPixelY();
    form.setLeft(x * rcField.left - 20);
    form.setTop(y * rcField.top - 20);
    form.setWidth(x * (rcField.right - rcField.left) + addWidth);
    form.setHeight(y * (rcField.bottom - rcField.top) + addHeight);
    txtNewValue.setWidth(form.Width());
    txtNewValue.setHeight(form.Height());
}
} // namespace

forms::Hwnd GetACTHandle(forms::WindowSystem& windows, ErrorReporter& errors) {
    forms::Hwnd window = 0;
    errors.guard("Module1: Function GetACTHandle", [&](Statement& at) {
        at(10);
        window = windows.GetForegroundWindow();
    });
    return window;
}

forms::Hwnd FindACTFieldHandle(forms::WindowSystem& windows, ErrorReporter& errors, forms::Hwnd actWindow) {
    forms::Hwnd field = 0;
    errors.guard("Module1: Function FindACTFieldHandle", [&](Statement& at) {
        at(10);
        if (actWindow == 0) {
            return;
        }
        at(20);
        const int32_t actThread = windows.GetWindowThreadProcessId(actWindow);
        const int32_t ownThread = windows.GetCurrentThreadId();
        if (actThread == ownThread) {
            return;
        }
        at(30);
        if (!windows.AttachThreadInput(ownThread, actThread, true)) {
            return;
        }
        at(40);
        const forms::Hwnd focused = windows.GetFocus();
        at(50);
        std::string className;
        const int32_t length = focused == 0 ? 0 : windows.GetClassNameA(focused, className, kClassNameBuffer);
        if (className.substr(0, static_cast<size_t>(length)) == "Edit") {
            field = focused;
        }
        at(60);
        windows.AttachThreadInput(ownThread, actThread, false);
    });
    return field;
}

void Position_With_Dropdown(forms::Form& form, forms::TextBox& txtNewValue, forms::CommandButton& cmdDD,
                            const forms::Rect& rcField) {
    placeOverField(form, txtNewValue, rcField, 20, 20);
    cmdDD.setHeight(form.Height() - 10);
    cmdDD.setLeft(form.Width() - kDropDownButtonWidth);
    cmdDD.setVisible(true);
}

void Position_Text_Only(forms::Form& form, forms::TextBox& txtNewValue, const forms::Rect& rcField) {
    placeOverField(form, txtNewValue, rcField, 30, 0);
}

} // namespace corvane::trigger::Module1
