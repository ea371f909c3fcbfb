#pragma once

#include "forms/CheckBox.h"
#include "platform/win32/ui/ControlView.h"

namespace corvane::forms::win32 {

/// A check box whose caption wraps; the model decides its state (0, 1 or 2, grayed).
class CheckBoxView : public ControlView {
public:
    CheckBoxView(CheckBox& check, HWND parent, const ViewContext& context);

    void command(WORD code) override;

protected:
    void syncContent() override;

private:
    CheckBox& check_;
};

} // namespace corvane::forms::win32
