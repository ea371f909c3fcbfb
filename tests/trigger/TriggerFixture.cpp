#include "tests/trigger/TriggerFixture.h"

#include "common/ErrorReport.h"
#include "common/Paths.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/ActState.h"
#include "sim/engine/ContactStore.h"

#include <chrono>
#include <filesystem>

namespace corvane::trigger::test {

namespace {
forms::headless::AppFacts triggerFacts(const corvane::test::TempDir& dir) {
    return {.path = dir.path().string(), .exeName = "CorvaneEditMode", .title = "Corvane Edit Mode"};
}
} // namespace

TriggerTest::TriggerTest() : session(triggerFacts(dir)) {
    session.failures.setHandler([](const std::string& message) { ADD_FAILURE() << message; });
    sim::loadDemoDatabase(engine, joinPath("Data", "Sales.dbf"));
    engine.state().setFocusField(kField);
    actWindow = session.windows.addWindow(kActThread, "ACT", {0, 0, 1024, 768});
    fieldWindow = session.windows.addWindow(kActThread, "Edit", {100, 300, 300, 320});
    session.windows.setFocus(kActThread, fieldWindow);
    session.windows.bringToFront(actWindow);
    engine.setForegroundListener([this](int16_t) { session.windows.bringToFront(actWindow); });
    std::filesystem::create_directory(settingsFolder());
    writeUsers("[Sales]\r\nGlobalF=" + std::string(kUserId) + "\r\n");
}

void TriggerTest::start() {
    trigger_ = std::make_unique<CorvaneEditMode>(session.runtime, factory, *settings, session.windows);
    trigger_->start();
}

void TriggerTest::tick(int count) {
    session.advance(std::chrono::milliseconds(100 * count));
}

std::string TriggerTest::settingsFolder() const {
    return dir.file("Settings");
}

void TriggerTest::writeUsers(const std::string& content) {
    corvane::test::writeBytes(joinPath(settingsFolder(), "Users.dat"), content);
}

void TriggerTest::removeUsers() {
    std::filesystem::remove(joinPath(settingsFolder(), "Users.dat"));
}

std::string TriggerTest::listFile() const {
    return joinPath(settingsFolder(), "Sales15.dat");
}

void TriggerTest::writeList(const std::string& content) {
    corvane::test::writeBytes(listFile(), content);
}

std::string TriggerTest::fieldValue() {
    return engine.contacts().value(1, kField);
}

void TriggerTest::setFieldValue(const std::string& value) {
    engine.contacts().setValue(1, kField, value);
}

std::vector<std::vector<std::string>> TriggerTest::writes() const {
    std::vector<std::vector<std::string>> result;
    for (const sim::ActCall& call : injector.callsTo("View.SetField")) {
        result.push_back(call.arguments);
    }
    return result;
}

const forms::MsgBoxRequest& TriggerTest::lastBox() const {
    static const forms::MsgBoxRequest none;
    return session.msgBox.shown().empty() ? none : session.msgBox.shown().back();
}

std::string TriggerTest::errorReport(int number, std::string_view label, int line) {
    return errorReportText(RuntimeError(number), label, line);
}

} // namespace corvane::trigger::test
