#pragma once

#include "forms/ListBox.h"
#include "platform/win32/ui/ControlView.h"
#include "platform/win32/ui/ListItemsSync.h"

namespace corvane::forms::win32 {

/// A list box showing the model's items, selection and first visible item.
class ListBoxView : public ControlView {
public:
    ListBoxView(ListBox& list, HWND parent, const ViewContext& context);

    void command(WORD code) override;

protected:
    void syncContent() override;

private:
    ListBox& list_;
    ShownItems shown_{ItemMessages::list};
};

} // namespace corvane::forms::win32
