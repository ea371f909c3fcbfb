#pragma once

#include "forms/CommandButton.h"
#include "platform/qt/ControlView.h"
#include "platform/qt/WrappingButton.h"

namespace corvane::forms::qt {

/// A command button; a click (mouse, space bar or access key) fires `Click` through the model.
class ButtonView : public ControlView {
public:
    ButtonView(CommandButton& button, QWidget* parent, const ViewContext& context);

protected:
    void syncContent() override;

private:
    CommandButton& button_;
    WrappingButton* widget_;
};

} // namespace corvane::forms::qt
