#pragma once

#include "forms/Container.h"
#include "forms/Hwnd.h"
#include "forms/Placement.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::forms {

class CommandButton;
class Control;
class Menu;
class Runtime;
class TimerControl;

enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3 };

/// What the frame and caption bar of a fixed dialog add to its client area, in twips at 15 twips per
/// pixel (a 3-pixel frame on every side, a 25-pixel caption bar). A form's Width and Height include
/// them, so a dialog designed around its client area adds them to its design size.
inline constexpr int32_t kDialogChromeWidth = 2 * 3 * 15;
inline constexpr int32_t kDialogChromeHeight = (2 * 3 + 25) * 15;

/// Design properties of a form. Geometry in twips, screen coordinates.
/// Where a form first appears: at its design position, or centred on the screen.
enum class StartUpPosition { Manual, CenterScreen };

struct FormProps {
    std::string name;
    std::string caption;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    forms::BorderStyle borderStyle = forms::BorderStyle::Sizable;
    bool topMost = false;
    forms::StartUpPosition startUpPosition = forms::StartUpPosition::Manual;
};

/// A VB-style form. A program form derives from it, holds its controls as members (created with
/// their design properties) and binds their events in its constructor; it overrides the `Form_...`
/// events it handles.
///
/// Life: constructed unloaded; `Load` (or `Show`) loads it and fires `Form_Load`; `Show` makes it
/// visible and fires `Form_Activate`; `Show(true)` also runs a nested message loop until the form is
/// hidden or unloaded; `Unload` fires `Form_Unload(cancel)` and, unless cancelled, unloads it. The
/// object keeps its controls' state after unloading, so a dialog that must start fresh each time is
/// constructed for each showing.
class Form : public Container, public Placement<Form> {
public:
    Form(Runtime& runtime, FormProps props);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Form& form() override { return *this; }
    Runtime& runtime() { return runtime_; }
    Hwnd hWnd() const { return hWnd_; }
    const std::string& Name() const { return props_.name; }

    const std::string& Caption() const { return props_.caption; }
    void setCaption(std::string caption);
    forms::BorderStyle BorderStyle() const { return props_.borderStyle; }
    bool TopMost() const { return props_.topMost; }
    /// Keeps the window above all others (what `SetWindowPos` with `HWND_TOPMOST` does).
    void setTopMost(bool topMost);

    bool Loaded() const { return loaded_; }
    bool Visible() const { return visible_; }
    /// True shows the form (modeless, loading it if needed); false hides it.
    void setVisible(bool visible);
    /// True while the form is shown modally.
    bool Modal() const { return modal_; }

    /// Loads the form (fires `Form_Load`) unless it is loaded.
    void Load();
    /// Loads the form if needed and shows it. Modal: returns once the form is hidden or unloaded.
    void Show(bool modal = false);
    void Hide();
    /// Fires `Form_Unload`; unless the handler cancels, the form disappears and is unloaded.
    void Unload();

    Control* ActiveControl() { return activeControl_; }
    CommandButton* DefaultButton() { return defaultButton_; }
    CommandButton* CancelButton() { return cancelButton_; }
    const std::vector<Menu*>& Menus() const { return menus_; }

    // Entry points for user input; backends and the scripted user call them.
    /// A click on the form's background.
    void userClick();
    /// A character typed in the form: Enter presses the default button and Escape the cancel button
    /// when the form has one; any other character goes to the control with the focus.
    void userKeyPress(int16_t keyAscii);
    /// The close box of the window.
    void userClose();
    /// The user moved the window; Left and Top follow it, in twips.
    void userMove(int32_t left, int32_t top) { Move(left, top, Width(), Height()); }
    /// The user moved the focus to a control.
    void userFocus(Control& control);

    // Used by controls, menus and timers as they are created and destroyed.
    void setActiveControl(Control* control);
    /// A hidden or disabled control loses the focus (no event).
    void dropFocus(Control& control);
    void forgetControl(Control& control);
    void setDefaultButton(CommandButton* button) { defaultButton_ = button; }
    void setCancelButton(CommandButton* button) { cancelButton_ = button; }
    void addMenu(Menu& menu) { menus_.push_back(&menu); }
    void removeMenu(Menu& menu);
    void addTimer(TimerControl& timer) { timers_.push_back(&timer); }
    void removeTimer(TimerControl& timer);
    /// Makes the form vanish without its unload event, as VB's `End` does.
    void endAbruptly();

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Click() {}
    /// Setting `cancel` to a non-zero value keeps the form loaded.
    virtual void Form_Unload(int16_t& cancel) { (void)cancel; }

private:
    friend class Placement<Form>;

    void showWindow();
    void hideWindow();
    void changed();

    Runtime& runtime_;
    FormProps props_;
    Hwnd hWnd_;
    bool loaded_ = false;
    bool visible_ = false;
    bool modal_ = false;
    bool unloading_ = false;
    Control* activeControl_ = nullptr;
    CommandButton* defaultButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
    std::vector<Menu*> menus_;
    std::vector<TimerControl*> timers_;
};

} // namespace corvane::forms
