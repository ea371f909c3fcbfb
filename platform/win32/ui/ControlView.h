#pragma once

#include "forms/Control.h"
#include "platform/win32/ui/ClassicFonts.h"
#include "platform/win32/ui/PixelScale.h"
#include "platform/win32/ui/WinApi.h"

#include <cstdint>
#include <optional>

namespace corvane::forms::win32 {

/// What every view gets from its form's window.
struct ViewContext {
    PixelScale scale;
    ClassicFonts& fonts;
    HINSTANCE instance;
};

/// The native window of one control. It re-reads the model on `sync` and turns real input into the
/// model's `user...` entry points, the same ones the headless scripted user drives; it never changes
/// the model's state by itself.
///
/// The window is subclassed: the view sees its messages first (`message`), and every notification
/// its parent receives from it (`command`, `notify`) reaches the view through the window's property.
class ControlView {
public:
    virtual ~ControlView();
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    Control& control() { return control_; }
    HWND window() const { return window_; }

    /// Shows the model's state: geometry, visibility, enabled state and the control's own content.
    void sync();
    /// The model is going away: input no longer reaches it.
    void detach() { live_ = false; }

    /// A WM_COMMAND notification from the control.
    virtual void command(WORD /*code*/) {}
    /// A WM_NOTIFY notification from the control.
    virtual LRESULT notify(const NMHDR& /*header*/) { return 0; }
    /// Colours of a static or button control (WM_CTLCOLORSTATIC); null for the defaults.
    virtual HBRUSH colours(HDC /*dc*/) { return nullptr; }
    /// Draws an owner-drawn control (WM_DRAWITEM).
    virtual void draw(const DRAWITEMSTRUCT& /*item*/) {}
    /// The window the controls inside this one sit in (a frame's), or null.
    virtual HWND childContainer() { return nullptr; }

    /// The view of a control window, or null for a window that has none.
    static ControlView* of(HWND window);

protected:
    /// Creates the control's window as a child of `parent`; `id` numbers it among its form's controls.
    ControlView(Control& control, const ViewContext& context, HWND parent, const char* windowClass, DWORD style,
                DWORD exStyle = 0);

    virtual void syncContent() = 0;
    /// Where the window lies in its container, in pixels.
    virtual RECT geometry() const;
    /// A message of the window before the control's own procedure sees it; a value means handled.
    virtual std::optional<LRESULT> message(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) { return std::nullopt; }
    /// The control's own procedure.
    LRESULT original(UINT msg, WPARAM wParam, LPARAM lParam);

    /// Runs a user action on the model, unless the window is only showing the model's state.
    template <class Action> void user(Action&& action) {
        if (live_ && !syncing_) {
            action();
        }
    }
    /// True while the window shows the model: what the control reports then is not the user's doing.
    bool syncing() const { return syncing_; }
    const PixelScale& scale() const { return context_.scale; }
    const ViewContext& context() const { return context_; }

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    Control& control_;
    const ViewContext& context_;
    HWND window_; // destroyed with its parent
    WNDPROC original_ = nullptr;
    bool live_ = true;
    bool syncing_ = false;
};

} // namespace corvane::forms::win32
