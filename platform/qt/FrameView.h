#pragma once

#include "forms/Frame.h"
#include "platform/qt/ControlView.h"

#include <QGroupBox>

namespace corvane::forms::qt {

/// A frame as a group box; the controls inside it are its child widgets, placed relative to its
/// top-left corner.
class FrameView : public ControlView {
public:
    FrameView(Frame& frame, QWidget* parent, const ViewContext& context)
        : ControlView(frame, new QGroupBox(parent), context), frame_(frame) {}

protected:
    void syncContent() override;

private:
    Frame& frame_;
};

} // namespace corvane::forms::qt
