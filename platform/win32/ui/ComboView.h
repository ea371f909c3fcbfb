#pragma once

#include "forms/ComboBox.h"
#include "platform/win32/ui/ControlView.h"
#include "platform/win32/ui/ListItemsSync.h"

namespace corvane::forms::win32 {

/// A drop-down list combo box, as high as its design when closed.
class ComboView : public ControlView {
public:
    ComboView(ComboBox& combo, HWND parent, const ViewContext& context);

    void command(WORD code) override;

protected:
    void syncContent() override;
    RECT geometry() const override;

private:
    ComboBox& combo_;
    ShownItems shown_{ItemMessages::combo};
};

} // namespace corvane::forms::win32
