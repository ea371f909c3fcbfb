// Without ACT!'s classes registered (actsim /unregserver), neither program can make ACT!'s event
// control: each says so in its own words and ends, without a crash.
#include "tests/support/WaitFor.h"
#include "tests/win32forms/RealInput.h"
#include "tests/win32programs/ActsimWorkplace.h"
#include "tests/win32programs/ForeignWindows.h"

#include <gtest/gtest.h>

namespace corvane::test {
namespace {

using namespace std::chrono_literals;
using namespace ForeignWindows;

/// actsim's classes are gone for as long as the object lives; the tests after this one find them again.
class Unregistered {
public:
    Unregistered() : done_(RunningActsim::runSwitch(RunningActsim::builtProgram(), "/unregserver")) {}
    ~Unregistered() { RunningActsim::runSwitch(RunningActsim::builtProgram(), "/regserver"); }
    Unregistered(const Unregistered&) = delete;
    Unregistered& operator=(const Unregistered&) = delete;

    bool done() const { return done_; }

private:
    bool done_;
};

TEST(UnreachableAct, EachProgramSaysItCannotCommunicateWithActAndEnds) {
    const Unregistered unregistered;
    ASSERT_TRUE(unregistered.done());
    for (const auto& [program, title] :
         {std::pair{"Corvane.exe", "Corvane"}, std::pair{"CorvaneEditMode.exe", "Corvane Edit Mode"}}) {
        SCOPED_TRACE(program);
        const ProgramProcess run = ProgramProcess::start(ActsimWorkplace::program(program));
        HWND box = nullptr;
        ASSERT_TRUE(waitFor([&] { return (box = messageBox(run.id())) != nullptr; }, 20s)) << "no message";
        const BoxTexts texts = boxTexts(box);
        EXPECT_EQ(texts.title, title);
        EXPECT_EQ(texts.message,
                  "Unable to communicate with ACT!\r\nPlease run actreg.exe located in the ACT folder and try again");
        EXPECT_EQ(texts.buttons, std::vector<std::string>{"OK"});
        ASSERT_TRUE(awaitForeground(box));
        forms::win32::test::RealInput::press(VK_RETURN);
        EXPECT_EQ(run.waitForExit(), 0UL);
    }
}

} // namespace
} // namespace corvane::test
