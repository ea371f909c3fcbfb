// Writers of one users file in several processes take turns through the file's write lock, and a
// replace keeps what identifies the file (ReplaceFileW).
#include "common/FileIo.h"
#include "common/IniLib.h"
#include "common/RuntimeError.h"
#include "tests/support/RecordingErrorSink.h"
#include "tests/support/TempDir.h"
#include "tests/support/VbErrorOf.h"
#include "tests/support/WaitFor.h"
#include "tests/win32/ChildProcess.h"
#include "tests/win32/UsersFileWriter.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace corvane {
namespace {

namespace writer = test::UsersFileWriter;
using namespace std::chrono_literals;

size_t entriesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

class WriteLock : public ::testing::Test {
protected:
    std::unique_ptr<test::ChildProcess> startKeyWriter(int id, int rounds) const {
        return std::make_unique<test::ChildProcess>(test::thisProgramWith(
            {std::string(writer::kKeyWriterSwitch), file, std::to_string(id), std::to_string(rounds)}));
    }

    test::TempDir dir;
    std::string file = dir.file("Users.dat");
    test::RecordingErrorSink sink;
    ErrorReporter errors{"CorvaneEditMode", sink};
};

// Each write reads the whole file and writes it back: without turns, one process's write would drop
// the keys another wrote meanwhile.
TEST_F(WriteLock, WritersOfDifferentKeysInManyProcessesLoseNothingWhileReadersRead) {
    constexpr int kWriters = 3;
    constexpr int kRounds = 25;
    IniLib::WriteKeyValue("Header", "Magic", "corvane", file);
    std::vector<std::unique_ptr<test::ChildProcess>> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.push_back(startKeyWriter(w, kRounds));
    }
    const auto deadline = std::chrono::steady_clock::now() + 120s;
    int reads = 0;
    while (std::chrono::steady_clock::now() < deadline && !HasFailure() &&
           std::any_of(writers.begin(), writers.end(), [](const auto& w) { return w->running(); })) {
        ASSERT_EQ(IniLib::GetKeyValue("Header", "Magic", "", "", "", file, errors), "corvane") << "a torn file";
        ++reads;
    }
    for (const auto& w : writers) {
        EXPECT_EQ(w->waitForExit(10s), 0ul) << "a writer's writes failed";
    }
    const ProfileDocument users = IniLib::ReadKeys(file, errors);
    for (int w = 0; w < kWriters; ++w) {
        EXPECT_EQ(IniLib::GetKeyValue(users, "Writers", "W" + std::to_string(w), "", "", ""), std::to_string(kRounds))
            << w;
        EXPECT_EQ(IniLib::GetKeyValue(users, "Writer" + std::to_string(w), "Last", "", "", ""), std::to_string(kRounds))
            << w;
    }
    std::printf("%d reads while %d processes wrote\n", reads, kWriters);
    EXPECT_EQ(entriesIn(dir.path()), 1u) << "no temporary or lock stays behind";
    EXPECT_TRUE(sink.shown.empty());
}

// A writer that cannot take its turn within five seconds fails, and the lock of a killed holder
// dies with it.
TEST_F(WriteLock, AWriterWaitsBoundedlyAndAKilledHolderReleasesTheLock) {
    IniLib::WriteKeyValue("Sales", "GlobalF", "AA", file);
    {
        AtomicFile holder(file);
        const auto blocked = startKeyWriter(0, 1);
        EXPECT_EQ(blocked->waitForExit(60s), 1ul) << "its one write must fail";
    }
    const auto killed = startKeyWriter(1, 1000000);
    ASSERT_TRUE(test::waitFor([&] { return std::filesystem::exists(file + ".lock"); }));
    killed->kill();
    ASSERT_TRUE(killed->waitForExit(10s));
    IniLib::WriteKeyValue("Sales", "GlobalI", "BB", file);
    EXPECT_EQ(IniLib::GetKeyValue("Sales", "GlobalI", "", "", "", file, errors), "BB");
}

// The new file takes the old one's creation time and attributes (and access control list); a
// read-only file is refused.
TEST_F(WriteLock, AReplaceKeepsTheFilesIdentityAndRefusesAReadOnlyFile) {
    replaceFile(file, "old");
    const FILETIME longAgo{0x4a0c0000u, 0x01c00000u};
    {
        HANDLE handle = CreateFileA(file.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE);
        EXPECT_TRUE(SetFileTime(handle, &longAgo, nullptr, nullptr));
        CloseHandle(handle);
    }
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data));
    // Wine on a Linux file system keeps no creation time of its own; Windows does.
    const bool keepsCreationTimes = CompareFileTime(&data.ftCreationTime, &longAgo) == 0;
    replaceFile(file, "new");
    ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data));
    if (keepsCreationTimes) {
        EXPECT_EQ(CompareFileTime(&data.ftCreationTime, &longAgo), 0);
    }
    EXPECT_EQ(data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(test::readBytes(file), "new");

    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(test::vbErrorOf([&] { replaceFile(file, "newer"); }), vberr::PermissionDenied);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(test::readBytes(file), "new");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

} // namespace
} // namespace corvane
