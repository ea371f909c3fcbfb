#include "forms/Menu.h"

#include "forms/Form.h"
#include "forms/Runtime.h"

#include <algorithm>
#include <utility>

namespace corvane::forms {

Menu::Menu(Form& form, MenuProps props) : form_(form), parent_(nullptr), props_(std::move(props)) {
    form_.addMenu(*this);
}

Menu::Menu(Menu& parent, MenuProps props) : form_(parent.form_), parent_(&parent), props_(std::move(props)) {
    parent.entries_.push_back(this);
}

Menu::~Menu() {
    if (parent_ != nullptr) {
        std::erase(parent_->entries_, this);
    } else {
        form_.removeMenu(*this);
    }
}

void Menu::changed() {
    form_.runtime().backend().menuChanged(*this);
}

void Menu::setCaption(std::string caption) {
    props_.caption = std::move(caption);
    changed();
}

void Menu::setEnabled(bool enabled) {
    props_.enabled = enabled;
    changed();
}

void Menu::setVisible(bool visible) {
    props_.visible = visible;
    changed();
}

void Menu::userClick() {
    form_.runtime().raise(Click);
}

} // namespace corvane::forms
