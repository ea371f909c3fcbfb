#pragma once

#include "forms/MsgBoxErrorSink.h"
#include "forms/Runtime.h"
#include "platform/win32/registry/RegistrySettingsStore.h"
#include "platform/win32/ui/MessagePump.h"
#include "platform/win32/ui/OleSession.h"
#include "platform/win32/ui/TickClock.h"
#include "platform/win32/ui/Win32App.h"
#include "platform/win32/ui/Win32Backend.h"
#include "platform/win32/ui/Win32Dialogs.h"
#include "platform/win32/ui/Win32KeySender.h"
#include "platform/win32/ui/Win32MsgBox.h"
#include "platform/win32/ui/Win32PrintService.h"
#include "platform/win32/ui/Win32SaveFileDialog.h"
#include "platform/win32/ui/Win32Screen.h"
#include "platform/win32/ui/Win32WindowSystem.h"

namespace corvane::forms::win32 {

/// Everything a program needs to run on Windows, wired together: OLE on the UI thread (a
/// single-threaded apartment, for the shell's dialogs and ACT!'s objects), the Win32 services and
/// backend, the runtime, the message pump, the window system and the per-user settings in the
/// registry.
///
/// A program's `WinMain`: make a session with the program's facts, compose the program on `runtime`
/// (with `settings`, `windows`, `errorSink` and an ACT! factory), show its first form, then `run()`.
class Win32Session {
public:
    explicit Win32Session(ProgramFacts facts, HINSTANCE instance = GetModuleHandleA(nullptr));
    Win32Session(const Win32Session&) = delete;
    Win32Session& operator=(const Win32Session&) = delete;

    /// Runs the main loop until the program ends.
    void run() { backend.run(); }

    OleSession ole;
    PixelScale scale = PixelScale::ofScreen();
    Win32App app;
    Win32Backend backend;
    Win32MsgBox msgBox;
    Win32Shell shell;
    Win32FileDialog fileDialog;
    Win32FolderBrowser folderBrowser;
    Win32Screen screen{scale};
    Win32KeySender keys;
    TickClock clock;
    Win32SaveFileDialog saveFileDialog;
    Win32PrintService printer;
    Runtime runtime;
    Win32WindowSystem windows{backend, runtime};
    MessagePump pump;
    MsgBoxErrorSink errorSink{runtime};
    corvane::win32::RegistrySettingsStore settings;
};

} // namespace corvane::forms::win32
