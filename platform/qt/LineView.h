#pragma once

#include "forms/Line.h"
#include "platform/qt/ControlView.h"

namespace corvane::forms::qt {

/// A line between two points of its container, drawn as the etched line of classic dialogs (a shadow
/// line with a highlight beside it). It takes no input.
class LineView : public ControlView {
public:
    LineView(Line& line, QWidget* parent, const ViewContext& context);

protected:
    void syncContent() override {}
    QRect geometry() const override;

private:
    Line& line_;
};

} // namespace corvane::forms::qt
