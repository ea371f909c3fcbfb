#include "common/FileIo.h"

#include "common/FilePrimitives.h"
#include "common/Paths.h"
#include "common/RuntimeError.h"
#include "tests/support/TempDir.h"
#include "tests/support/VbErrorOf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace corvane {
namespace {

using test::vbErrorOf;

size_t entriesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// Dates a file back, as if it had been left there that long ago.
void age(const std::filesystem::path& file, std::chrono::minutes by) {
    std::filesystem::last_write_time(file, std::filesystem::file_time_type::clock::now() - by);
}

// The rests of the names of the files beside `file` whose names extend its name.
std::vector<std::string> leftoversOf(const std::filesystem::path& file) {
    std::vector<std::string> rests;
    const std::string name = file.filename().string();
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        const std::string other = entry.path().filename().string();
        if (other.size() > name.size() && other.starts_with(name)) {
            rests.push_back(other.substr(name.size()));
        }
    }
    return rests;
}

TEST(AtomicFile, ReplacesTheWholeFile) {
    test::TempDir dir;
    const std::string file = dir.file("Sales12.dat");
    test::writeBytes(file, "old content that is longer");
    replaceFile(file, "new");
    EXPECT_EQ(test::readBytes(file), "new");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicFile, AWriterThatFailsBeforeCommitLeavesTheOldFileAndNoTemporary) {
    test::TempDir dir;
    const std::string file = dir.file("Users.dat");
    test::writeBytes(file, "[Sales]\r\nGlobalF=AA\r\n");
    {
        AtomicFile writer(file);
        writer.write("[Sales]\r\nGlo");
        EXPECT_EQ(entriesIn(dir.path()), 3u); // the temporary and the write lock lie beside the target
    }
    EXPECT_EQ(test::readBytes(file), "[Sales]\r\nGlobalF=AA\r\n");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicFile, AFolderInTheTargetsPlaceIsRefusedAndLeavesNothing) {
    test::TempDir dir;
    const std::string folder = dir.file("Sales12.dat");
    std::filesystem::create_directory(folder); // a folder stands where the file should go
    EXPECT_EQ(vbErrorOf([&] { AtomicFile writer(folder); }), vberr::PathFileAccessError);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicFile, AReadOnlyFileIsRefusedWithPermissionDeniedAndStaysAsItWas) {
    test::TempDir dir;
    const std::string file = dir.file("Users.dat");
    test::writeBytes(file, "[Sales]\r\nGlobalF=AA\r\n");
    namespace fs = std::filesystem;
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(vbErrorOf([&] { replaceFile(file, "new"); }), vberr::PermissionDenied);
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(test::readBytes(file), "[Sales]\r\nGlobalF=AA\r\n");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

// Killed writers leave temporaries; a later writer of the same file removes those that are old
// enough to belong to no live writer, and nothing else.
TEST(AtomicFile, AWriterRemovesOnlyItsOwnFilesStaleTemporaries) {
    test::TempDir dir;
    const std::string file = dir.file("Users.dat");
    const std::string stale = file + ".~0123456789abcdef.tmp";
    const std::string fresh = file + ".~fedcba9876543210.tmp";
    const std::string othersStale = dir.file("Sales12.dat") + ".~0123456789abcdef.tmp";
    const std::string notOurs = file + ".~backup.tmp";
    for (const std::string& leftover : {stale, fresh, othersStale, notOurs}) {
        test::writeBytes(leftover, "half a file");
        age(leftover, kStaleTemporaryAge + std::chrono::minutes(1));
    }
    age(fresh, kStaleTemporaryAge - std::chrono::minutes(1));
    replaceFile(file, "new");
    EXPECT_FALSE(std::filesystem::exists(stale));
    EXPECT_TRUE(std::filesystem::exists(fresh)) << "a live writer may still be using it";
    EXPECT_TRUE(std::filesystem::exists(othersStale)) << "it is another file's to clean";
    EXPECT_TRUE(std::filesystem::exists(notOurs));
    EXPECT_EQ(test::readBytes(file), "new");
}

TEST(AtomicFile, TemporariesAreNamedAfterTheirTarget) {
    test::TempDir dir;
    const std::string file = dir.file("Users.dat");
    AtomicFile writer(file);
    const auto rests = leftoversOf(file);
    ASSERT_EQ(rests.size(), 2u) << "the temporary and the write lock";
    EXPECT_EQ(std::count_if(rests.begin(), rests.end(), isTemporarySuffix), 1);
    EXPECT_FALSE(isTemporarySuffix(".~0123456789ABCDEF.tmp"));
    EXPECT_FALSE(isTemporarySuffix(".~0123456789abcdef.tmp.x"));
}

// A second writer of the same file waits for the first and gives up with 70 rather than hang.
TEST(AtomicFile, AWriterWaitsBoundedlyForAnotherWriterOfTheSameFile) {
    test::TempDir dir;
    const std::string file = dir.file("Users.dat");
    AtomicFile first(file);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(vbErrorOf([&] { replaceFile(file, "second"); }), vberr::PermissionDenied);
    EXPECT_GE(std::chrono::steady_clock::now() - start, os::kWriteLockWait);
    replaceFile(dir.file("Other.dat"), "another file is not held up");
    first.write("first");
    first.commit();
    replaceFile(file, "second");
    EXPECT_EQ(test::readBytes(file), "second");
    EXPECT_EQ(entriesIn(dir.path()), 2u);
}

// The child must write the parent's file: a forked child does, while one that runs the test again
// from the start (the only kind on Windows) makes and writes a folder of its own, which is why the
// child commits a marker first and the parent looks for it. tests/win32 and tests/reliability kill
// real writer processes.
TEST(AtomicFileDeathTest, AWriterKilledMidWriteLeavesItsLastCommitAndATemporaryThatALaterWriterRemoves) {
#ifdef _WIN32
    GTEST_SKIP() << "death tests cannot fork here";
#endif
    GTEST_FLAG_SET(death_test_style, "fast");
    test::TempDir dir;
    const std::string file = dir.file("Users.dat");
    const std::string marker = "[Sales]\r\nGlobalF=written by the child\r\n";
    test::writeBytes(file, "[Sales]\r\nGlobalF=AA\r\n");
    EXPECT_EXIT(
        {
            replaceFile(file, marker);
            AtomicFile writer(file);
            writer.write(std::string(1 << 20, 'x'));
            std::_Exit(9); // dies before commit, as a killed process would
        },
        ::testing::ExitedWithCode(9), "");
    EXPECT_EQ(test::readBytes(file), marker);
    const auto rests = leftoversOf(file);
    ASSERT_EQ(std::count_if(rests.begin(), rests.end(), isTemporarySuffix), 1) << "the dead writer's temporary";
    for (const std::string& rest : rests) {
        age(file + rest, kStaleTemporaryAge + std::chrono::minutes(1));
    }
    replaceFile(file, "after");
    EXPECT_EQ(test::readBytes(file), "after");
    EXPECT_EQ(entriesIn(dir.path()), 1u) << "neither the temporary nor the lock stays";
}

TEST(AtomicFile, AMissingFolderIsPathNotFoundAndIsNotCreated) {
    test::TempDir dir;
    EXPECT_EQ(vbErrorOf([&] { replaceFile(joinPath(dir.file("absent"), "Users.dat"), "x"); }), vberr::PathNotFound);
    EXPECT_FALSE(std::filesystem::exists(dir.file("absent")));
}

TEST(ReadWholeFile, TellsAMissingFileFromAMissingFolderAndAFolder) {
    test::TempDir dir;
    test::writeBytes(dir.file("Users.dat"), std::string("a\0b\r\n", 5));
    EXPECT_EQ(readWholeFile(dir.file("Users.dat")), std::string("a\0b\r\n", 5));
    EXPECT_EQ(vbErrorOf([&] { readWholeFile(dir.file("Absent.dat")); }), vberr::FileNotFound);
    EXPECT_EQ(vbErrorOf([&] { readWholeFile(joinPath(dir.file("Absent"), "Users.dat")); }), vberr::PathNotFound);
    EXPECT_EQ(vbErrorOf([&] { readWholeFile(dir.path().string()); }), vberr::PathFileAccessError);
}

TEST(ReadFileIfPresent, IsEmptyForAMissingFileOrFolderButFailsForAFolderInItsPlace) {
    test::TempDir dir;
    EXPECT_EQ(readFileIfPresent(dir.file("Absent.dat")), std::nullopt);
    EXPECT_EQ(readFileIfPresent(joinPath(dir.file("Absent"), "Users.dat")), std::nullopt);
    EXPECT_EQ(vbErrorOf([&] { readFileIfPresent(dir.path().string()); }), vberr::PathFileAccessError);
}

TEST(PathExists, IsTrueForFilesAndFoldersAndFalseForPathsThatNameNothing) {
    test::TempDir dir;
    test::writeBytes(dir.file("Users.dat"), "");
    EXPECT_TRUE(pathExists(dir.file("Users.dat")));
    EXPECT_TRUE(pathExists(dir.path().string()));
    EXPECT_FALSE(pathExists(dir.file("Absent.dat")));
    EXPECT_FALSE(pathExists(joinPath(dir.file("Absent"), "Users.dat")));
    EXPECT_FALSE(pathExists(joinPath(dir.file("Users.dat"), "Users.dat"))); // a file on the way
    EXPECT_FALSE(pathExists(""));
}

TEST(DeleteFileIfPossible, DeletesAFileAndLeavesEverythingElseSilently) {
    test::TempDir dir;
    test::writeBytes(dir.file("Sales12.dat"), "x");
    std::filesystem::create_directory(dir.file("Settings"));
    deleteFileIfPossible(dir.file("Sales12.dat"));
    deleteFileIfPossible(dir.file("Sales12.dat"));
    deleteFileIfPossible(dir.file("Settings"));
    deleteFileIfPossible(joinPath(dir.file("Absent"), "Sales12.dat"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Sales12.dat")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("Settings")));
}

} // namespace
} // namespace corvane
