#include "forms/Control.h"

#include "common/RuntimeError.h"
#include "forms/Container.h"
#include "forms/Form.h"
#include "forms/Runtime.h"

#include <utility>

namespace corvane::forms {

Control::Control(Container& parent, ControlSpec spec)
    : parent_(parent), spec_(std::move(spec)), hWnd_(parent.form().runtime().newHandle()) {
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

void Control::setLeft(int32_t left) {
    Move(left, spec_.top, spec_.width, spec_.height);
}
void Control::setTop(int32_t top) {
    Move(spec_.left, top, spec_.width, spec_.height);
}
void Control::setWidth(int32_t width) {
    Move(spec_.left, spec_.top, width, spec_.height);
}
void Control::setHeight(int32_t height) {
    Move(spec_.left, spec_.top, spec_.width, height);
}

void Control::Move(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (width < 0 || height < 0) {
        throw RuntimeError(vberr::InvalidPropertyValue);
    }
    spec_.left = left;
    spec_.top = top;
    spec_.width = width;
    spec_.height = height;
    changed();
}

void Control::setVisible(bool visible) {
    if (spec_.visible != visible) {
        spec_.visible = visible;
        if (!visible) {
            form().dropFocus(*this);
        }
        changed();
    }
}

void Control::setEnabled(bool enabled) {
    if (spec_.enabled != enabled) {
        spec_.enabled = enabled;
        if (!enabled) {
            form().dropFocus(*this);
        }
        changed();
    }
}

void Control::setTag(std::string tag) {
    spec_.tag = std::move(tag);
}

bool Control::reachable() {
    if (!spec_.visible || !spec_.enabled) {
        return false;
    }
    auto* frame = dynamic_cast<Control*>(&parent_);
    return frame ? frame->reachable() : form().Visible();
}

void Control::SetFocus() {
    if (!canFocus() || !spec_.visible || !spec_.enabled) {
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
