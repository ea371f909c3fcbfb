// The event control in the programs' process: what it says of actsim, and actsim's events through the
// programs' own host (ComEventControl).
#include "tests/win32actsim/RunningActsim.h"

#include "platform/win32/com/ComActFactory.h"
#include "sim/win32/actsim/ActsimWindow.h"
#include "sim/win32/common/ActsimNote.h"
#include "tests/support/TempDir.h"
#include "tests/win32actsim/Pump.h"
#include "tests/win32actsim/RecordingSink.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace {

using Events = std::vector<std::string>;

class ActsimEventControl : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(actsim_.ready()); }

    /// An event control of the programs, its events going to the sink.
    std::unique_ptr<act::EventControl> controlFor(RecordingSink& sink) {
        auto control = factory_.CreateEventControl();
        control->SetEventSink(&sink);
        return control;
    }
    /// Runs the thread's messages and the control's events until the sink has that many events.
    static bool eventsArrive(act::EventControl& control, const RecordingSink& sink, size_t count) {
        return pumpUntil([&] {
            control.PumpEvents();
            return sink.events.size() >= count;
        });
    }

    TempDir folder_;
    RunningActsim actsim_{RunningActsim::builtProgram(), folder_.file("Sales.dbf")};
    win32::com::ComActFactory factory_;
};

TEST_F(ActsimEventControl, ReportsActsimAndRaisesItsClosingEventsThroughTheSink) {
    RecordingSink sink;
    const auto control = controlFor(sink);
    EXPECT_EQ(control->Operation1(0), 1);
    EXPECT_TRUE(control->Operation3());

    actsim_.command(sim::win32::ActsimWindow::kCloseDatabase);
    ASSERT_TRUE(eventsArrive(*control, sink, 1));
    EXPECT_EQ(sink.events, Events{"OnDatabaseClose"});
    EXPECT_EQ(control->Operation1(0), 0);
    EXPECT_FALSE(control->Operation3());

    actsim_.command(sim::win32::ActsimWindow::kExit);
    ASSERT_TRUE(eventsArrive(*control, sink, 2));
    EXPECT_EQ(sink.events, (Events{"OnDatabaseClose", "OnActUserWantsToClose(0)"}));
    ASSERT_TRUE(actsim_.ended());
    EXPECT_FALSE(sim::win32::ActsimNote::find());

    RecordingSink laterSink;
    const auto later = controlFor(laterSink);
    EXPECT_EQ(later->Operation1(0), 0);
    EXPECT_FALSE(later->Operation3());
}

TEST_F(ActsimEventControl, AfterOperationTwoTheControlReachesNoActsimAndNoEventArrives) {
    RecordingSink unlinkedSink;
    RecordingSink linkedSink;
    const auto unlinked = controlFor(unlinkedSink);
    const auto linked = controlFor(linkedSink);
    unlinked->Operation2();
    EXPECT_EQ(unlinked->Operation1(0), 0);
    EXPECT_FALSE(unlinked->Operation3());
    EXPECT_EQ(linked->Operation1(0), 1);

    actsim_.engine().closeDatabase();
    ASSERT_TRUE(eventsArrive(*linked, linkedSink, 1));
    unlinked->PumpEvents();
    EXPECT_EQ(unlinkedSink.events, Events{});
}

TEST_F(ActsimEventControl, Command150EndsActsimWithBothClosingEvents) {
    RecordingSink sink;
    const auto control = controlFor(sink);
    {
        const auto app = act::CreateObjectAs<act::Application>(factory_, act::kAppObjectClass);
        app->OpenFile("");
        app->Command(150);
    }
    EXPECT_TRUE(actsim_.ended());
    EXPECT_TRUE(eventsArrive(*control, sink, 2));
    EXPECT_EQ(sink.events, (Events{"OnActUserWantsToClose(0)", "OnDatabaseClose"}));
}

} // namespace
} // namespace corvane::test
