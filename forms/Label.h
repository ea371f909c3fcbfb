#pragma once

#include "forms/Control.h"

#include <functional>
#include <string>

namespace corvane::forms {

/// Design properties of a Label beyond `ControlProps`.
struct LabelOptions {
    std::string caption;
    bool fontBold = false;
    float fontSize = 8.25F;
    bool fontUnderline = false;
};

/// A label: a caption in a font of its own.
class Label : public Control {
public:
    using Options = LabelOptions;

    Label(Container& parent, ControlProps props, Options options = {});

    ControlKind kind() const override { return ControlKind::Label; }
    const std::string& Caption() const { return options_.caption; }
    void setCaption(std::string caption);
    bool FontBold() const { return options_.fontBold; }
    float FontSize() const { return options_.fontSize; }
    bool FontUnderline() const { return options_.fontUnderline; }

    std::function<void()> Click;

    void userClick() override;

private:
    Options options_;
};

} // namespace corvane::forms
