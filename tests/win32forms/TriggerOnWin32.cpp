#include "tests/win32forms/TriggerOnWin32.h"

#include "sim/engine/ActState.h"

#include <gtest/gtest.h>

namespace corvane::forms::win32::test {

TriggerOnWin32::TriggerOnWin32() : ProgramOnWin32("Corvane Edit Mode") {
    engine.state().setFocusField(15);
    engine.setForegroundListener([this](int16_t) { act.bringToFront(); });
}

void TriggerOnWin32::start() {
    program = std::make_unique<trigger::CorvaneEditMode>(session.runtime, factory, settings, session.windows);
    program->start();
}

std::vector<std::string> TriggerOnWin32::writes() const {
    std::vector<std::string> values;
    for (const sim::ActCall& call : injector.callsTo("View.SetField")) {
        EXPECT_EQ(call.arguments.at(0), "15");
        values.push_back(call.arguments.at(1));
    }
    return values;
}

} // namespace corvane::forms::win32::test
