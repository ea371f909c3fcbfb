#pragma once

#include "forms/ControlProps.h"
#include "forms/Hwnd.h"
#include "forms/Placement.h"

#include <cstdint>
#include <functional>
#include <string>

namespace corvane::forms {

class Container;
class Form;
class Runtime;

enum class ControlKind {
    Label,
    Frame,
    Line,
    CommandButton,
    TextBox,
    RichTextBox,
    CheckBox,
    OptionButton,
    ComboBox,
    ListBox,
    ListView
};

/// A control on a form: name, position and size in twips relative to its container, visibility,
/// enabled state, tag and focus. Every change is reported to the backend; events go through the
/// runtime's dispatch. Controls are members of their form and register with their container.
class Control : public Placement<Control> {
public:
    Control(Container& parent, ControlProps props);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual ControlKind kind() const = 0;

    const std::string& Name() const { return props_.name; }
    int Index() const { return props_.index; }
    Container& Parent() { return parent_; }
    Form& form();
    Hwnd hWnd() const { return hWnd_; }

    bool Visible() const { return props_.visible; }
    void setVisible(bool visible);
    bool Enabled() const { return props_.enabled; }
    void setEnabled(bool enabled);
    const std::string& Tag() const { return props_.tag; }
    void setTag(std::string tag);

    /// Gives this control the keyboard focus; VB's error 5 when it is hidden or disabled.
    void SetFocus();
    /// Whether the control can hold the focus at all (labels, frames and lines cannot).
    virtual bool canFocus() const { return false; }
    /// Visible and enabled, and so are its containers up to the form.
    bool reachable();

    std::function<void()> GotFocus;

    // Entry points for user input; backends and the scripted user call them.
    /// A click with the primary button.
    virtual void userClick();
    /// A character typed while this control has the focus.
    virtual void userKeyPress(int16_t keyAscii);

protected:
    Runtime& runtime();
    /// Tells the backend that something shown changed.
    void changed();

private:
    friend class Placement<Control>;

    Container& parent_;
    ControlProps props_;
    Hwnd hWnd_;
};

} // namespace corvane::forms
