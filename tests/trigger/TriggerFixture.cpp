#include "tests/trigger/TriggerFixture.h"

#include "common/ErrorReport.h"
#include "common/Paths.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/ActState.h"

#include <chrono>
#include <filesystem>

namespace corvane::trigger::test {

TriggerTest::TriggerTest()
    : session({.path = dir.path().string(), .exeName = "CorvaneEditMode", .title = "Corvane Edit Mode"}) {
    session.failures.setHandler([](const std::string& message) { ADD_FAILURE() << message; });
    sim::loadDemoDatabase(engine, joinPath("Data", "Sales.dbf"));
    engine.state().setFocusField(15);
    actWindow = session.windows.addWindow(7, "ACT", {0, 0, 1024, 768});
    session.windows.setFocus(7, session.windows.addWindow(7, "Edit", {100, 300, 300, 320}));
    session.windows.bringToFront(actWindow);
    engine.setForegroundListener([this](int16_t) { leave(); });
    std::filesystem::create_directory(dir.file("Settings"));
    writeUsers("[Sales]\r\nGlobalF=" + kUserId + "\r\n");
}

void TriggerTest::start() {
    trigger_ = std::make_unique<CorvaneEditMode>(session.runtime, factory, *settings, session.windows);
    trigger_->start();
}

void TriggerTest::tick(int count) {
    session.advance(std::chrono::milliseconds(100 * count));
}

std::string TriggerTest::settingsFile(const std::string& name) const {
    return joinPath(dir.file("Settings"), name);
}

std::vector<std::string> TriggerTest::writes() const {
    std::vector<std::string> values;
    for (const sim::ActCall& call : injector.callsTo("View.SetField")) {
        EXPECT_EQ(call.arguments.at(0), "15");
        values.push_back(call.arguments.at(1));
    }
    return values;
}

forms::MsgBoxRequest TriggerTest::lastBox() const {
    return session.msgBox.shown().empty() ? forms::MsgBoxRequest{} : session.msgBox.shown().back();
}

std::string TriggerTest::errorReport(int number, std::string_view label, int line) {
    return errorReportText(RuntimeError(number), label, line);
}

} // namespace corvane::trigger::test
