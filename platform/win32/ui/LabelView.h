#pragma once

#include "forms/Label.h"
#include "platform/win32/ui/ControlView.h"

namespace corvane::forms::win32 {

/// A label: its caption wrapped in its own font over the form's background. An underlined label acts
/// as a link: link colour and the hand pointer.
class LabelView : public ControlView {
public:
    LabelView(Label& label, HWND parent, const ViewContext& context);

    void command(WORD code) override;
    HBRUSH colours(HDC dc) override;

protected:
    void syncContent() override;
    std::optional<LRESULT> message(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    Label& label_;
};

} // namespace corvane::forms::win32
