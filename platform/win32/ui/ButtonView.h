#pragma once

#include "forms/CommandButton.h"
#include "platform/win32/ui/ControlView.h"

namespace corvane::forms::win32 {

/// A push button whose caption wraps as a classic button's does; a picture button (`Graphical`) shows
/// the drop-down arrow.
class ButtonView : public ControlView {
public:
    ButtonView(CommandButton& button, HWND parent, const ViewContext& context);

    void command(WORD code) override;
    void draw(const DRAWITEMSTRUCT& item) override;

protected:
    void syncContent() override;

private:
    CommandButton& button_;
};

} // namespace corvane::forms::win32
