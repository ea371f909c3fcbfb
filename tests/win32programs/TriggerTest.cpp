// CorvaneEditMode.exe as actsim starts it when its user enters the protected field "ID/Status", which
// has no drop-down list: whom it refuses, where its box lies, and what it writes and when. The user
// types and presses keys for real (SendInput).
#include "sim/win32/actsim/ActsimWindow.h"
#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"
#include "tests/win32forms/RealInput.h"
#include "tests/win32programs/ActsimWorkplace.h"
#include "tests/win32programs/ForeignWindows.h"
#include "tests/win32programs/ProgramWindows.h"

#include <gtest/gtest.h>

#include <optional>

namespace corvane::test {
namespace {

using namespace ForeignWindows;
namespace RealInput = forms::win32::test::RealInput;

constexpr int16_t kField = ActsimWorkplace::kIdStatus;
/// The field after "ID/Status" in actsim's window, where Enter moves on to.
constexpr int16_t kNextField = 20;

/// actsim on the demo database, whose "ID/Status" is "Customer" on the first contact; the users file
/// gives Sam full rights on every protected field and Lee none.
class Trigger : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(workplace_.ready()); }

    /// The user logs in and enters "ID/Status": the trigger that actsim started, once it runs.
    std::optional<ProgramProcess> enterAs(int16_t user) {
        if (!workplace_.logIn(user) || !workplace_.enterField(kField)) {
            return std::nullopt;
        }
        auto trigger = ProgramProcess::await("CorvaneEditMode.exe");
        if (!trigger) {
            // actsim's status line says why it could not start the trigger, if it knows.
            HWND status = FindWindowExA(workplace_.actsim().window(), nullptr, STATUSCLASSNAMEA, nullptr);
            ADD_FAILURE() << "no trigger within the wait; actsim's status line: \"" << text(status) << "\"";
        }
        return trigger;
    }

    TempDir folder_;
    ActsimWorkplace workplace_{folder_.path(), std::string("[Sales]\r\nGlobalF=") + ActsimWorkplace::kSamId + "\r\n"};
};

TEST_F(Trigger, RefusesAUserWithoutRightsWithItsMessageAndWritesNothing) {
    const auto trigger = enterAs(ActsimWorkplace::kLee);
    ASSERT_TRUE(trigger.has_value()) << "actsim started no trigger";
    HWND message = awaitMessageBox(*trigger);
    ASSERT_NE(message, nullptr);
    const BoxTexts texts = boxTexts(message);
    EXPECT_EQ(texts.title, "Corvane");
    EXPECT_EQ(texts.message, "You are not allowed to modify this field.\r\n"
                             "Contact your database administrator if you think this is an error.");
    EXPECT_EQ(texts.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(topWindow(trigger->id(), "CorvaneForm", "705"), nullptr) << "a box over the field";

    ASSERT_TRUE(awaitForeground(message));
    RealInput::press(VK_RETURN);
    EXPECT_EQ(trigger->waitForExit(), 0UL);
    EXPECT_EQ(workplace_.fieldValue(kField), "Customer");
}

TEST_F(Trigger, LaysItsBoxOverTheFieldAndWritesTheTypedValueOnEnter) {
    const auto trigger = enterAs(ActsimWorkplace::kSam);
    ASSERT_TRUE(trigger.has_value()) << "actsim started no trigger";
    const TriggerBox box(*trigger);
    ASSERT_TRUE(box.shown()) << "the trigger shows no box";
    const RECT field = screenRect(workplace_.actsim().fieldEdit(kField));
    EXPECT_EQ(describe(screenRect(box.window())), describe(boxOverField(field, false)));
    EXPECT_EQ(GetForegroundWindow(), box.window());
    EXPECT_EQ(box.value(), "Customer");

    ASSERT_TRUE(box.type("X", "CustomerX"));
    RealInput::press(VK_RETURN);
    EXPECT_EQ(trigger->waitForExit(), 0UL);
    EXPECT_EQ(workplace_.fieldValue(kField), "CustomerX");
    EXPECT_TRUE(waitFor([&] { return workplace_.shownValue(kField) == "CustomerX"; })) << "actsim does not show it";
    // The Enter went on to actsim, which moved to its next field.
    EXPECT_EQ(workplace_.actsim().engine().state().focusField(), kNextField);
}

TEST_F(Trigger, WritesNothingOnEscape) {
    const auto trigger = enterAs(ActsimWorkplace::kSam);
    ASSERT_TRUE(trigger.has_value()) << "actsim started no trigger";
    const TriggerBox box(*trigger);
    ASSERT_TRUE(box.shown()) << "the trigger shows no box";
    ASSERT_TRUE(box.type("X", "CustomerX"));
    RealInput::press(VK_ESCAPE);
    EXPECT_EQ(trigger->waitForExit(), 0UL);
    EXPECT_EQ(workplace_.fieldValue(kField), "Customer");
}

TEST_F(Trigger, EndsWithoutWritingWhenActsimClosesItsDatabaseBehindTheBox) {
    const auto trigger = enterAs(ActsimWorkplace::kSam);
    ASSERT_TRUE(trigger.has_value()) << "actsim started no trigger";
    const TriggerBox box(*trigger);
    ASSERT_TRUE(box.shown()) << "the trigger shows no box";
    ASSERT_TRUE(box.type("X", "CustomerX"));
    workplace_.actsim().command(sim::win32::ActsimWindow::kCloseDatabase);
    EXPECT_EQ(trigger->waitForExit(), 0UL);
    EXPECT_EQ(workplace_.fieldValue(kField), "Customer");
}

} // namespace
} // namespace corvane::test
