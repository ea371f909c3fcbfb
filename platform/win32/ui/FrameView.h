#pragma once

#include "forms/Frame.h"
#include "platform/win32/ui/ControlView.h"

namespace corvane::forms::win32 {

/// A frame: a window of its own, so that the controls inside keep their design positions relative to
/// the frame and hide with it, drawn as a group box with the frame's caption. A click on its
/// background is a click on the form's background.
class FrameView : public ControlView {
public:
    FrameView(Frame& frame, HWND parent, const ViewContext& context);

    HWND childContainer() override { return window(); }

protected:
    void syncContent() override;
    std::optional<LRESULT> message(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK containerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    Frame& frame_;
    HWND groupBox_; // a child of the frame's window
};

} // namespace corvane::forms::win32
