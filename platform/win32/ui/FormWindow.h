#pragma once

#include "forms/Form.h"
#include "platform/win32/ui/ControlView.h"
#include "platform/win32/ui/MenuBar.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

namespace corvane::forms {
class Container;
}

namespace corvane::forms::win32 {

/// The top-level window of a loaded form: its menu bar, a view per control, the classic window
/// properties (caption, border, top-most) and the model's geometry, where Width and Height include
/// the frame, caption and menu bar. Controls are stacked as VB stacks them, each above those made
/// before it, so a control laid over another (the trigger's drop-down button over its text box) shows
/// and takes the clicks. The window is a dialog to the dialog manager (`dialogMessage`): Tab and
/// Shift+Tab, and the arrow keys in a control that does not use them, move the focus in the order the
/// controls were made, and Enter and Escape reach the form's default and cancel buttons (or, without them, the control
/// with the focus) through the model.
class FormWindow {
public:
    FormWindow(Form& form, const ViewContext& context);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    Form& form() { return form_; }
    HWND window() const { return window_; }
    /// The view of a control of this form, or null.
    ControlView* viewOf(const Control& control);
    /// The window of the program that was active when the form last showed, or null: the one a
    /// modal form belongs to.
    HWND shownOver() const { return shownOver_; }
    /// The form window a window (or any of its child windows) belongs to, or null.
    static FormWindow* of(HWND window);

    /// Shows the form's state: caption, border, top-most state, geometry, visibility and focus.
    void sync();
    void syncControl(Control& control);
    void syncMenus();
    /// The model is going away: input no longer reaches it, and the window hides.
    void detach();
    /// Hands a message for this form's windows to the dialog manager, Tab and Shift+Tab first; true
    /// when it took the message.
    bool dialogMessage(MSG& message);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT msg, WPARAM wParam, LPARAM lParam);
    void createViews(Container& container, HWND parent);
    void command(WORD id);
    LRESULT defaultButtonId();
    void syncStyles();
    void syncGeometry();
    void syncFocus();
    void syncStaleViews();
    /// The next control after `from` (null: from the start) in the order the controls were made that
    /// can take the focus now, or null.
    ControlView* nextFocusable(const ControlView* from, bool backwards);
    void moveFocus(bool backwards);
    template <class Action> void user(Action&& action) {
        if (live_ && !syncing_) {
            action();
        }
    }

    Form& form_;
    const ViewContext& context_;
    HWND window_ = nullptr; // destroyed by the destructor, after the views
    std::unique_ptr<MenuBar> menuBar_;
    std::vector<std::unique_ptr<ControlView>> views_;
    std::map<const Control*, ControlView*> viewByControl_;
    /// Views whose control changed while the form was hidden.
    std::set<ControlView*> staleViews_;
    HWND shownOver_ = nullptr; // not owned
    bool live_ = true;
    bool syncing_ = false;
};

} // namespace corvane::forms::win32
