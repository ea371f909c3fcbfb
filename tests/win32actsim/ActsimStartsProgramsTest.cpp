// actsim starts the trigger and its auxiliary commands as ACT! does. It runs from a folder of the test
// with stand-ins for the programs (ProgramProbe), so that nothing real starts.
#include "tests/win32actsim/RunningActsim.h"

#include "platform/win32/com/ComActFactory.h"
#include "sim/win32/actsim/CommandBar.h"
#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace corvane::test {
namespace {

class ActsimStartsPrograms : public ::testing::Test {
protected:
    void SetUp() override {
        const std::filesystem::path built = RunningActsim::builtProgram();
        std::filesystem::copy_file(built, folder_.path() / "actsim.exe");
        std::filesystem::copy_file(built.parent_path() / "actevent.dll", folder_.path() / "actevent.dll");
        std::filesystem::copy_file(CORVANE_PROGRAM_PROBE, folder_.path() / "CorvaneEditMode.exe");
        std::filesystem::copy_file(CORVANE_PROGRAM_PROBE, folder_.path() / "Tool.exe");
        ASSERT_TRUE(RunningActsim::runSwitch(folder_.file("actsim.exe"), "/regserver"));
        actsim_ = std::make_unique<RunningActsim>(folder_.file("actsim.exe"), folder_.file("Sales.dbf"));
        ASSERT_TRUE(actsim_->ready());
    }
    void TearDown() override {
        actsim_.reset();
        EXPECT_TRUE(RunningActsim::runSwitch(RunningActsim::builtProgram(), "/regserver"));
    }

    /// How the stand-in was started (command line, folder), once it noted it.
    std::string startOf(const std::string& program) {
        const std::string note = folder_.file(program + ".started");
        waitFor([&] { return !readBytes(note).empty(); });
        return readBytes(note);
    }

    TempDir folder_;
    std::unique_ptr<RunningActsim> actsim_;
};

TEST_F(ActsimStartsPrograms, EnteringAProtectedFieldStartsTheTriggerFromActsimsFolderWithNothingOnItsCommandLine) {
    actsim_->enterField(7);
    actsim_->enterField(15);
    EXPECT_EQ(startOf("CorvaneEditMode.exe"),
              "\"" + folder_.file("CorvaneEditMode.exe") + "\"\n" + folder_.path().string() + "\n");
    EXPECT_EQ(actsim_->engine().state().focusField(), 15);
}

TEST_F(ActsimStartsPrograms, AToolbarCommandRunsItsCommandLineInItsFolder) {
    win32::com::ComActFactory factory;
    const auto commands = act::CreateObjectAs<act::AuxCommands>(factory, act::kAuxCommandsClass);
    const std::string tool = folder_.file("Tool.exe");
    ASSERT_EQ(commands->AddAuxCommand("Tool", tool, folder_.path().string(), "Tool", "", "", "", 1), 0);
    ASSERT_EQ(commands->AddAuxCommandToToolbar(1, "Tool"), 0);
    HWND toolbar = FindWindowExA(actsim_->window(), nullptr, TOOLBARCLASSNAMEA, nullptr);
    ASSERT_TRUE(waitFor([&] { return SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0) == 1; }));
    actsim_->command(sim::win32::CommandBar::kFirstToolbarId);
    EXPECT_EQ(startOf("Tool.exe"), "\"" + tool + "\"\n" + folder_.path().string() + "\n");
}

} // namespace
} // namespace corvane::test
