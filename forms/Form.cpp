#include "forms/Form.h"

#include "common/RuntimeError.h"
#include "common/ScopedFlag.h"
#include "forms/CommandButton.h"
#include "forms/Control.h"
#include "forms/Runtime.h"
#include "forms/TimerControl.h"

#include <algorithm>
#include <utility>

namespace corvane::forms {

namespace {
constexpr int16_t kEnter = 13;
constexpr int16_t kEscape = 27;
constexpr int kFormAlreadyDisplayed = 400;
} // namespace

Form::Form(Runtime& runtime, FormProps props)
    : runtime_(runtime), props_(std::move(props)), hWnd_(runtime.newHandle()) {
    runtime_.registerForm(*this);
}

Form::~Form() {
    // A form that goes away while loaded (a main form the program only hid) must not stay on screen.
    if (loaded_) {
        runtime_.backend().formUnloaded(*this);
    }
    runtime_.unregisterForm(*this);
}

void Form::changed() {
    runtime_.backend().formChanged(*this);
}

void Form::setCaption(std::string caption) {
    props_.caption = std::move(caption);
    changed();
}

void Form::setTopMost(bool topMost) {
    props_.topMost = topMost;
    changed();
}

void Form::Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    // The start-up position holds when the window is made; Form_Load may still move the form.
    if (props_.startUpPosition == StartUpPosition::CenterScreen) {
        props_.left = (runtime_.screen().Width() - props_.width) / 2;
        props_.top = (runtime_.screen().Height() - props_.height) / 2;
    }
    for (TimerControl* timer : timers_) {
        timer->restart();
    }
    changed();
    runtime_.dispatch([this] { Form_Load(); });
}

void Form::Show(bool modal) {
    if (modal && visible_) {
        throw RuntimeError(kFormAlreadyDisplayed, "Form already displayed; can't show modally");
    }
    Load();
    // Form_Load may have unloaded the form again; then there is nothing to show.
    if (!loaded_) {
        return;
    }
    if (!visible_) {
        showWindow();
        runtime_.dispatch([this] { Form_Activate(); });
    }
    if (modal && loaded_ && visible_) {
        const ScopedFlag shownModally(modal_);
        runtime_.runModal(*this);
    }
}

void Form::setVisible(bool visible) {
    if (visible) {
        Show();
    } else {
        Hide();
    }
}

void Form::Hide() {
    if (visible_) {
        hideWindow();
    }
}

void Form::Unload() {
    if (!loaded_ || unloading_) {
        return;
    }
    unloading_ = true;
    int16_t cancel = 0;
    runtime_.dispatch([&] { Form_Unload(cancel); });
    unloading_ = false;
    if (cancel != 0 || !loaded_) {
        return;
    }
    endAbruptly();
    runtime_.formUnloaded(*this);
}

void Form::endAbruptly() {
    if (!loaded_) {
        return;
    }
    Hide();
    loaded_ = false;
    activeControl_ = nullptr;
    runtime_.backend().formUnloaded(*this);
}

void Form::showWindow() {
    visible_ = true;
    changed();
    runtime_.formVisibilityChanged(*this);
}

void Form::hideWindow() {
    visible_ = false;
    changed();
    runtime_.formVisibilityChanged(*this);
}

void Form::userClick() {
    runtime_.dispatch([this] { Form_Click(); });
}

void Form::userKeyPress(int16_t keyAscii) {
    CommandButton* button = keyAscii == kEnter ? defaultButton_ : keyAscii == kEscape ? cancelButton_ : nullptr;
    if (button != nullptr && button->Visible() && button->Enabled()) {
        button->userClick();
    } else if (activeControl_ != nullptr) {
        activeControl_->userKeyPress(keyAscii);
    }
}

void Form::userClose() {
    Unload();
}

void Form::userFocus(Control& control) {
    if (control.canFocus()) {
        setActiveControl(&control);
    }
}

void Form::setActiveControl(Control* control) {
    if (activeControl_ == control) {
        return;
    }
    activeControl_ = control;
    changed();
    if (control != nullptr) {
        runtime_.raise(control->GotFocus);
    }
}

void Form::dropFocus(Control& control) {
    if (activeControl_ == &control) {
        activeControl_ = nullptr;
    }
}

void Form::forgetControl(Control& control) {
    dropFocus(control);
    if (defaultButton_ == &control) {
        defaultButton_ = nullptr;
    }
    if (cancelButton_ == &control) {
        cancelButton_ = nullptr;
    }
}

void Form::removeMenu(Menu& menu) {
    std::erase(menus_, &menu);
}

void Form::removeTimer(TimerControl& timer) {
    std::erase(timers_, &timer);
}

} // namespace corvane::forms
