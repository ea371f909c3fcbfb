#pragma once

#include "forms/Form.h"
#include "forms/headless/HeadlessSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::forms::test {

/// A headless session whose unexpected events fail the running test.
struct TestSession : headless::HeadlessSession {
    TestSession() {
        failures.setHandler([](const std::string& message) { ADD_FAILURE() << message; });
    }
};

/// A headless session that only collects failures, for tests of the failures themselves.
struct QuietSession : headless::HeadlessSession {
    QuietSession() {
        failures.setHandler([](const std::string&) {});
    }
};

/// A form that records its own events, in order.
class RecordingForm : public Form {
public:
    RecordingForm(Runtime& runtime, std::string name) : Form(runtime, {.name = std::move(name), .caption = "Test"}) {}

    std::vector<std::string> events;
    int16_t cancelUnload = 0;

protected:
    void Form_Load() override { events.push_back("Load"); }
    void Form_Activate() override { events.push_back("Activate"); }
    void Form_Click() override { events.push_back("Click"); }
    void Form_Unload(int16_t& cancel) override {
        events.push_back("Unload");
        cancel = cancelUnload;
    }
};

/// Expects `body` to fail with VB's error `number`.
template <class Body> void expectVbError(int number, Body&& body) {
    try {
        body();
        ADD_FAILURE() << "expected error " << number;
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), number) << e.description();
    }
}

} // namespace corvane::forms::test
