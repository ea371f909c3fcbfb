#pragma once

#include "common/IniSettingsStore.h"
#include "forms/MsgBoxErrorSink.h"
#include "forms/Runtime.h"
#include "forms/SimulatedWindowSystem.h"
#include "platform/qt/InstanceLock.h"
#include "platform/qt/MessagePump.h"
#include "platform/qt/QtApp.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtFolderBrowser.h"
#include "platform/qt/QtKeySender.h"
#include "platform/qt/QtMsgBox.h"
#include "platform/qt/QtPrintService.h"
#include "platform/qt/QtSaveFileDialog.h"
#include "platform/qt/QtScreen.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/SystemClock.h"

#include <string>

namespace corvane::forms::qt {

/// Services a program takes from elsewhere instead of Qt's own; null keeps Qt's. Beside actsim, keys
/// for another program and the shell's "open" of a database go through the shared desktop.
struct ServiceReplacements {
    KeySender* keys = nullptr;
    ShellService* shell = nullptr;
};

/// Everything a program needs to run on Linux with real windows, wired together: the Qt services and
/// backend, the runtime, the single-instance lock, the window system (simulated: other programs'
/// windows are not reachable here) and the per-user settings store. Needs a `QApplication`.
///
/// A program's `main`: make the `QApplication`, a session with the program's facts, compose the
/// program on `runtime` (with `settings`, `windows`, `errorSink`), show its first form, then `run()`.
class QtSession {
public:
    /// `lockFolder` holds the single-instance lock; tests pass a folder of their own. What
    /// `replacements` names must outlive the session.
    explicit QtSession(ProgramFacts facts, const std::string& lockFolder = InstanceLock::userFolder(),
                       ServiceReplacements replacements = {});
    QtSession(const QtSession&) = delete;
    QtSession& operator=(const QtSession&) = delete;

    /// Runs the main loop until the program ends.
    void run() { backend.run(); }

    InstanceLock lock;
    QtMsgBox msgBox;
    QtShell shell;
    QtFileDialog fileDialog;
    QtFolderBrowser folderBrowser;
    QtScreen screen;
    QtApp app;
    QtKeySender keys;
    SystemClock clock;
    QtSaveFileDialog saveFileDialog;
    QtPrintService printer;
    QtBackend backend;
    Runtime runtime;
    SimulatedWindowSystem windows{runtime};
    MessagePump pump{runtime};
    MsgBoxErrorSink errorSink{runtime};
    IniSettingsStore settings = IniSettingsStore::forCurrentUser();
};

} // namespace corvane::forms::qt
