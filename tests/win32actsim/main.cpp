// The simulated ACT! on Windows, reached through the programs' own COM client. actsim.exe is registered
// in the test's Wine prefix for the whole run, as its installer would register ACT!, and removed at
// the end.
#include "platform/win32/ui/OleSession.h"
#include "tests/win32actsim/RunningActsim.h"

#include <gtest/gtest.h>

namespace {

class ActsimRegistration : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(
            corvane::test::RunningActsim::runSwitch(corvane::test::RunningActsim::builtProgram(), "/regserver"));
    }
    void TearDown() override {
        EXPECT_TRUE(
            corvane::test::RunningActsim::runSwitch(corvane::test::RunningActsim::builtProgram(), "/unregserver"));
    }
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The thread is the programs' UI thread: a single-threaded apartment with OLE.
    const corvane::forms::win32::OleSession ole;
    // GoogleTest owns the environment.
    ::testing::AddGlobalTestEnvironment(new ActsimRegistration);
    return RUN_ALL_TESTS();
}
