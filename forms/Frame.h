#pragma once

#include "forms/Container.h"
#include "forms/Control.h"

#include <string>

namespace corvane::forms {

/// Design properties of a Frame beyond `ControlProps`.
struct FrameOptions {
    std::string caption;
};

/// A frame with a caption; the controls inside are positioned relative to its top-left corner.
class Frame : public Control, public Container {
public:
    using Options = FrameOptions;

    Frame(Container& parent, ControlProps props, Options options = {});

    ControlKind kind() const override { return ControlKind::Frame; }
    Form& form() override { return Control::form(); }
    const std::string& Caption() const { return options_.caption; }
    void setCaption(std::string caption);

private:
    Options options_;
};

} // namespace corvane::forms
