#include "sim/act/SimEventControl.h"

#include "sim/demo/DemoDatabase.h"
#include "sim/engine/Engine.h"

#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using corvane::sim::Engine;
using corvane::sim::SimEventControl;

namespace {

class RecordingSink : public corvane::act::EventSink {
public:
    void OnActUserWantsToClose(int32_t reason) override {
        received.push_back("close " + std::to_string(reason));
        afterEach();
    }
    void OnDatabaseClose() override {
        received.push_back("database close");
        afterEach();
    }

    std::vector<std::string> received;
    std::function<void()> afterEach = [] {};
};

const std::vector<std::string> kClosingEvents{"close 7", "database close"};

class SimEventControlTest : public ::testing::Test {
protected:
    SimEventControlTest() { corvane::sim::loadDemoDatabase(engine, "/data/Sales.dbf"); }

    Engine engine{":memory:"};
    RecordingSink sink;
};

} // namespace

TEST_F(SimEventControlTest, EventsWaitForThePumpAndReachEveryControl) {
    SimEventControl first(engine);
    SimEventControl second(engine);
    RecordingSink other;
    first.SetEventSink(&sink);
    second.SetEventSink(&other);

    engine.userClosesAct(7);
    EXPECT_TRUE(sink.received.empty());
    first.PumpEvents();
    second.PumpEvents();
    first.PumpEvents();
    EXPECT_EQ(sink.received, kClosingEvents);
    EXPECT_EQ(other.received, kClosingEvents);
}

TEST_F(SimEventControlTest, ControlSeesOnlyEventsRaisedAfterItsCreation) {
    engine.closeDatabase();
    SimEventControl control(engine);
    control.SetEventSink(&sink);
    control.PumpEvents();
    EXPECT_TRUE(sink.received.empty());
    EXPECT_EQ(control.Operation1(0), 0);
    EXPECT_FALSE(control.Operation3());
}

TEST_F(SimEventControlTest, NothingArrivesAfterOperation2OrWithoutSink) {
    SimEventControl unlinked(engine);
    SimEventControl sinkless(engine);
    unlinked.SetEventSink(&sink);
    unlinked.Operation2();
    engine.closeDatabase();
    unlinked.PumpEvents();
    sinkless.PumpEvents();
    sinkless.SetEventSink(&sink);
    sinkless.PumpEvents();
    EXPECT_TRUE(sink.received.empty());
}

TEST_F(SimEventControlTest, SinkMayDestroyTheControlWhileHandlingAnEvent) {
    auto control = std::make_unique<SimEventControl>(engine);
    control->SetEventSink(&sink);
    sink.afterEach = [&] { control.reset(); };
    engine.userClosesAct(7);
    control->PumpEvents();
    EXPECT_EQ(sink.received, std::vector<std::string>{"close 7"});
}

TEST_F(SimEventControlTest, NestedPumpDeliversEachEventOnce) {
    SimEventControl control(engine);
    control.SetEventSink(&sink);
    sink.afterEach = [&] { control.PumpEvents(); }; // a modal loop inside the handler
    engine.userClosesAct(7);
    control.PumpEvents();
    EXPECT_EQ(sink.received, kClosingEvents);
}

// Two engines on one file stand for two processes sharing the simulated ACT!.
TEST(SimEventControl, EventsReachAnotherConnection) {
    corvane::test::TempDir dir;
    const std::string file = dir.file("Sales.dbf");
    Engine actsim(file);
    corvane::sim::loadDemoDatabase(actsim, file);
    Engine program(file);
    SimEventControl control(program);
    RecordingSink sink;
    control.SetEventSink(&sink);
    EXPECT_EQ(control.Operation1(0), 1);

    actsim.userClosesAct(7);
    corvane::test::waitFor([&] {
        control.PumpEvents();
        return sink.received.size() >= 2;
    });
    EXPECT_EQ(sink.received, kClosingEvents);
    EXPECT_EQ(control.Operation1(0), 0);
    EXPECT_FALSE(control.Operation3());
}
