#include "forms/headless/HeadlessSession.h"

#include <utility>

namespace corvane::forms::headless {

HeadlessSession::HeadlessSession(AppFacts facts)
    : app(std::move(facts)), runtime(backend, Services{msgBox, shell, fileDialog, folderBrowser, screen, app, keys,
                                                       clock, saveFileDialog, printer}) {}

HeadlessSession::~HeadlessSession() {
    msgBox.verifyDone();
    fileDialog.verifyDone();
    folderBrowser.verifyDone();
    saveFileDialog.verifyDone();
    printer.verifyDone();
    backend.verifyDone();
}

void HeadlessSession::advance(std::chrono::milliseconds duration) {
    auto target = clock.now() + duration;
    while (auto due = runtime.nextTimerDue()) {
        if (*due > target) {
            break;
        }
        if (*due > clock.now()) {
            clock.set(*due);
        }
        runtime.processEvents();
    }
    clock.set(target);
    runtime.processEvents();
}

} // namespace corvane::forms::headless
