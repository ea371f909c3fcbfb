#pragma once

#include "forms/Backend.h"
#include "forms/Hwnd.h"
#include "platform/win32/ui/ClassicFonts.h"
#include "platform/win32/ui/ControlView.h"
#include "platform/win32/ui/FormWindow.h"
#include "platform/win32/ui/MessageWindow.h"

#include <map>
#include <memory>
#include <vector>

namespace corvane::forms::win32 {

/// The Win32 backend: a top-level window per loaded form (made when the form loads, gone when it
/// unloads), a native control per control, modal forms in loops of their own (the other windows of
/// the program disabled meanwhile), and the program's main loop. Every loop gives the dialog manager
/// the messages of the form they belong to. When the program ends, every loop, message box and
/// common dialog still open closes.
class Win32Backend : public Backend {
public:
    Win32Backend(HINSTANCE instance, PixelScale scale);
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    /// The window of a loaded form, or null.
    FormWindow* windowOf(const Form& form);
    /// The native window of the loaded form with that handle, or null.
    HWND nativeOf(Hwnd form);
    /// The form a native window belongs to, or null.
    Form* formOf(HWND window);
    /// Runs the main loop until the program ends (at once when it has ended already).
    void run();
    bool programHasEnded() const { return ended_; }

    void formChanged(Form& form) override;
    void formUnloaded(Form& form) override;
    void controlChanged(Control& control) override;
    void menuChanged(Menu& menu) override;
    void runModalLoop(Form& form) override;
    void programEnded() override;

private:
    /// Takes one message of the thread and hands it on; false when the loop must end (WM_QUIT).
    bool pumpOne();
    void wake();

    HINSTANCE instance_;
    ClassicFonts fonts_;
    ViewContext context_;
    std::map<const Form*, std::unique_ptr<FormWindow>> windows_;
    // Windows of unloaded forms, hidden and detached: an unload may come from inside one of their own
    // messages, so they are destroyed later, from the message window.
    std::vector<std::unique_ptr<FormWindow>> retired_;
    MessageWindow messages_;
    bool ended_ = false;
};

} // namespace corvane::forms::win32
