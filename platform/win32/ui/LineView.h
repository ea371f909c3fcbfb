#pragma once

#include "forms/Line.h"
#include "platform/win32/ui/ControlView.h"

namespace corvane::forms::win32 {

/// A line between two points, drawn etched (a dark line with a light one beside it) as classic
/// separators are.
class LineView : public ControlView {
public:
    LineView(Line& line, HWND parent, const ViewContext& context);

    void draw(const DRAWITEMSTRUCT& item) override;

protected:
    void syncContent() override {}
    RECT geometry() const override;

private:
    Line& line_;
};

} // namespace corvane::forms::win32
