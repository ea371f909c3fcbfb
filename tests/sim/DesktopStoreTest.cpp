#include "sim/engine/Engine.h"

#include "tests/support/TempDir.h"
#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

using corvane::sim::Engine;
using corvane::sim::ScreenRect;

namespace {

constexpr int64_t kActsim = 4100;
constexpr int64_t kTrigger = 4200;

} // namespace

TEST(DesktopStore, FocusedControlBelongsToActsWindowAndReplacesTheFormerOne) {
    Engine engine(":memory:");
    auto& desktop = engine.desktop();
    EXPECT_EQ(corvane::test::vbErrorOf([&] { desktop.focusActControl("Edit", {}); }), 5);

    const int32_t main = desktop.addWindow(kActsim, 4100, "ActsimMain", ScreenRect{10, 20, 810, 620});
    desktop.setActWindow(main);
    const int32_t first = desktop.focusActControl("Edit", ScreenRect{100, 300, 300, 320});
    const int32_t second = desktop.focusActControl("Edit", ScreenRect{100, 330, 300, 350});

    EXPECT_NE(first, second);
    EXPECT_FALSE(desktop.window(first)) << "the former focus window is gone";
    const auto focus = desktop.actFocus();
    ASSERT_TRUE(focus);
    EXPECT_EQ(focus->handle, second);
    EXPECT_EQ(focus->owner, kActsim);
    EXPECT_EQ(focus->thread, 4100);
    EXPECT_EQ(focus->className, "Edit");
    EXPECT_EQ(focus->rect.top, 330);
    EXPECT_EQ(focus->rect.bottom, 350);

    desktop.clearActFocus();
    EXPECT_FALSE(desktop.actFocus());
    EXPECT_FALSE(desktop.window(second));
    EXPECT_EQ(desktop.actWindow()->className, "ActsimMain");
}

TEST(DesktopStore, KeysGoToTheProgramInFrontWhenSentAndAreTakenOnce) {
    Engine engine(":memory:");
    auto& desktop = engine.desktop();
    desktop.sendToForeground("lost");
    EXPECT_EQ(desktop.takeKeysFor(0), "");
    desktop.setForeground(0, kTrigger);
    desktop.sendToForeground("ab\b");
    desktop.setForeground(7, kActsim);
    desktop.sendToForeground("\r\t\xE9");

    EXPECT_EQ(desktop.takeKeysFor(kTrigger), "ab\b");
    EXPECT_EQ(desktop.takeKeysFor(kTrigger), "");
    desktop.readdressKeys(kActsim, kTrigger);
    EXPECT_EQ(desktop.takeKeysFor(kActsim), "");
    EXPECT_EQ(desktop.takeKeysFor(kTrigger), "\r\t\xE9");
}

TEST(DesktopStore, EveryForegroundChangeIsSeenEvenToTheSameWindow) {
    Engine engine(":memory:");
    auto& desktop = engine.desktop();
    desktop.setForeground(7, kActsim);
    const auto before = desktop.foreground();
    desktop.setForeground(7, kActsim);
    const auto after = desktop.foreground();
    EXPECT_EQ(after.window, 7);
    EXPECT_EQ(after.owner, kActsim);
    EXPECT_GT(after.sequence, before.sequence);
}

TEST(DesktopStore, ProgramThatEndsTakesItsWindowsAndTheForegroundWithIt) {
    Engine engine(":memory:");
    auto& desktop = engine.desktop();
    const int32_t main = desktop.addWindow(kActsim, 4100, "ActsimMain", {});
    desktop.setActWindow(main);
    desktop.focusActControl("Edit", {});
    desktop.setForeground(main, kActsim);
    const int32_t other = desktop.addWindow(kTrigger, 4200, "Form", {});

    desktop.removeWindowsOf(kActsim);

    EXPECT_FALSE(desktop.actWindow());
    EXPECT_FALSE(desktop.actFocus());
    EXPECT_EQ(desktop.foreground().owner, 0);
    EXPECT_TRUE(desktop.window(other));

    desktop.sendToForeground("x");
    desktop.setForeground(other, kTrigger);
    desktop.clear();
    EXPECT_FALSE(desktop.window(other));
    EXPECT_EQ(desktop.foreground().owner, 0);
    EXPECT_EQ(desktop.takeKeysFor(0), "");
}

TEST(DesktopStore, OtherProcessesSeeTheDesktopThroughTheSharedFile) {
    corvane::test::TempDir dir;
    Engine actsim(dir.file("Sales.dbf"));
    Engine trigger(dir.file("Sales.dbf"));
    const int32_t main = actsim.desktop().addWindow(kActsim, 4100, "ActsimMain", {});
    actsim.desktop().setActWindow(main);
    actsim.desktop().focusActControl("Edit", ScreenRect{1, 2, 3, 4});
    actsim.desktop().setForeground(main, kActsim);
    trigger.desktop().sendToForeground("\r");

    EXPECT_EQ(trigger.desktop().actFocus()->rect.right, 3);
    EXPECT_EQ(trigger.desktop().foreground().window, main);
    EXPECT_EQ(actsim.desktop().takeKeysFor(kActsim), "\r");
}

TEST(DesktopStore, KeysPressedAnywhereAreReadInOrderAndOnlyTheLatestAreKept) {
    Engine engine(":memory:");
    auto& desktop = engine.desktop();
    EXPECT_EQ(desktop.lastKeyPressed(), 0);
    desktop.keyPressed('a');
    const int64_t seen = desktop.lastKeyPressed();
    desktop.keyPressed('\x1B');
    desktop.keyPressed('\t');
    const auto keys = desktop.keysPressedAfter(seen);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].keystroke, '\x1B');
    EXPECT_EQ(keys[1].keystroke, '\t');
    EXPECT_GT(keys[1].sequence, keys[0].sequence);

    for (int i = 0; i < 200; ++i) {
        desktop.keyPressed('x');
    }
    EXPECT_EQ(desktop.keysPressedAfter(0).size(), 64u);
}
