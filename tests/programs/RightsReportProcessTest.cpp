// `Corvane --rights-report <file.csv>` as a process: its exit code and what it writes, beside a
// simulated ACT! that the test plays or without one.
#include "common/Paths.h"
#include "platform/linux/ActRegistration.h"
#include "sim/demo/DemoDatabase.h"
#include "sim/engine/Engine.h"
#include "tests/programs/ProgramUser.h"
#include "tests/support/TempDir.h"
#include "tests/support/WaitFor.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace corvane {
namespace {

/// A user's own settings (settings folder, users file) and, once `publishActsim()` ran, the demo
/// database open in a simulated ACT! that this test plays.
class RightsReportProcess : public ::testing::Test {
protected:
    RightsReportProcess() {
        test::prepareProgramUser(dir, "[Sales]\r\nGlobalF=K7Q2M9X1\r\nGlobalI=P3R8T4V6\r\n21F=D9F5H2J7\r\n");
    }

    ~RightsReportProcess() override {
        if (child > 0 && !exitCode) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
    }

    void publishActsim() {
        sim::loadDemoDatabase(actsim, database);
        registration.publish(getpid(), database);
    }

    /// Runs the tool with these arguments, its stderr going to a file; its exit code, or nothing when
    /// it did not end in time.
    std::optional<int> run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), CORVANE_ADMIN_PROGRAM);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int spawned = ::posix_spawn(&child, CORVANE_ADMIN_PROGRAM, &actions, nullptr, argv.data(), environ);
        ::posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            return std::nullopt;
        }
        test::waitFor([&] {
            int status = 0;
            if (::waitpid(child, &status, WNOHANG) == child) {
                exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            return exitCode.has_value();
        });
        return exitCode;
    }

    std::string stderrText() const { return test::readBytes(errors); }

    test::TempDir dir;
    const std::string database = dir.file("Sales.dbf");
    const std::string csv = dir.file("report.csv");
    const std::string errors = dir.file("stderr.txt");
    sim::Engine actsim{database};
    platform::linux_desktop::ActRegistration registration{dir.file("run")};
    pid_t child = 0;
    std::optional<int> exitCode;
};

TEST_F(RightsReportProcess, WritesEveryDemoUsersLevelsAndEndsWithZero) {
    publishActsim();

    EXPECT_EQ(run({"--rights-report", csv}), 0) << stderrText();
    EXPECT_EQ(test::readBytes(csv),
              "\"User\",\"Unique ID\",\"ID/Status\",\"Sales Region (own lists)\",\"Account Manager\","
              "\"Credit Limit\",\"Customer Type\"\r\n"
              "\"Dana Whitfield\",\"K7Q2M9X1\",\"Full\",\"None\",\"Full\",\"Full\",\"Full\"\r\n"
              "\"Sam Ortega\",\"P3R8T4V6\",\"Initialize\",\"None\",\"Initialize\",\"Initialize\",\"Initialize\"\r\n"
              "\"Alex Morgan\",\"D9F5H2J7\",\"None\",\"Full\",\"None\",\"None\",\"None\"\r\n"
              "\"Alex Morgan\",\"L4N6S8W2\",\"None\",\"None\",\"None\",\"None\",\"None\"\r\n"
              "\"Priya Raman\",\"B2C7G3Y5\",\"None\",\"None\",\"None\",\"None\",\"None\"\r\n"
              "\"Lee Brennan\",\"E8U1Z6A4\",\"None\",\"None\",\"None\",\"None\",\"None\"\r\n");
    EXPECT_EQ(stderrText(), "");
}

TEST_F(RightsReportProcess, WithoutActsimEndsWithOneAndSaysWhy) {
    EXPECT_EQ(run({"--rights-report", csv}), 1);
    EXPECT_NE(stderrText().find("Error 429"), std::string::npos) << stderrText();
    EXPECT_FALSE(std::filesystem::exists(csv));
}

TEST_F(RightsReportProcess, BadArgumentsEndWithTwoAndTheUsage) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--rights-report"}, {"--rights-report", csv, "extra"}}) {
        exitCode.reset();
        EXPECT_EQ(run(arguments), 2) << arguments.size();
        EXPECT_NE(stderrText().find("Usage: Corvane --rights-report <file.csv>"), std::string::npos);
    }
    EXPECT_FALSE(std::filesystem::exists(csv));
}

TEST_F(RightsReportProcess, AnUnwritableOutputEndsWithOne) {
    publishActsim();

    EXPECT_EQ(run({"--rights-report", dir.file("no such folder/report.csv")}), 1);
    EXPECT_NE(stderrText().find("Error 76"), std::string::npos) << stderrText();
}

TEST_F(RightsReportProcess, AMissingUsersFileEndsWithOne) {
    publishActsim();
    std::filesystem::remove(joinPath(dir.file("Settings"), "Users.dat"));

    EXPECT_EQ(run({"--rights-report", csv}), 1);
    EXPECT_NE(stderrText().find("Users.dat does not exist"), std::string::npos) << stderrText();
    EXPECT_FALSE(std::filesystem::exists(csv));
}

} // namespace
} // namespace corvane
