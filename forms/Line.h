#pragma once

#include "forms/Control.h"

#include <cstdint>
#include <utility>

namespace corvane::forms {

/// Design properties of a Line beyond `ControlProps`.
struct LineOptions {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
};

/// A straight line drawn on its container, between two points in twips.
class Line : public Control {
public:
    using Options = LineOptions;

    Line(Container& parent, ControlProps props, Options options)
        : Control(parent, std::move(props)), options_(options) {}

    ControlKind kind() const override { return ControlKind::Line; }
    int32_t X1() const { return options_.x1; }
    int32_t Y1() const { return options_.y1; }
    int32_t X2() const { return options_.x2; }
    int32_t Y2() const { return options_.y2; }

private:
    Options options_;
};

} // namespace corvane::forms
