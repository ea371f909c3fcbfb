#pragma once

#include "forms/OptionButton.h"
#include "platform/win32/ui/ControlView.h"

namespace corvane::forms::win32 {

/// An option button; its group in the model decides which one is on.
class OptionView : public ControlView {
public:
    OptionView(OptionButton& option, HWND parent, const ViewContext& context);

    void command(WORD code) override;

protected:
    void syncContent() override;

private:
    OptionButton& option_;
};

} // namespace corvane::forms::win32
