#include "forms/Control.h"

#include "common/RuntimeError.h"
#include "forms/Container.h"
#include "forms/Form.h"
#include "forms/Runtime.h"

#include <utility>

namespace corvane::forms {

Control::Control(Container& parent, ControlProps props)
    : parent_(parent), props_(std::move(props)), hWnd_(parent.form().runtime().newHandle()) {
    parent_.adopt(*this);
}

Control::~Control() {
    form().forgetControl(*this);
    parent_.release(*this);
}

Form& Control::form() {
    return parent_.form();
}

Runtime& Control::runtime() {
    return form().runtime();
}

void Control::changed() {
    runtime().backend().controlChanged(*this);
}

void Control::setVisible(bool visible) {
    if (props_.visible != visible) {
        props_.visible = visible;
        if (!visible) {
            form().dropFocus(*this);
        }
        changed();
    }
}

void Control::setEnabled(bool enabled) {
    if (props_.enabled != enabled) {
        props_.enabled = enabled;
        if (!enabled) {
            form().dropFocus(*this);
        }
        changed();
    }
}

void Control::setTag(std::string tag) {
    props_.tag = std::move(tag);
}

bool Control::reachable() {
    if (!props_.visible || !props_.enabled) {
        return false;
    }
    auto* frame = dynamic_cast<Control*>(&parent_);
    return frame ? frame->reachable() : form().Visible();
}

void Control::SetFocus() {
    if (!canFocus() || !props_.visible || !props_.enabled) {
        throw RuntimeError(vberr::InvalidProcedureCall);
    }
    form().setActiveControl(this);
}

void Control::userClick() {
    if (canFocus()) {
        form().setActiveControl(this);
    }
}

void Control::userKeyPress(int16_t) {}

} // namespace corvane::forms
