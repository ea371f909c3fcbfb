#include "tests/support/TriggerRun.h"

#include "common/Paths.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/ActState.h"

#include <chrono>

namespace corvane::test {

TriggerRun::TriggerRun(const std::filesystem::path& programFolder)
    : session({.path = programFolder.string(), .exeName = "CorvaneEditMode", .title = "Corvane Edit Mode"}) {
    session.failures.setHandler([this](const std::string& message) {
        if (!message.starts_with("Unexpected message box")) {
            driverNotes_.push_back(message);
        }
    });
    sim::loadDemoDatabase(engine, joinPath("Data", "Sales.dbf"));
    engine.state().setFocusField(kField);
    constexpr int32_t kActThread = 7;
    actWindow_ = session.windows.addWindow(kActThread, "ACT", {0, 0, 1024, 768});
    session.windows.setFocus(kActThread, session.windows.addWindow(kActThread, "Edit", {100, 300, 300, 320}));
    session.windows.bringToFront(actWindow_);
    engine.setForegroundListener([this](int16_t) { session.windows.bringToFront(actWindow_); });
}

void TriggerRun::start(SettingsStore* store) {
    SettingsStore& settings = store ? *store : memorySettings;
    composed_ = false;
    session.runtime.dispatch([&] {
        trigger_ = std::make_unique<trigger::CorvaneEditMode>(session.runtime, factory, settings, session.windows);
        composed_ = true;
        trigger_->start();
    });
}

void TriggerRun::leave() {
    if (running()) {
        session.windows.bringToFront(actWindow_);
    }
}

void TriggerRun::typeAndLeave(const std::string& text) {
    if (running() && form().txtNewValue.Visible()) {
        session.user.type(form().txtNewValue, text);
    }
    leave();
}

void TriggerRun::pickFirstItemAndLeave() {
    if (running() && form().cmdDD.Visible()) {
        session.user.click(form().cmdDD);
        if (running() && form().lstNewValue.ListCount() > 0) {
            session.user.pick(form().lstNewValue, 0);
        }
    }
    leave();
}

void TriggerRun::finish(int ticks) {
    for (int tick = 0; tick < ticks && !ended(); ++tick) {
        session.advance(std::chrono::milliseconds(100));
    }
}

std::vector<std::string> TriggerRun::writes() const {
    std::vector<std::string> values;
    for (const sim::ActCall& call : injector.callsTo("View.SetField")) {
        values.push_back(call.arguments.at(0) + "=" + call.arguments.at(1));
    }
    return values;
}

} // namespace corvane::test
