#include "forms/TimerControl.h"

#include "forms/CommandButton.h"
#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

using std::chrono::milliseconds;

class TimerControlTest : public ::testing::Test {
protected:
    TimerControlTest() {
        tmr1.Timer = [this] { ticks.push_back(session.clock.now().count()); };
        form.Show();
    }

    TestSession session;
    RecordingForm form{session.runtime, "frmMain"};
    TimerControl tmr1{form, {.name = "tmr1"}};
    std::vector<int64_t> ticks;
};

TEST_F(TimerControlTest, IntervalZeroDoesNotTick) {
    session.advance(milliseconds(1000));
    EXPECT_TRUE(ticks.empty());
}

TEST_F(TimerControlTest, TicksOnlyFromTheMessageLoop) {
    tmr1.setInterval(100);

    session.clock.set(milliseconds(350));
    EXPECT_TRUE(ticks.empty());
    session.processEvents();
    EXPECT_EQ(ticks, (std::vector<int64_t>{350}));

    session.advance(milliseconds(250));
    EXPECT_EQ(ticks, (std::vector<int64_t>{350, 450, 550}));
}

TEST_F(TimerControlTest, StopsWhenDisabledOrItsFormUnloads) {
    tmr1.setInterval(100);
    session.advance(milliseconds(100));
    tmr1.setEnabled(false);
    session.advance(milliseconds(300));
    tmr1.setEnabled(true);
    session.advance(milliseconds(100));
    form.Unload();
    session.advance(milliseconds(300));

    EXPECT_EQ(ticks, (std::vector<int64_t>{100, 500}));
}

TEST_F(TimerControlTest, TicksWhileAModalFormIsOpen) {
    tmr1.setInterval(100);
    RecordingForm frmEditList(session.runtime, "frmEditList");
    session.onModal("frmEditList", [&](Form& dialog) {
        session.advance(milliseconds(300));
        dialog.Unload();
    });

    frmEditList.Show(true);

    EXPECT_EQ(ticks, (std::vector<int64_t>{100, 200, 300}));
}

TEST_F(TimerControlTest, ATickDoesNotReenterWhileItsHandlerRuns) {
    tmr1.setInterval(100);
    RecordingForm frmEditList(session.runtime, "frmEditList");
    tmr1.Timer = [&] {
        ticks.push_back(session.clock.now().count());
        if (ticks.size() == 1) {
            frmEditList.Show(true);
        }
    };
    session.onModal("frmEditList", [&](Form& dialog) {
        session.advance(milliseconds(500));
        dialog.Unload();
    });

    session.advance(milliseconds(700));

    EXPECT_EQ(ticks, (std::vector<int64_t>{100, 600, 700}));
}

TEST_F(TimerControlTest, NegativeIntervalIsInvalid) {
    expectVbError(vberr::InvalidPropertyValue, [&] { tmr1.setInterval(-1); });
}

} // namespace
} // namespace corvane::forms::test
