#include "common/MemorySettingsStore.h"
#include "common/Paths.h"
#include "forms/headless/HeadlessSession.h"
#include "platform/linux/DesktopFeed.h"
#include "platform/linux/DesktopKeySender.h"
#include "platform/linux/LinuxActFactory.h"
#include "sim/demo/DemoDatabase.h"
#include "tests/support/TempDir.h"
#include "trigger/CorvaneEditMode.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace corvane::platform::linux_desktop {
namespace {

constexpr int64_t kActsim = 4100;
constexpr int64_t kTrigger = 4200;
constexpr int16_t kField = 15;

/// The real trigger, headless, in a program of its own (process id `kTrigger`) on the Linux pieces:
/// ACT! found through its registration, the window system fed from the shared desktop, SendKeys
/// queued there. On the other side of the shared file, actsim (`kActsim`) shows the demo database
/// with field 15 focused as an "Edit" 200 x 20 pixels at (100, 300), and is in front.
class TriggerOnTheDesktop : public ::testing::Test {
protected:
    TriggerOnTheDesktop() {
        session.failures.setHandler([](const std::string& message) { ADD_FAILURE() << message; });
        loadDemoActsim();
        std::filesystem::create_directory(dir.file("Settings"));
        test::writeBytes(joinPath(dir.file("Settings"), "Users.dat"), "[Sales]\r\nGlobalF=K7Q2M9X1\r\n");
    }

    void loadDemoActsim() {
        sim::loadDemoDatabase(actsim, database);
        actsim.state().setFocusField(kField);
        actWindow = actsim.desktop().addWindow(kActsim, static_cast<int32_t>(kActsim), "ActsimMain",
                                               sim::ScreenRect{0, 0, 1024, 768});
        actsim.desktop().setActWindow(actWindow);
        actsim.desktop().focusActControl("Edit", sim::ScreenRect{100, 300, 300, 320});
        actsim.desktop().setForeground(actWindow, kActsim);
        registration.publish(getpid(), database);
    }

    void start() {
        factory = std::make_unique<LinuxActFactory>(registration);
        if (sim::Engine* engine = factory->engine()) {
            feed = std::make_unique<DesktopFeed>(session.runtime, session.windows, *engine, typed, kTrigger);
            sender = std::make_unique<DesktopKeySender>(engine->desktop());
            session.keys.onSend = [this](const std::string& keys) { sender->SendKeys(keys, false); };
        }
        trigger = std::make_unique<trigger::CorvaneEditMode>(session.runtime, *factory, settings, session.windows);
        trigger->start();
    }

    /// The trigger process ends: its objects go, the feed last.
    void endProcess() {
        trigger.reset();
        sender.reset();
        feed.reset();
    }

    trigger::frmMain& form() { return trigger->mainForm(); }
    void tick(int count = 1) { session.advance(std::chrono::milliseconds(100 * count)); }
    std::string fieldValue() { return actsim.contacts().value(*actsim.state().currentContact(), kField); }

