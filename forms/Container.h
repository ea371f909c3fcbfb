#pragma once

#include <algorithm>
#include <vector>

namespace corvane::forms {

class Control;
class Form;

/// What holds controls: a form or a frame. Children are positioned relative to it and are listed in
/// creation order, so a backend can enumerate and render them.
class Container {
public:
    virtual ~Container() = default;

    virtual Form& form() = 0;
    const std::vector<Control*>& children() const { return children_; }

    // Used by controls as they are created and destroyed.
    void adopt(Control& child) { children_.push_back(&child); }
    void release(Control& child) { std::erase(children_, &child); }

private:
    std::vector<Control*> children_;
};

} // namespace corvane::forms
