// Several processes append to one history file at once, as triggers on several machines do on a
// shared folder. Linux's test, on fork; tests/win32 runs the same on the Windows primitive.
#include "tests/support/HistoryAppender.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

namespace corvane {
namespace {

namespace appender = test::HistoryAppender;

constexpr int kProcesses = 4;
constexpr int kAppendsEach = 2500;

// Waits at most a minute for a child to end; a child still running then is killed and fails.
bool endedWell(pid_t child) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return false;
        }
        std::this_thread::yield();
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(HistoryAppendProcesses, NoRecordIsLostOrTornAmongConcurrentAppenders) {
    test::TempDir dir;
    const std::string file = dir.file("Sales.history");
    std::vector<pid_t> children;
    for (int process = 0; process < kProcesses; ++process) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            _exit(appender::run(file, process, kAppendsEach));
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        EXPECT_TRUE(endedWell(child)) << "an appender failed or did not end";
    }

    appender::expectEveryRecordOnce(file, kProcesses, kAppendsEach);
}

} // namespace
} // namespace corvane
