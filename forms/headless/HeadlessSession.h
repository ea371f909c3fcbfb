#pragma once

#include "forms/MsgBoxErrorSink.h"
#include "forms/Runtime.h"
#include "forms/SimulatedWindowSystem.h"
#include "forms/headless/FailureReporter.h"
#include "forms/headless/HeadlessApp.h"
#include "forms/headless/HeadlessBackend.h"
#include "forms/headless/HeadlessScreen.h"
#include "forms/headless/ManualClock.h"
#include "forms/headless/RecordingKeySender.h"
#include "forms/headless/RecordingShell.h"
#include "forms/headless/ScriptedFileDialog.h"
#include "forms/headless/ScriptedFolderBrowser.h"
#include "forms/headless/ScriptedMsgBox.h"
#include "forms/headless/ScriptedPrinter.h"
#include "forms/headless/ScriptedSaveFileDialog.h"
#include "forms/headless/ScriptedUser.h"

#include <chrono>
#include <string>

namespace corvane::forms::headless {

/// Everything a program needs to run headless, wired together: the scripted services, the backend,
/// the runtime, a simulated window system and the scripted user. A test builds one, sets
/// `failures.setHandler(...)`, composes the program on `runtime`, and drives it. When the session ends
/// it reports expected boxes, dialog answers and modal scripts that were never used.
class HeadlessSession {
public:
    explicit HeadlessSession(AppFacts facts = {});
    ~HeadlessSession();
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    /// Moves the clock forward through the message loop: each timer ticks at its due times on the way.
    void advance(std::chrono::milliseconds duration);
    /// One pass of the message loop at the current time.
    void processEvents() { runtime.processEvents(); }
    void onModal(std::string formName, HeadlessBackend::ModalScript script) {
        backend.onModal(std::move(formName), std::move(script));
    }

    FailureReporter failures;
    ScriptedMsgBox msgBox{failures};
    RecordingShell shell;
    ScriptedFileDialog fileDialog{failures};
    ScriptedFolderBrowser folderBrowser{failures};
    HeadlessScreen screen;
    HeadlessApp app;
    RecordingKeySender keys;
    ManualClock clock;
    ScriptedSaveFileDialog saveFileDialog{failures};
    ScriptedPrinter printer{failures};
    HeadlessBackend backend{failures};
    Runtime runtime;
    SimulatedWindowSystem windows{runtime};
    ScriptedUser user{failures, windows};
    /// Shows `ErrorReport`s through `msgBox`.
    MsgBoxErrorSink errorSink{runtime};
};

} // namespace corvane::forms::headless
