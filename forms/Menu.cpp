#include "forms/Menu.h"

#include "forms/Form.h"
#include "forms/Runtime.h"

#include <algorithm>
#include <utility>

namespace corvane::forms {

Menu::Menu(Form& form, MenuSpec spec) : form_(form), parent_(nullptr), spec_(std::move(spec)) {
    form_.addMenu(*this);
}

Menu::Menu(Menu& parent, MenuSpec spec) : form_(parent.form_), parent_(&parent), spec_(std::move(spec)) {
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
    spec_.caption = std::move(caption);
    changed();
}

void Menu::setEnabled(bool enabled) {
    spec_.enabled = enabled;
    changed();
}

void Menu::setVisible(bool visible) {
    spec_.visible = visible;
    changed();
}

void Menu::userClick() {
    form_.runtime().raise(Click);
}

} // namespace corvane::forms
