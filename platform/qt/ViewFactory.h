#pragma once

#include "platform/qt/ControlView.h"

#include <memory>

namespace corvane::forms::qt {

/// Makes the view that renders a control, by its kind, as a child of `parent`.
std::unique_ptr<ControlView> makeView(Control& control, QWidget* parent, const ViewContext& context);

} // namespace corvane::forms::qt
