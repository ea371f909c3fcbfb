#include "forms/Runtime.h"

#include "forms/CommandButton.h"
#include "forms/TimerControl.h"
#include "tests/forms/TestSession.h"

namespace corvane::forms::test {
namespace {

TEST(Runtime, AnErrorEscapingAHandlerIsShownAsARunTimeErrorAndTheProgramGoesOn) {
    TestSession session;
    RecordingForm form(session.runtime, "Form1");
    CommandButton cmdSave(form, {.name = "cmdSave"}, {.caption = "Save"});
    int clicks = 0;
    cmdSave.Click = [&] {
        ++clicks;
        throw RuntimeError(vberr::TypeMismatch);
    };
    form.Show();
    session.msgBox.expect("Run-time error '13':\n\nType mismatch");
    session.msgBox.expect("Run-time error '51':\n\nbroken");
    session.msgBox.expect("Run-time error '13':\n\nType mismatch");

    session.user.click(cmdSave);
    session.runtime.dispatch([] { throw std::logic_error("broken"); });
    session.user.click(cmdSave);

    const MsgBoxRequest& box = session.msgBox.shown().at(0);
    EXPECT_EQ(box.title, "Corvane");
    EXPECT_EQ(box.style.buttons, MsgBoxButtons::OkOnly);
    EXPECT_EQ(box.style.icon, MsgBoxIcon::Critical);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(session.msgBox.shown().size(), 3U);
}

TEST(Runtime, MessageSourcesArePolledByEveryPassOfTheLoop) {
    TestSession session;
    int polls = 0;
    int id = session.runtime.addMessageSource([&] { ++polls; });

    session.processEvents();
    session.advance(std::chrono::milliseconds(10));
    session.runtime.removeMessageSource(id);
    session.processEvents();

    EXPECT_EQ(polls, 2);
}

TEST(Runtime, EndRemovesEveryFormWithoutItsUnloadEventAndStopsTimers) {
    TestSession session;
    RecordingForm form(session.runtime, "Form1");
    TimerControl tmr1(form, {.name = "tmr1", .interval = 1000});
    int ticks = 0;
    tmr1.Timer = [&] {
        if (++ticks == 2) {
            session.runtime.End();
        }
    };
    form.Show();

    session.advance(std::chrono::milliseconds(5000));

    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Load", "Activate"}));
    EXPECT_FALSE(form.Loaded());
    EXPECT_TRUE(session.backend.programHasEnded());
}

TEST(Runtime, MsgBoxShowsTheProgramTitleUnlessGivenOne) {
    TestSession session;
    session.msgBox.expect("Do you want to save?", vbNo);
    session.msgBox.expect("Sorry!");

    EXPECT_EQ(session.runtime.MsgBox("Do you want to save?", {.buttons = MsgBoxButtons::YesNo}), vbNo);
    EXPECT_EQ(session.runtime.MsgBox("Sorry!", {}, "Insufficient Security Level"), vbOK);

    EXPECT_EQ(session.msgBox.shown()[0].title, "Corvane");
    EXPECT_EQ(session.msgBox.shown()[1].title, "Insufficient Security Level");
}

} // namespace
} // namespace corvane::forms::test
