#pragma once

#include <functional>
#include <string>
#include <vector>

namespace corvane::forms {

class Form;

struct MenuProps {
    std::string name;
    /// "&" marks the access key.
    std::string caption;
    bool enabled = true;
    bool visible = true;
};

/// A menu of the form's menu bar, or an entry of a menu.
class Menu {
public:
    /// A menu on the form's menu bar.
    Menu(Form& form, MenuProps props);
    /// An entry of a menu.
    Menu(Menu& parent, MenuProps props);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const std::string& Name() const { return props_.name; }
    const std::string& Caption() const { return props_.caption; }
    void setCaption(std::string caption);
    bool Enabled() const { return props_.enabled; }
    void setEnabled(bool enabled);
    bool Visible() const { return props_.visible; }
    void setVisible(bool visible);
    Form& form() { return form_; }
    Menu* Parent() { return parent_; }
    const std::vector<Menu*>& entries() const { return entries_; }

    std::function<void()> Click;

    /// The user chose this menu or entry.
    void userClick();

private:
    void changed();

    Form& form_;
    Menu* parent_;
    MenuProps props_;
    std::vector<Menu*> entries_;
};

} // namespace corvane::forms