    test::TempDir dir;
    const std::string database = dir.file("Sales.dbf");
    sim::Engine actsim{database};
    ActRegistration registration{dir.path().string()};
    int32_t actWindow = 0;
    forms::headless::HeadlessSession session{
        {.path = dir.path().string(), .exeName = "CorvaneEditMode", .title = "Corvane Edit Mode"}};
    forms::headless::RecordingKeySender typed; // keys that reach the trigger's own focused control
    MemorySettingsStore settings;
    std::unique_ptr<LinuxActFactory> factory;
    std::unique_ptr<DesktopFeed> feed;
    std::unique_ptr<DesktopKeySender> sender;
    std::unique_ptr<trigger::CorvaneEditMode> trigger;
};

TEST_F(TriggerOnTheDesktop, FormLandsOverActsimsFieldAndEnterWritesAndReachesActsim) {
    start();
    ASSERT_TRUE(form().Visible());
    EXPECT_EQ(form().Left(), 1480);
    EXPECT_EQ(form().Top(), 4480);
    EXPECT_EQ(form().Width(), 3030);
    EXPECT_EQ(form().Height(), 300);
    EXPECT_EQ(actsim.desktop().foreground().owner, kTrigger);

    session.user.type(form().txtNewValue, "Acme");
    const std::string typedValue = form().txtNewValue.Text();
    session.user.pressKey(form().txtNewValue, 13);
    tick();

    EXPECT_TRUE(session.runtime.ended());
    EXPECT_EQ(fieldValue(), typedValue);
    EXPECT_EQ(actsim.desktop().foreground().owner, kActsim);
    EXPECT_EQ(actsim.desktop().takeKeysFor(kActsim), "\r");
}

TEST_F(TriggerOnTheDesktop, ClickIntoActsimWritesTheValue) {
    start();
    session.user.type(form().txtNewValue, "Z");
    const std::string typedValue = form().txtNewValue.Text();
    tick();
    EXPECT_FALSE(session.runtime.ended());

    actsim.desktop().setForeground(actWindow, kActsim);
    tick();
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_EQ(fieldValue(), typedValue);
}

TEST_F(TriggerOnTheDesktop, GoingToAProgramOffTheDesktopWritesTheValue) {
    start();
    session.user.type(form().txtNewValue, "Z");
    const std::string typedValue = form().txtNewValue.Text();
    actsim.desktop().setForeground(actWindow, kActsim);
    feed->programLeftTheFront();
    EXPECT_EQ(actsim.desktop().foreground().owner, kActsim) << "actsim took the front first and keeps it";

    actsim.desktop().setForeground(0, kTrigger);
    feed->programLeftTheFront();
    EXPECT_EQ(actsim.desktop().foreground().owner, 0);
    tick();
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_EQ(fieldValue(), typedValue);
}

TEST_F(TriggerOnTheDesktop, KeysTypedForTheTriggerReachItsHookAndItsBox) {
    const std::string before = fieldValue();
    start();
    session.user.type(form().txtNewValue, "Z");
    actsim.desktop().sendToForeground("q\x1B");
    tick();

    EXPECT_TRUE(session.runtime.ended()) << "Escape reached the keyboard hook";
    EXPECT_EQ(fieldValue(), before);
    ASSERT_EQ(typed.sent().size(), 2u);
    EXPECT_EQ(typed.sent()[0].keys, "q");
    EXPECT_EQ(typed.sent()[1].keys, "{ESC}");
}

TEST_F(TriggerOnTheDesktop, EscapePressedInActsimReachesTheTriggersHook) {
    actsim.desktop().keyPressed('\x1B'); // before the trigger ran: no hook saw it
    const std::string before = fieldValue();
    start();
    session.user.type(form().txtNewValue, "Z");
    tick();
    ASSERT_FALSE(session.runtime.ended());

    actsim.desktop().keyPressed('\x1B');
    tick();
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_EQ(fieldValue(), before);
    EXPECT_TRUE(typed.sent().empty()) << "a key pressed in actsim is not typed into the trigger's box";
}

TEST_F(TriggerOnTheDesktop, TabSentAsTheFormClosesReachesActsimAfterIt) {
    start();
    session.user.pressKey(form(), 9);
    tick();
    ASSERT_TRUE(session.runtime.ended());
    endProcess();

    EXPECT_EQ(actsim.desktop().foreground().window, actWindow);
    EXPECT_EQ(actsim.desktop().takeKeysFor(kActsim), "\t");
}

TEST_F(TriggerOnTheDesktop, ActsimClosingItsDatabaseEndsTheTriggerWithoutWriting) {
    const std::string before = fieldValue();
    start();
    session.user.type(form().txtNewValue, "Z");
    actsim.closeDatabase();
    tick();

    EXPECT_TRUE(session.runtime.ended());
    EXPECT_FALSE(form().Visible());
    EXPECT_EQ(fieldValue(), before);
}

TEST_F(TriggerOnTheDesktop, NoFocusedEditInActsimEndsTheRunSilently) {
    const std::string before = fieldValue();
    actsim.desktop().clearActFocus();
    start();
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_FALSE(form().Visible());
    EXPECT_EQ(fieldValue(), before);
}

TEST_F(TriggerOnTheDesktop, WithoutActsimTheUserIsAskedToOpenADatabase) {
    registration.withdraw(getpid());
    session.msgBox.expect("Please open an ACT database prior to running Corvane!");
    start();
    EXPECT_TRUE(session.runtime.ended());
    EXPECT_EQ(feed, nullptr);
}

} // namespace
} // namespace corvane::platform::linux_desktop
